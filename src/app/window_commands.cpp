#include "window_commands.h"

#include "BrellumArena.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

template <class T> T* find(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

double kineticEnergy(const Simulation& sim) {
    double sum = 0;
    for (const QVSphere& s : sim.sphereArray) {
        sum += double{s.px()} * s.px() + double{s.py()} * s.py() + double{s.pz()} * s.pz();
    }
    return sum / 2;
}

} // namespace

QString StatusReadout::text() const {
    if (spheres == 0) {
        return QStringLiteral("stopped");
    }
    QString line = QStringLiteral("%1 frames/s   interaction %2 ms/frame   %3 spheres   "
                                  "kinetic energy %4")
                       .arg(framesPerSecond, 0, 'f', 0)
                       .arg(interactionMsPerFrame, 0, 'f', 3)
                       .arg(spheres)
                       .arg(kineticEnergy, 0, 'g', 4);
    if (paused) {
        line += QStringLiteral("   paused");
    }
    return line;
}

WindowCommands::WindowCommands(QWidget* window, BrellumArena* arena)
    : QObject(window), window_(window), arena_(arena) {
    pauseAction_ = find<QAction>(window, "actionPause");
    stepAction_ = find<QAction>(window, "actionStep");
    pauseButton_ = find<QPushButton>(window, "pauseButton");
    stepButton_ = find<QPushButton>(window, "stepButton");
    // Plain-key shortcuts (Space, '.', H) act wherever the focus is in the window.
    for (QAction* action : window->findChildren<QAction*>()) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    if (pauseAction_ != nullptr) {
        connect(pauseAction_, &QAction::triggered, arena, &BrellumArena::setPaused);
    }
    if (pauseButton_ != nullptr) {
        connect(pauseButton_, &QPushButton::clicked, arena, &BrellumArena::setPaused);
    }
    if (stepAction_ != nullptr) {
        connect(stepAction_, &QAction::triggered, arena, &BrellumArena::stepFrame);
    }
    if (stepButton_ != nullptr) {
        connect(stepButton_, &QPushButton::clicked, arena, &BrellumArena::stepFrame);
    }
    connect(arena, &BrellumArena::pausedChanged, this, &WindowCommands::showPaused);
    if (QAction* home = find<QAction>(window, "actionHomeView")) {
        connect(home, &QAction::triggered, arena, &BrellumArena::resetHomeView);
    }
    if (QAction* save = find<QAction>(window, "actionSaveScreenshot")) {
        connect(save, &QAction::triggered, this, &WindowCommands::saveScreenshotAs);
    }
    if (QAction* shortcuts = find<QAction>(window, "actionShortcuts")) {
        connect(shortcuts, &QAction::triggered, this, &WindowCommands::showShortcuts);
    }
    if (QAction* quit = find<QAction>(window, "actionQuit")) {
        connect(quit, &QAction::triggered, window, &QWidget::close);
    }
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
        status_ = new QLabel(mainWindow);
        status_->setObjectName(QStringLiteral("statusReadout"));
        mainWindow->statusBar()->addWidget(status_, 1);
    }
    statusTimer_ = new QTimer(this);
    connect(statusTimer_, &QTimer::timeout, this, &WindowCommands::refreshStatus);
    statusTimer_->start(250);
    sinceReading_.start();
    framesAtReading_ = arena->framesRun();
    interactionAtReading_ = arena->interactionSeconds();
}

StatusReadout WindowCommands::takeReadout() {
    StatusReadout readout;
    const Simulation* sim = arena_->simulation();
    const double seconds = sinceReading_.nsecsElapsed() * 1e-9;
    const unsigned long long frames = arena_->framesRun() - framesAtReading_;
    if (sim != nullptr) {
        readout.framesPerSecond = seconds > 0 ? static_cast<double>(frames) / seconds : 0;
        readout.interactionMsPerFrame =
            frames > 0 ? (arena_->interactionSeconds() - interactionAtReading_) * 1000.0 /
                             static_cast<double>(frames)
                       : 0;
        readout.spheres = sim->numberOfSpheres;
        readout.kineticEnergy = kineticEnergy(*sim);
        readout.paused = arena_->isPaused();
    }
    sinceReading_.restart();
    framesAtReading_ = arena_->framesRun();
    interactionAtReading_ = arena_->interactionSeconds();
    return readout;
}

void WindowCommands::refreshStatus() {
    if (status_ != nullptr) {
        status_->setText(takeReadout().text());
    }
}

void WindowCommands::showPaused(bool paused) {
    if (pauseAction_ != nullptr) {
        pauseAction_->setChecked(paused);
    }
    if (pauseButton_ != nullptr) {
        pauseButton_->setChecked(paused);
        pauseButton_->setText(paused ? tr("Resume") : tr("Pause"));
    }
    if (stepAction_ != nullptr) {
        stepAction_->setEnabled(paused);
    }
    if (stepButton_ != nullptr) {
        stepButton_->setEnabled(paused);
    }
    refreshStatus();
}

bool WindowCommands::saveScreenshot(const QString& path) {
    const QImage picture = arena_->grabPicture();
    return !picture.isNull() && picture.save(path, "PNG");
}

void WindowCommands::saveScreenshotAs() {
    // The dialog is modal; the frame timer keeps running underneath it.
    QString path = QFileDialog::getSaveFileName(window_, tr("Save Screenshot"),
                                                QDir::home().filePath(QStringLiteral("brellum.png")),
                                                tr("PNG images (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".png");
    }
    if (!saveScreenshot(path)) {
        QMessageBox::warning(window_, tr("Save Screenshot"),
                             tr("The screenshot could not be written to %1.").arg(path));
    }
}

void WindowCommands::showShortcuts() {
    QMessageBox::information(
        window_, tr("Keyboard Shortcuts"),
        tr("<table cellpadding=3>"
           "<tr><td><b>Space</b></td><td>pause or resume</td></tr>"
           "<tr><td><b>.</b></td><td>one frame, while paused</td></tr>"
           "<tr><td><b>H</b></td><td>home view (also: double-click the view)</td></tr>"
           "<tr><td><b>Ctrl+S</b></td><td>save a screenshot</td></tr>"
           "<tr><td><b>Ctrl+Q</b></td><td>quit</td></tr>"
           "<tr><td><b>Alt+A, Alt+S, Alt+R, Alt+N</b></td><td>arrow length, interaction "
           "strength, sphere radius, number of spheres (then the arrow keys)</td></tr>"
           "<tr><td><b>Alt+C, Alt+P</b></td><td>chase camera, planet textures</td></tr>"
           "<tr><td><b>Alt+O</b></td><td>stop all spheres</td></tr>"
           "<tr><td><b>Drag, wheel</b></td><td>orbit and zoom the home view</td></tr>"
           "<tr><td><b>F1</b></td><td>this list</td></tr></table>"));
}
