#include "camera_orbit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CameraOrbit, UntouchedIsExactlyTheWrittenHomeView) {
    CameraOrbit orbit;
    const CameraPose home = orbit.homeView();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(home.eye[i], cameraHome[i]);
        EXPECT_EQ(home.center[i], centerHome[i]);
    }
    orbit.orbitBy(30, 20);
    orbit.zoomBy(2);
    orbit.reset();
    EXPECT_TRUE(orbit.isWrittenHome());
    EXPECT_EQ(orbit.homeView().eye[0], 100.0f);
}

TEST(CameraOrbit, OrbitAndZoomMoveTheEyeAroundTheCentre) {
    struct Case {
        double yaw, pitch, zoomSteps;
        float eye[3];
    };
    const Case cases[] = {
        {90, 0, 0, {0, 0, -100}},     // a quarter turn: seen from -z
        {-90, 0, 0, {0, 0, 100}},
        {180, 0, 0, {-100, 0, 0}},
        {0, 45, 0, {70.710678f, 70.710678f, 0}},
        {0, 0, 1, {90, 0, 0}},        // one notch nearer: 10 %
        {0, 0, -1, {111.111111f, 0, 0}},
    };
    for (const Case& c : cases) {
        CameraOrbit orbit;
        orbit.orbitBy(c.yaw, c.pitch);
        orbit.zoomBy(c.zoomSteps);
        const CameraPose home = orbit.homeView();
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(home.eye[i], c.eye[i], 1e-4) << c.yaw << " " << c.pitch << " " << c.zoomSteps;
            EXPECT_EQ(home.center[i], 0.0f);
        }
    }
}

TEST(CameraOrbit, LimitsKeepTheViewUsable) {
    CameraOrbit orbit;
    orbit.orbitBy(0, 500);
    EXPECT_EQ(orbit.pitchDegrees(), CameraOrbit::maxPitch);
    orbit.zoomBy(100);
    EXPECT_EQ(orbit.distance(), CameraOrbit::minDistance);
    orbit.zoomBy(-100);
    EXPECT_EQ(orbit.distance(), CameraOrbit::maxDistance);
    orbit.orbitBy(725, 0);
    EXPECT_NEAR(orbit.yawDegrees(), 5, 1e-9);
}

TEST(CameraOrbit, TheChaseGlidesFromAndBackToTheOrbitedHome) {
    CameraOrbit orbit;
    orbit.orbitBy(90, 0);
    const CameraPose home = orbit.homeView();
    const float thing[3] = {10, 20, 30};
    const float momentum[3] = {0.5f, 0, 0};
    float steps = 200;
    const CameraPose resting = cameraPoseForFrame(false, steps, thing, momentum, home);
    EXPECT_EQ(resting.eye[2], home.eye[2]);
    steps = 199;  // the last frame of a glide back
    const CameraPose last = cameraPoseForFrame(false, steps, thing, momentum, home);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(last.eye[i], home.eye[i], 1e-4);
        EXPECT_NEAR(last.center[i], home.center[i], 1e-4);
    }
}

} // namespace
