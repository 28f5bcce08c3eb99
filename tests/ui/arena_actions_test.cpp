// The seven actions against a real arena, each with the value its control would send.
#include "arena_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

ControlValue floatSent(float v) { return {v, static_cast<int>(v), 0}; }
ControlValue countSent(int n) { return {static_cast<float>(n), n, n}; }
ControlValue stateSent(int s) { return {static_cast<float>(s), s, s}; }

using ArenaActions = ShownArena;

TEST_F(ArenaActions, FloatActionsStoreFiniteValuesAsSent) {
    struct Action {
        void (BrellumArena::*act)(const ControlValue&);
        float Simulation::*field;
        const char* name;
    };
    const Action actions[] = {
        {&BrellumArena::arrowLength, &Simulation::arrowLengthener, "arrow length"},
        {&BrellumArena::fieldAdjust, &Simulation::fieldAdjuster, "strength"},
        {&BrellumArena::radiusAdjust, &Simulation::sphereRadius, "radius"},
    };
    const float inf = std::numeric_limits<float>::infinity();
    for (const Action& a : actions) {
        for (const float value : {2.5f, 0.0f, -3.0f, 1e-30f}) {
            (arena_.get()->*a.act)(floatSent(value));
            EXPECT_EQ(sim_->*a.field, value) << a.name;
        }
        // Non-finite values would poison every momentum: the last good value stays.
        for (const float value : {std::nanf(""), inf, -inf}) {
            (arena_.get()->*a.act)(floatSent(value));
            EXPECT_EQ(sim_->*a.field, 1e-30f) << a.name << " took " << value;
        }
    }
}

TEST_F(ArenaActions, CountIsClampedAndNewSpheresTakePartInTheNextFrame) {
    arena_->numberAdjust(countSent(150));
    EXPECT_EQ(sim_->numberOfSpheres, 150);
    const struct {
        int sent, kept;
    } clamps[] = {{0, 1}, {-5, 1}, {301, 300}, {100000, 300}};
    for (const auto& c : clamps) {
        arena_->numberAdjust(countSent(c.sent));
        EXPECT_EQ(sim_->numberOfSpheres, c.kept) << c.sent;
        EXPECT_EQ(sim_->sphereArray.size(), static_cast<std::size_t>(c.kept));
        EXPECT_LT(sim_->sphereToFollow, c.kept);
    }
    arena_->renderFrame();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const float* newest = sim_->arrowHead[299];
    EXPECT_TRUE(newest[0] != 0 || newest[1] != 0 || newest[2] != 0);
}

TEST_F(ArenaActions, SwitchesTakeAnyNonZeroStateAsOn) {
    arena_->toggleCameraFollow(stateSent(2));
    EXPECT_TRUE(sim_->chaseSphere);
    EXPECT_EQ(sim_->stepsToGo, 200.0f);
    const int followed = sim_->sphereToFollow;
    EXPECT_LT(followed, 100);
    arena_->renderFrame();
    EXPECT_EQ(sim_->stepsToGo, 199.0f);
    arena_->toggleCameraFollow(stateSent(0));
    EXPECT_FALSE(sim_->chaseSphere);
    EXPECT_EQ(sim_->sphereToFollow, followed);

    arena_->toggleColorMapping(stateSent(2));
    EXPECT_TRUE(sim_->colorMapping);
    arena_->toggleColorMapping(stateSent(1));
    EXPECT_TRUE(sim_->colorMapping);
    arena_->toggleColorMapping(stateSent(0));
    EXPECT_FALSE(sim_->colorMapping);
}

TEST_F(ArenaActions, StopAllSpheresZeroesEveryMomentum) {
    for (int frame = 0; frame < 10; ++frame) {
        arena_->drawRect();
    }
    arena_->resetMomenta(ControlValue{});
    for (const QVSphere& s : sim_->sphereArray) {
        ASSERT_EQ(s.px(), 0.0f);
        ASSERT_EQ(s.py(), 0.0f);
        ASSERT_EQ(s.pz(), 0.0f);
    }
    // The next frame moves every sphere by that frame's push alone.
    Simulation expected = *sim_;
    expected.step();
    arena_->drawRect();
    for (std::size_t i = 0; i < sim_->sphereArray.size(); ++i) {
        EXPECT_EQ(sim_->sphereArray[i].x(), expected.sphereArray[i].x());
        EXPECT_EQ(sim_->sphereArray[i].px(), expected.sphereArray[i].px());
    }
}

TEST_F(ArenaActions, ActionsAfterCloseDoNothing) {
    arena_->windowWillClose();
    arena_->arrowLength(floatSent(3));
    arena_->fieldAdjust(floatSent(3));
    arena_->radiusAdjust(floatSent(3));
    arena_->numberAdjust(countSent(200));
    arena_->toggleCameraFollow(stateSent(1));
    arena_->toggleColorMapping(stateSent(1));
    arena_->resetMomenta(ControlValue{});
    arena_->drawRect();
    EXPECT_EQ(arena_->simulation(), nullptr);
    EXPECT_EQ(arena_->framesRun(), 0u);
}

} // namespace
