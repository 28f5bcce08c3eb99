#include "camera_glide.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Vec = std::array<float, 3>;
Vec eyeOf(const CameraPose& p) { return {p.eye[0], p.eye[1], p.eye[2]}; }
Vec centerOf(const CameraPose& p) { return {p.center[0], p.center[1], p.center[2]}; }

constexpr float thing[3] = {10, 20, 30};
constexpr float momentum[3] = {0.5f, 0, 0};

TEST(Camera, HomeViewLeavesTheCounterAlone) {
    float steps = 200;
    const CameraPose pose = cameraPoseForFrame(false, steps, thing, momentum);
    EXPECT_EQ(eyeOf(pose), (Vec{100, 0, 0}));
    EXPECT_EQ(centerOf(pose), (Vec{0, 0, 0}));
    EXPECT_EQ(steps, 200.0f);
}

TEST(Camera, GlideHalfwayAndChaseView) {
    float steps = 101;  // the call takes it to 100
    const CameraPose glide = cameraPoseForFrame(true, steps, thing, momentum);
    EXPECT_EQ(steps, 100.0f);
    EXPECT_EQ(eyeOf(glide), (Vec{42.5f, 10, 15}));
    EXPECT_EQ(centerOf(glide), (Vec{5, 10, 15}));

    steps = 0;
    const CameraPose chase = cameraPoseForFrame(true, steps, thing, momentum);
    EXPECT_EQ(eyeOf(chase), (Vec{-15, 20, 30}));
    EXPECT_EQ(centerOf(chase), (Vec{10, 20, 30}));
    EXPECT_EQ(steps, 0.0f);
}

// Runs `calls` frames and records the counter after each.
std::vector<float> counters(bool chase, float& steps, int calls) {
    std::vector<float> seen;
    for (int call = 0; call < calls; ++call) {
        cameraPoseForFrame(chase, steps, thing, momentum);
        seen.push_back(steps);
    }
    return seen;
}

TEST(Camera, ChaseOnGlides199FramesThenChases) {
    float steps = 200;
    const std::vector<float> seen = counters(true, steps, 202);
    for (int call = 0; call < 199; ++call) {
        EXPECT_EQ(seen[call], 199.0f - call);
    }
    EXPECT_EQ(seen[199], 0.0f);
    EXPECT_EQ(seen[201], 0.0f);
    float chasing = 0;
    EXPECT_EQ(eyeOf(cameraPoseForFrame(true, chasing, thing, momentum)), (Vec{-15, 20, 30}));
}

TEST(Camera, ChaseOffGlides200FramesBackThenHome) {
    float steps = 0;
    CameraPose last{};
    for (int call = 1; call <= 200; ++call) {
        last = cameraPoseForFrame(false, steps, thing, momentum);
        EXPECT_EQ(steps, static_cast<float>(call));
    }
    // The last glide view is the home view to within float rounding.
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(last.eye[i], cameraHome[i], 1e-5);
        EXPECT_NEAR(last.center[i], centerHome[i], 1e-5);
    }
    const CameraPose home = cameraPoseForFrame(false, steps, thing, momentum);
    EXPECT_EQ(eyeOf(home), (Vec{100, 0, 0}));
    EXPECT_EQ(steps, 200.0f);
}

TEST(Camera, TurningBackMidGlideHasNoJump) {
    float steps = 120;
    cameraPoseForFrame(false, steps, thing, momentum);
    EXPECT_EQ(steps, 121.0f);
}

TEST(Camera, ChasedSphereAtRestPutsTheEyeOnItsCentre) {
    float steps = 0;
    const float still[3] = {0, 0, 0};
    const CameraPose pose = cameraPoseForFrame(true, steps, thing, still);
    EXPECT_EQ(eyeOf(pose), centerOf(pose));
}

TEST(ViewDirection, UsableDirectionsPassUnchanged) {
    ViewDirectionGuard guard;
    const CameraPose pose{{-15, 20, 30}, {10, 20, 30}};
    const auto look = guard.lookAt(pose);
    EXPECT_EQ(look.eye[0], -15.0);
    EXPECT_EQ(look.center[0], 10.0);
    EXPECT_EQ(look.center[1], 20.0);
    EXPECT_EQ(look.up[0], 0.0);
    EXPECT_EQ(look.up[1], 1.0);
    EXPECT_EQ(look.up[2], 0.0);
}

TEST(ViewDirection, DegeneratePosesKeepTheLastUsableDirection) {
    ViewDirectionGuard guard;
    guard.lookAt({{0, 0, 0}, {0, 0, 4}});  // looking along +z
    const CameraPose degenerate[] = {
        {{1, 2, 3}, {1, 2, 3}},  // eye on the look-at point
        {{1, 2, 3}, {1, 9, 3}},  // looking straight up, along the up vector
    };
    for (const CameraPose& pose : degenerate) {
        const auto look = guard.lookAt(pose);
        EXPECT_EQ(look.eye[0], 1.0);
        EXPECT_EQ(look.eye[1], 2.0);
        EXPECT_EQ(look.eye[2], 3.0);
        EXPECT_EQ(look.center[0], 1.0);
        EXPECT_EQ(look.center[1], 2.0);
        EXPECT_EQ(look.center[2], 7.0);
    }
}

} // namespace
