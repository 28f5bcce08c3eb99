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

// Without XDG_RUNTIME_DIR Qt warns on standard error and falls back to a folder of its own;
// the program writes nothing there, so it names that same folder quietly.
void provideRuntimeFolder();

// The arena of a loaded window.
BrellumArena* arenaOf(QWidget* window);
