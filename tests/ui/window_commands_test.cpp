// Pause and step, the status readout, screenshots, orbit and zoom: in the real window.
#include "app_runner.h"
#include "arena_fixture.h"
#include "arena_surface.h"
#include "window_commands.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WindowCommandsTest : public ShownWindow {
protected:
    void SetUp() override {
        ShownWindow::SetUp();
        ASSERT_NE(arena_, nullptr);
        commands_ = window_->findChild<WindowCommands*>();
        ASSERT_NE(commands_, nullptr);
        arena_->awakeFromNib();
    }
    WindowCommands* commands_ = nullptr;
};

TEST_F(WindowCommandsTest, PauseStopsFramesAndStepRunsExactlyOne) {
    QPushButton* step = find<QPushButton>("stepButton");
    EXPECT_FALSE(step->isEnabled());
    arena_->stepFrame();  // not paused: no effect of its own
    QTest::qWait(50);
    QTest::mouseClick(find<QPushButton>("pauseButton"), Qt::LeftButton);
    ASSERT_TRUE(arena_->isPaused());
    EXPECT_TRUE(step->isEnabled());
    EXPECT_EQ(find<QPushButton>("pauseButton")->text(), "Resume");
    const unsigned long long frames = arena_->framesRun();
    QTest::qWait(100);
    EXPECT_EQ(arena_->framesRun(), frames);
    QTest::mouseClick(step, Qt::LeftButton);
    EXPECT_EQ(arena_->framesRun(), frames + 1);
    find<QAction>("actionStep")->trigger();
    EXPECT_EQ(arena_->framesRun(), frames + 2);
    find<QAction>("actionPause")->trigger();
    EXPECT_FALSE(arena_->isPaused());
    EXPECT_FALSE(step->isEnabled());
    QTest::qWait(50);
    EXPECT_GT(arena_->framesRun(), frames + 2);
}

TEST_F(WindowCommandsTest, SpaceAndPeriodWorkWhereverTheFocusIs) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    find<QWidget>("chaseCameraCheckBox")->setFocus();
    QTest::keyClick(window_.get(), Qt::Key_Space);
    EXPECT_TRUE(arena_->isPaused());
    EXPECT_FALSE(arena_->simulation()->chaseSphere) << "Space paused, it did not tick the box";
    const unsigned long long frames = arena_->framesRun();
    QTest::keyClick(window_.get(), Qt::Key_Period);
    EXPECT_EQ(arena_->framesRun(), frames + 1);
    QTest::keyClick(window_.get(), Qt::Key_Space);
    EXPECT_FALSE(arena_->isPaused());
}

TEST_F(WindowCommandsTest, ReadoutReportsTheArenasState) {
    QTest::qWait(200);
    arena_->setPaused(true);
    commands_->takeReadout();
    for (int frame = 0; frame < 10; ++frame) {
        arena_->stepFrame();
    }
    const StatusReadout readout = commands_->takeReadout();
    const Simulation& sim = *arena_->simulation();
    double energy = 0;
    for (const QVSphere& s : sim.sphereArray) {
        energy += double{s.px()} * s.px() + double{s.py()} * s.py() + double{s.pz()} * s.pz();
    }
    EXPECT_DOUBLE_EQ(readout.kineticEnergy, energy / 2);
    EXPECT_GT(readout.kineticEnergy, 0);
    EXPECT_EQ(readout.spheres, 100);
    EXPECT_TRUE(readout.paused);
    EXPECT_GT(readout.framesPerSecond, 0);
    EXPECT_GT(readout.interactionMsPerFrame, 0);
    EXPECT_TRUE(readout.text().contains("paused"));
    EXPECT_TRUE(readout.text().contains("100 spheres"));
    QTest::qWait(300);
    EXPECT_TRUE(find<QLabel>("statusReadout")->text().contains("paused"));
}

TEST_F(WindowCommandsTest, ScreenshotHoldsThePictureOfTheView) {
    Simulation& sim = *arena_->simulation();
    const float centre[3] = {0, 0, 0};
    const float still[3] = {0, 0, 0};
    arena_->setPaused(true);
    isolateSphere(sim, centre, still, 1);
    sim.sphereRadius = 8;
    // A few frames, so the window's buffers have caught up with its final size.
    for (int frame = 0; frame < 3; ++frame) {
        arena_->stepFrame();
        QTest::qWait(20);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("shot.png");
    ASSERT_TRUE(commands_->saveScreenshot(path));
    const QImage shot(path);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), arena_->surface()->size() * arena_->surface()->devicePixelRatio());
    const QColor middle = shot.pixelColor(shot.width() / 2 + 3, shot.height() / 2 + 3);
    EXPECT_GT(middle.red() + middle.green() + middle.blue(), 60) << "the sphere in the middle";
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, 5), QColor(0, 0, 0)) << "black above the box";
    EXPECT_FALSE(commands_->saveScreenshot(dir.filePath("no/such/folder/shot.png")));
}

TEST_F(WindowCommandsTest, DragOrbitsWheelZoomsDoubleClickGoesHome) {
    ArenaSurface* surface = arena_->surface();
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(surface, QPoint(140, 80));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 80), QPointF(140, 80), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QMouseEvent drag(QEvent::MouseMove, QPointF(180, 60), surface->mapToGlobal(QPointF(180, 60)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &drag);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(180, 60));
    EXPECT_NE(arena_->orbit().yawDegrees(), 0);
    EXPECT_NE(arena_->orbit().pitchDegrees(), 0);
    QWheelEvent wheel(QPointF(100, 100), surface->mapToGlobal(QPointF(100, 100)), QPoint(),
                      QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(surface, &wheel);
    EXPECT_NEAR(arena_->orbit().distance(), 81, 1e-9);
    QTest::mouseDClick(surface, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(arena_->orbit().isWrittenHome());
    arena_->orbit().orbitBy(20, 0);
    find<QAction>("actionHomeView")->trigger();
    EXPECT_TRUE(arena_->orbit().isWrittenHome());
}

} // namespace
