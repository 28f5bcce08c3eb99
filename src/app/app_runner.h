#pragma once
#include <QString>

class QWidget;
class BrellumArena;

// Starts the program: checks for a display, creates the application, prepares freeglut's
// shapes, loads the window from BrellumWindow.ui, shows it, starts the arena's timer and runs
// the event loop. Returns the exit status.
int runBrellum(int argc, char** argv);

// Loads BrellumWindow.ui from `resourceFolder`, creating the arena inside it. On failure
// returns null and says why in `error`.
QWidget* loadBrellumWindow(const QString& resourceFolder, QString& error);

// The arena of a loaded window.
BrellumArena* arenaOf(QWidget* window);
