#include "arena_fixture.h"
#include "arena_surface.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(FrameLoop, StartingStateAndNoFrameBeforeTheTimerStarts) {
    const auto arena = showArena(buildResourceFolder());
    const Simulation* sim = arena->simulation();
    ASSERT_NE(sim, nullptr);
    EXPECT_EQ(sim->sphereArray.size(), 100u);
    EXPECT_EQ(sim->numberOfSpheres, 100);
    EXPECT_EQ(arena->renderTimer(), nullptr);
    EXPECT_EQ(arena->timeInterval(), 0.0);
    QTest::qWait(100);
    EXPECT_EQ(arena->framesRun(), 0u);
}

TEST(FrameLoop, EveryTimerTickRunsExactlyOneFrame) {
    const auto arena = showArena(buildResourceFolder());
    arena->awakeFromNib();
    ASSERT_NE(arena->renderTimer(), nullptr);
    EXPECT_EQ(arena->timeInterval(), 0.001);
    EXPECT_EQ(arena->renderTimer()->interval(), 1);
    EXPECT_EQ(arena->renderTimer()->timerType(), Qt::PreciseTimer);
    unsigned long long ticks = 0;
    QObject::connect(arena->renderTimer(), &QTimer::timeout, [&ticks] { ++ticks; });
    QTest::qWait(300);
    EXPECT_GT(ticks, 5u);
    EXPECT_EQ(arena->framesRun(), ticks);
}

TEST(FrameLoop, ARepaintRequestAloneRunsNoFrame) {
    const auto arena = showArena(buildResourceFolder());
    arena->surface()->requestUpdate();
    arena->update();
    arena->repaint();
    arena->hide();
    arena->show();
    QTest::qWait(100);
    EXPECT_EQ(arena->framesRun(), 0u);
}

TEST(FrameLoop, SpheresMoveOneStepPerFrame) {
    const auto arena = showArena(buildResourceFolder());
    Simulation& sim = *arena->simulation();
    Simulation shadow = sim;  // the same physics without drawing
    for (int frame = 0; frame < 5; ++frame) {
        arena->drawRect();
        shadow.step();
    }
    for (std::size_t i = 0; i < sim.sphereArray.size(); ++i) {
        EXPECT_EQ(sim.sphereArray[i].x(), shadow.sphereArray[i].x());
        EXPECT_EQ(sim.sphereArray[i].pz(), shadow.sphereArray[i].pz());
    }
    EXPECT_EQ(arena->framesRun(), 5u);
}

TEST(FrameLoop, AfterCloseNoFrameRunsAndTheSpheresAreGone) {
    const auto arena = showArena(buildResourceFolder());
    arena->awakeFromNib();
    QTest::qWait(50);
    arena->close();  // the arena is its own top-level window here
    arena->windowWillClose();
    const unsigned long long frames = arena->framesRun();
    EXPECT_TRUE(arena->isClosed());
    EXPECT_EQ(arena->simulation(), nullptr);
    EXPECT_FALSE(arena->renderTimer()->isActive());
    QTest::qWait(100);
    arena->drawRect();
    EXPECT_EQ(arena->framesRun(), frames);
}

} // namespace
