// The real program, started as a user starts it.
#include "../support/process_run.h"

#include <QDir>
#include <cstring>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The process that owns an X window, as the toolkit records it.
long windowPid(Display* display, Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1,
                           False, XA_CARDINAL, &type, &format, &items, &after, &data) == Success &&
        data != nullptr && items == 1) {
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// Asks the top-level window called `title` of process `pid` to close, as a window manager's
// close button does.
bool requestClose(const char* title, long pid) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    bool sent = false;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count && !sent; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::strcmp(name, title) == 0 && windowPid(display, children[i]) == pid) {
                XEvent event{};
                event.xclient.type = ClientMessage;
                event.xclient.window = children[i];
                event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
                event.xclient.format = 32;
                event.xclient.data.l[0] =
                    static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
                event.xclient.data.l[1] = CurrentTime;
                sent = XSendEvent(display, children[i], False, NoEventMask, &event) != 0;
            }
            XFree(name);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    XFlush(display);
    XCloseDisplay(display);
    return sent;
}

int litPixels(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() + c.green() + c.blue() > 40;
        }
    }
    return count;
}

TEST(Program, RunsShowsTheBoxAndSpheresAndPrintsNothing) {
    QProcess brellum;
    brellum.start(BRELLUM_PATH, {});
    ASSERT_TRUE(brellum.waitForStarted(5000));
    QTest::qWait(2000);
    EXPECT_EQ(brellum.state(), QProcess::Running);

    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QDir().mkpath(SCREENSHOT_DIR);
    screen.save(QString(SCREENSHOT_DIR) + "/program.png");
    // The window opens at the top left of a display without a window manager; its view is
    // mostly black, with the outline and about a hundred spheres.
    const QRect view(0, 0, 700, 700);
    const int lit = litPixels(screen, view);
    EXPECT_GT(lit, 1000) << "too little drawn";
    EXPECT_LT(lit, view.width() * view.height() / 4) << "background not black";

    brellum.terminate();
    brellum.waitForFinished(5000);
    EXPECT_EQ(brellum.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(brellum.readAllStandardError(), QByteArray());
}

TEST(Program, ClosingTheWindowEndsTheProgramCleanly) {
    // Under the sanitizers, a leak or a memory error found at exit fails this test too.
    QProcess brellum;
    brellum.start(BRELLUM_PATH, {});
    ASSERT_TRUE(brellum.waitForStarted(5000));
    QTest::qWait(1500);
    ASSERT_EQ(brellum.state(), QProcess::Running);
    ASSERT_TRUE(requestClose("Brellum", static_cast<long>(brellum.processId())));
    ASSERT_TRUE(brellum.waitForFinished(20000));
    EXPECT_EQ(brellum.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(brellum.exitCode(), 0);
    EXPECT_EQ(brellum.readAllStandardError(), QByteArray());
    EXPECT_EQ(brellum.readAllStandardOutput(), QByteArray());
}

TEST(Program, WithoutADisplayItSaysSoAndExits) {
    for (const char* display : {"", ":97"}) {
        const ProcessResult r =
            runCommand(std::string("DISPLAY=") + display + " " + BRELLUM_PATH);
        EXPECT_EQ(r.exitCode, 1) << display;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("brellum: "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("display"), std::string::npos) << r.err;
        EXPECT_EQ(countLines(r.err), 1u) << r.err;
    }
}

} // namespace
