#include "control_value.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

double sliderValue(const QAbstractSlider* slider) {
    bool ok = false;
    const double scale = slider->property("valueScale").toDouble(&ok);
    return slider->value() / (ok && scale != 0 ? scale : 1.0);
}

namespace {

ControlValue fromNumber(double value) {
    ControlValue read;
    read.floatValue = static_cast<float>(value);
    read.intValue = static_cast<int>(value);
    read.state = read.intValue;
    return read;
}

} // namespace

ControlValue readControl(const QObject* sender) {
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(sender)) {
        return fromNumber(sliderValue(slider));
    }
    if (const auto* spin = qobject_cast<const QDoubleSpinBox*>(sender)) {
        return fromNumber(spin->value());
    }
    if (const auto* spin = qobject_cast<const QSpinBox*>(sender)) {
        return fromNumber(spin->value());
    }
    if (const auto* checkBox = qobject_cast<const QCheckBox*>(sender)) {
        return fromNumber(checkBox->checkState());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(sender)) {
        return fromNumber(button->isChecked() ? Qt::Checked : Qt::Unchecked);
    }
    return {};
}
