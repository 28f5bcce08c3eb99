#include "QVSphere.h"
#include "fresh_run.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

struct Position {
    float x, y, z;
    bool operator==(const Position&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Position& p) {
    return os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
}

TEST(SpherePlacement, SpheresOfAFreshRunLandOnTheKnownPoints) {
    startFreshRun();
    const std::pair<int, Position> expected[] = {
        {0, {10, 7, -44}},  {1, {40, 20, 26}},   {2, {-23, -31, -17}},
        {5, {-23, 27, 39}}, {99, {-44, 34, 26}}, {100, {14, 17, 41}},
    };
    std::size_t next = 0;
    for (int k = 0; k <= 100; ++k) {
        const QVSphere sphere(2, 100.0f, 1.0f, false);
        if (next < std::size(expected) && expected[next].first == k) {
            EXPECT_EQ((Position{sphere.x(), sphere.y(), sphere.z()}), expected[next].second)
                << "sphere " << k;
            ++next;
        }
        EXPECT_EQ(sphere.px(), 0.0f);
        EXPECT_EQ(sphere.py(), 0.0f);
        EXPECT_EQ(sphere.pz(), 0.0f);
    }
}

TEST(SpherePlacement, CoordinatesAreWholeNumbersFromMinus50To49) {
    startFreshRun();
    for (int k = 0; k < 2000; ++k) {
        const QVSphere sphere(2, 100.0f, 1.0f, false);
        for (const float c : {sphere.x(), sphere.y(), sphere.z()}) {
            ASSERT_GE(c, -50.0f);
            ASSERT_LE(c, 49.0f);
            ASSERT_EQ(c, static_cast<float>(static_cast<int>(c)));
        }
    }
}

TEST(SphereCharge, WithoutNeutralChargesNeverZero) {
    startFreshRun();
    std::set<int> charges;
    for (int k = 0; k < 2000; ++k) {
        charges.insert(QVSphere(2, 100.0f, 1.0f, false).electricCharge());
    }
    EXPECT_EQ(charges, (std::set<int>{-2, -1, 1, 2}));
}

TEST(SphereCharge, WithNeutralChargesAllFiveValuesOccur) {
    startFreshRun();
    std::set<int> charges;
    for (int k = 0; k < 2000; ++k) {
        charges.insert(QVSphere(2, 100.0f, 1.0f, true).electricCharge());
    }
    EXPECT_EQ(charges, (std::set<int>{-2, -1, 0, 1, 2}));
}

TEST(SphereCharge, RangesThatCouldOnlyGiveZeroStillEnd) {
    startFreshRun();
    // A range of 0 without neutral charges would redraw forever; it gives a charge of +-1.
    const int charge = QVSphere(0, 100.0f, 1.0f, false).electricCharge();
    EXPECT_TRUE(charge == 1 || charge == -1) << charge;
    // A side below one unit still places the sphere (at -side/2).
    const QVSphere tiny(2, 0.5f, 1.0f, false);
    EXPECT_EQ(tiny.x(), -0.25f);
}

TEST(SphereCharge, AccessorTruncatesTowardZero) {
    const std::pair<float, int> cases[] = {{-1.0f, -1}, {1.7f, 1}, {-1.7f, -1}, {2.0f, 2}};
    QVSphere sphere(2, 100.0f, 1.0f, false);
    for (const auto& [field, expected] : cases) {
        sphere.setCharge(field);
        EXPECT_EQ(sphere.electricCharge(), expected) << field;
    }
}

struct MotionCase {
    const char* name;
    float position[3];
    float momentum[3];
    float positionAfter[3];
    float momentumAfter[3];
};

class SphereMotion : public ::testing::TestWithParam<MotionCase> {};

TEST_P(SphereMotion, OneStepWithReflection) {
    const MotionCase& c = GetParam();
    QVSphere sphere(2, 100.0f, 1.0f, false);
    sphere.setX(c.position[0], c.position[1], c.position[2], c.momentum[0], c.momentum[1],
                c.momentum[2]);
    sphere.animateOneFrame(100);
    EXPECT_EQ(sphere.x(), c.positionAfter[0]);
    EXPECT_EQ(sphere.y(), c.positionAfter[1]);
    EXPECT_EQ(sphere.z(), c.positionAfter[2]);
    EXPECT_EQ(sphere.px(), c.momentumAfter[0]);
    EXPECT_EQ(sphere.py(), c.momentumAfter[1]);
    EXPECT_EQ(sphere.pz(), c.momentumAfter[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Walls, SphereMotion,
    ::testing::Values(
        // Landing exactly on the wall is still inside: the momentum stays.
        MotionCase{"ReachesWall", {49, 0, 0}, {1, 0, 0}, {50, 0, 0}, {1, 0, 0}},
        MotionCase{"LeavesWallIsPutBack", {50, 0, 0}, {1, 0, 0}, {50, 0, 0}, {-1, 0, 0}},
        MotionCase{"ComesBackIn", {50, 0, 0}, {-1, 0, 0}, {49, 0, 0}, {-1, 0, 0}},
        MotionCase{"OvershootIsNotMirrored", {-49.5f, 0, 0}, {-2, 0, 0}, {-50, 0, 0}, {2, 0, 0}},
        MotionCase{"ThreeWallsAtOnce", {49, 49, 49}, {2, 2, 2}, {50, 50, 50}, {-2, -2, -2}},
        MotionCase{"AtRestStaysPut", {3, -4, 5}, {0, 0, 0}, {3, -4, 5}, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SphereMomentum, AddForceAndReset) {
    QVSphere sphere(2, 100.0f, 1.0f, false);
    sphere.setX(1, 2, 3, 1, 1, 1);
    sphere.addForceX(0.5f, -0.25f, 0);
    EXPECT_EQ(sphere.px(), 1.5f);
    EXPECT_EQ(sphere.py(), 0.75f);
    EXPECT_EQ(sphere.pz(), 1.0f);
    sphere.resetMomenta();
    sphere.animateOneFrame(100);
    EXPECT_EQ(sphere.px(), 0.0f);
    EXPECT_EQ(sphere.py(), 0.0f);
    EXPECT_EQ(sphere.pz(), 0.0f);
    EXPECT_EQ(sphere.x(), 1.0f);
    EXPECT_EQ(sphere.y(), 2.0f);
    EXPECT_EQ(sphere.z(), 3.0f);
}

TEST(SphereMomentum, StaysWithinTheLimitSoItNeverBecomesInfiniteOrNaN) {
    const float inf = std::numeric_limits<float>::infinity();
    QVSphere sphere(2, 100.0f, 1.0f, false);
    sphere.setX(0, 0, 0, 0, 0, 0);
    sphere.addForceX(inf, -inf, 3e38f);
    EXPECT_EQ(sphere.px(), momentumLimit);
    EXPECT_EQ(sphere.py(), -momentumLimit);
    EXPECT_EQ(sphere.pz(), momentumLimit);
    sphere.addForceX(-inf, inf, 3e38f);  // would be inf - inf
    EXPECT_EQ(sphere.px(), -momentumLimit);
    EXPECT_EQ(sphere.py(), momentumLimit);
    EXPECT_EQ(sphere.pz(), momentumLimit);
    sphere.animateOneFrame(100);
    EXPECT_EQ(sphere.x(), -50.0f);
    EXPECT_EQ(sphere.px(), momentumLimit);
}

} // namespace
