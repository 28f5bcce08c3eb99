#pragma once
// The window's commands beyond the seven controls: pause and step, save a screenshot, the home
// view, the list of keyboard shortcuts, quit, and the status bar readout. None of them changes
// what the simulation computes.
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class BrellumArena;
class QAction;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;

// What the status bar shows, worked out from the arena's state between two readings.
struct StatusReadout {
    double framesPerSecond = 0;
    double interactionMsPerFrame = 0;
    int spheres = 0;
    double kineticEnergy = 0;  // 1/2 sum |p|^2, box units per frame squared
    bool paused = false;
    QString text() const;
};

class WindowCommands : public QObject {
    Q_OBJECT

public:
    // Wires the actions and buttons of a loaded window to its arena and starts the readout.
    WindowCommands(QWidget* window, BrellumArena* arena);

    // Reads the arena now: figures since the previous reading.
    StatusReadout takeReadout();
    // Writes the view's picture as PNG; false when it cannot be written.
    bool saveScreenshot(const QString& path);

public slots:
    void saveScreenshotAs();
    void showShortcuts();

private:
    void showPaused(bool paused);
    void refreshStatus();

    QWidget* window_;
    BrellumArena* arena_;
    QAction* pauseAction_ = nullptr;
    QAction* stepAction_ = nullptr;
    QPushButton* pauseButton_ = nullptr;
    QPushButton* stepButton_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* statusTimer_ = nullptr;
    QElapsedTimer sinceReading_;
    unsigned long long framesAtReading_ = 0;
    double interactionAtReading_ = 0;
};
