// The real program, started as a user starts it.
#include "../support/process_run.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

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
