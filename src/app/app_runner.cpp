#include "app_runner.h"

#include "BrellumArena.h"
#include "control_panel.h"
#include "window_commands.h"
#include "gl_headers.h"
#include "resource_folder.h"

#include <QApplication>
#include <QFile>
#include <QUiLoader>

#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Creates the arena for its class name in the .ui; everything else is Qt's own.
class BrellumUiLoader : public QUiLoader {
public:
    explicit BrellumUiLoader(const QString& resourceFolder) : resourceFolder_(resourceFolder) {}

    QWidget* createWidget(const QString& className, QWidget* parent,
                          const QString& name) override {
        if (className == QLatin1String("BrellumArena")) {
            auto* arena = new BrellumArena(parent, resourceFolder_);
            arena->setObjectName(name);
            return arena;
        }
        return QUiLoader::createWidget(className, parent, name);
    }

private:
    QString resourceFolder_;
};

// Qt aborts when it cannot reach a display, and freeglut exits: look first, and say so plainly.
// Both GL and freeglut's shapes go through X, so Qt is pointed at X too.
bool displayReachable(QByteArray& why) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        why = "no X display: DISPLAY is not set";
        return false;
    }
    Display* connection = XOpenDisplay(nullptr);
    if (connection == nullptr) {
        why = "cannot open the X display '" + display + "'";
        return false;
    }
    XCloseDisplay(connection);
    return true;
}

} // namespace

void provideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    const QByteArray folder = "/tmp/runtime-" + QByteArray::number(getuid());
    if (mkdir(folder.constData(), 0700) == 0 || errno == EEXIST) {
        struct stat info {};
        if (stat(folder.constData(), &info) == 0 && info.st_uid == getuid() &&
            (info.st_mode & 0777) == 0700) {
            qputenv("XDG_RUNTIME_DIR", folder);
        }
    }
}

QWidget* loadBrellumWindow(const QString& resourceFolder, QString& error) {
    const QString path = resourceFolder + QStringLiteral("/BrellumWindow.ui");
    QFile file(path);
    if (!file.open(QFile::ReadOnly)) {
        error = QStringLiteral("cannot read the window description %1").arg(path);
        return nullptr;
    }
    BrellumUiLoader loader(resourceFolder);
    QWidget* window = loader.load(&file);
    if (window == nullptr) {
        error = QStringLiteral("cannot load %1: %2").arg(path, loader.errorString());
        return nullptr;
    }
    BrellumArena* arena = arenaOf(window);
    if (arena == nullptr) {
        error = QStringLiteral("%1 has no BrellumArena named 'arena'").arg(path);
    } else if (!arena->startupError().isEmpty()) {
        error = arena->startupError();
    } else {
        error = checkControls(window, path);
    }
    if (!error.isEmpty()) {
        delete window;
        return nullptr;
    }
    window->installEventFilter(arena);
    bindReadouts(window);
    new WindowCommands(window, arena);
    return window;
}

BrellumArena* arenaOf(QWidget* window) {
    return window->findChild<BrellumArena*>(QStringLiteral("arena"));
}

int runBrellum(int argc, char** argv) {
    QByteArray why;
    if (!displayReachable(why)) {
        std::fprintf(stderr, "brellum: %s\n", why.constData());
        return 1;
    }
    provideRuntimeFolder();
    QApplication app(argc, argv);
    glutInit(&argc, argv);  // freeglut's shapes refuse to draw without it

    QString error;
    QWidget* window = loadBrellumWindow(defaultResourceFolder(), error);
    if (window == nullptr) {
        std::fprintf(stderr, "brellum: %s\n", qPrintable(error));
        return 1;
    }
    window->show();
    arenaOf(window)->awakeFromNib();
    const int status = app.exec();
    delete window;
    return status;
}
