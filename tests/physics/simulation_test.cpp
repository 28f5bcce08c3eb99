#include "fresh_run.h"
#include "simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

struct SphereSnapshot {
    float x, y, z, px, py, pz;
    int charge;
    bool operator==(const SphereSnapshot&) const = default;
};

std::vector<SphereSnapshot> snapshot(const Simulation& sim, std::size_t count) {
    std::vector<SphereSnapshot> rows;
    for (std::size_t i = 0; i < count; ++i) {
        const QVSphere& s = sim.sphereArray[i];
        rows.push_back({s.x(), s.y(), s.z(), s.px(), s.py(), s.pz(), s.electricCharge()});
    }
    return rows;
}

class SimulationTest : public ::testing::Test {
protected:
    void SetUp() override { startFreshRun(); }
};

TEST_F(SimulationTest, StartingState) {
    const Simulation sim;
    EXPECT_EQ(sim.sphereArray.size(), 100u);
    EXPECT_EQ(sim.numberOfSpheres, 100);
    EXPECT_EQ(sim.sphereToFollow, 0);
    EXPECT_FALSE(sim.chaseSphere);
    EXPECT_FALSE(sim.colorMapping);
    EXPECT_EQ(sim.arrowLengthener, 5.0f);
    EXPECT_EQ(sim.fieldAdjuster, 10.0f);
    EXPECT_EQ(sim.sphereRadius, 1.0f);
    EXPECT_EQ(sim.boxWidth, 100.0f);
    EXPECT_EQ(sim.stepsToGo, 200.0f);
    for (const auto& row : sim.arrowHead) {
        EXPECT_EQ(row[0], 0.0f);
        EXPECT_EQ(row[1], 0.0f);
        EXPECT_EQ(row[2], 0.0f);
    }
    EXPECT_EQ(sim.sphereArray[99].x(), -44.0f);
}

TEST_F(SimulationTest, GrowingAppendsNewSpheresAndKeepsTheOld) {
    Simulation sim;
    sim.sphereToFollow = 42;
    sim.step();
    const auto before = snapshot(sim, 100);
    sim.numberAdjust(150);
    EXPECT_EQ(sim.numberOfSpheres, 150);
    EXPECT_EQ(sim.sphereArray.size(), 150u);
    EXPECT_EQ(snapshot(sim, 100), before);
    EXPECT_EQ(sim.sphereToFollow, 42);
    // The first added sphere is the 101st of the run.
    EXPECT_EQ(sim.sphereArray[100].x(), 14.0f);
    EXPECT_EQ(sim.sphereArray[100].y(), 17.0f);
    EXPECT_EQ(sim.sphereArray[100].z(), 41.0f);
}

TEST_F(SimulationTest, ShrinkingPicksTheFollowedSphereAmongThoseThatStay) {
    struct Case {
        int requested, count;
    };
    for (const Case c : {Case{10, 10}, Case{1, 1}, Case{0, 1}, Case{-5, 1}}) {
        startFreshRun();
        Simulation sim;
        const auto before = snapshot(sim, static_cast<std::size_t>(c.count));
        srandom(1);
        const int expectedPick = rand() % c.count;
        srandom(1);
        sim.numberAdjust(c.requested);
        EXPECT_EQ(sim.numberOfSpheres, c.count) << c.requested;
        EXPECT_EQ(sim.sphereArray.size(), static_cast<std::size_t>(c.count));
        EXPECT_EQ(sim.sphereToFollow, expectedPick);
        EXPECT_EQ(snapshot(sim, static_cast<std::size_t>(c.count)), before);
    }
}

TEST_F(SimulationTest, SameCountStillPicksAnew) {
    Simulation sim;
    sim.sphereToFollow = 77;
    srandom(1);
    const int expectedPick = rand() % 100;
    srandom(1);
    sim.numberAdjust(100);
    EXPECT_EQ(sim.sphereArray.size(), 100u);
    EXPECT_EQ(sim.sphereToFollow, expectedPick);
}

TEST_F(SimulationTest, CountIsClampedTo300AndNewSpheresGetArrows) {
    Simulation sim;
    sim.numberAdjust(301);
    EXPECT_EQ(sim.numberOfSpheres, 300);
    EXPECT_EQ(sim.sphereArray.size(), 300u);
    sim.numberAdjust(400);
    EXPECT_EQ(sim.sphereArray.size(), 300u);
    sim.calculateInteractiveForces();
    const float* last = sim.arrowHead[299];
    EXPECT_TRUE(last[0] != 0 || last[1] != 0 || last[2] != 0);
}

TEST_F(SimulationTest, ChaseCameraSwitch) {
    Simulation sim;
    sim.stepsToGo = 37;
    sim.toggleCameraFollow(1);
    EXPECT_TRUE(sim.chaseSphere);
    EXPECT_EQ(sim.stepsToGo, 200.0f);
    EXPECT_GE(sim.sphereToFollow, 0);
    EXPECT_LT(sim.sphereToFollow, 100);
    const int followed = sim.sphereToFollow;
    sim.stepsToGo = 12;
    sim.toggleCameraFollow(0);
    EXPECT_FALSE(sim.chaseSphere);
    EXPECT_EQ(sim.sphereToFollow, followed);
    EXPECT_EQ(sim.stepsToGo, 12.0f);
    sim.toggleColorMapping(2);
    EXPECT_TRUE(sim.colorMapping);
    sim.toggleColorMapping(0);
    EXPECT_FALSE(sim.colorMapping);
}

TEST_F(SimulationTest, AfterResetEachSphereMovesByItsPushAlone) {
    Simulation sim;
    for (int frame = 0; frame < 20; ++frame) {
        sim.step();
    }
    sim.resetMomenta();
    for (const QVSphere& s : sim.sphereArray) {
        EXPECT_EQ(s.px(), 0.0f);
        EXPECT_EQ(s.py(), 0.0f);
        EXPECT_EQ(s.pz(), 0.0f);
    }
    const auto atRest = snapshot(sim, 100);
    sim.calculateInteractiveForces();
    const auto pushed = snapshot(sim, 100);
    sim.moveSpheres();
    for (std::size_t i = 0; i < 100; ++i) {
        const QVSphere& s = sim.sphereArray[i];
        const float moved[3] = {s.x(), s.y(), s.z()};
        const float expected[3] = {atRest[i].x + pushed[i].px, atRest[i].y + pushed[i].py,
                                   atRest[i].z + pushed[i].pz};
        for (int k = 0; k < 3; ++k) {
            if (std::fabs(expected[k]) <= 50) {  // a wall would put it back
                EXPECT_EQ(moved[k], expected[k]) << "sphere " << i << " axis " << k;
            }
        }
    }
}

TEST_F(SimulationTest, AFrameMovesWithMomentaThatIncludeItsPush) {
    Simulation sim;
    sim.numberAdjust(2);
    sim.sphereArray[0].setX(0, 0, 0, 0, 0, 0);
    sim.sphereArray[0].setCharge(1);
    sim.sphereArray[1].setX(10, 0, 0, 0, 0, 0);
    sim.sphereArray[1].setCharge(1);
    sim.step();
    EXPECT_FLOAT_EQ(sim.sphereArray[0].x(), -0.0001f);
    EXPECT_FLOAT_EQ(sim.sphereArray[1].x(), 10.0001f);
    EXPECT_FLOAT_EQ(sim.arrowHead[1][0], 0.5f);
}

} // namespace
