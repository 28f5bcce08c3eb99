#include "control_panel.h"

#include "control_value.h"

#include <QAbstractSlider>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QWidget>
#include <QXmlStreamReader>

namespace {

// "sender receiver slot" for every connection the .ui declares.
QSet<QString> declaredConnections(const QString& uiPath) {
    QSet<QString> connections;
    QFile file(uiPath);
    if (!file.open(QFile::ReadOnly)) {
        return connections;
    }
    QXmlStreamReader xml(&file);
    QString sender, receiver, slot;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("connection")) {
                sender.clear();
                receiver.clear();
                slot.clear();
            } else if (name == QLatin1String("sender")) {
                sender = xml.readElementText();
            } else if (name == QLatin1String("receiver")) {
                receiver = xml.readElementText();
            } else if (name == QLatin1String("slot")) {
                slot = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("connection")) {
            connections.insert(sender + ' ' + receiver + ' ' + slot);
        }
    }
    return connections;
}

void showValue(QLabel* label, const QAbstractSlider* slider) {
    const int decimals = slider->property("decimals").toInt();
    label->setText(QString::number(sliderValue(slider), 'f', decimals));
}

} // namespace

QString checkControls(QWidget* window, const QString& uiPath) {
    const QSet<QString> connections = declaredConnections(uiPath);
    for (const ControlBinding& binding : controlBindings) {
        const QString name = QString::fromLatin1(binding.objectName);
        QObject* control = window->findChild<QObject*>(name);
        if (control == nullptr) {
            return QStringLiteral("the window has no control named '%1'").arg(name);
        }
        if (!control->inherits(binding.className)) {
            return QStringLiteral("the control '%1' is not a %2").arg(name, binding.className);
        }
        const QString wiring = name + QStringLiteral(" arena ") + binding.slot;
        if (!connections.contains(wiring)) {
            return QStringLiteral("the control '%1' is not connected to the arena's %2")
                .arg(name, binding.slot);
        }
    }
    return {};
}

void bindReadouts(QWidget* window) {
    for (QAbstractSlider* slider : window->findChildren<QAbstractSlider*>()) {
        const QString readoutName = slider->property("readout").toString();
        QLabel* label = readoutName.isEmpty() ? nullptr : window->findChild<QLabel*>(readoutName);
        if (label == nullptr) {
            continue;
        }
        showValue(label, slider);
        QObject::connect(slider, &QAbstractSlider::valueChanged, label,
                         [label, slider] { showValue(label, slider); });
    }
}
