#include "arrow_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

using Vec = std::array<float, 3>;

void expectNear(const float* actual, const Vec& expected, const std::string& what) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(actual[k], expected[k], 2e-6) << what << " component " << k;
    }
}

struct HeadCase {
    const char* name;
    Vec vector;
    Vec deltaA;
    Vec deltaB;
};

class ArrowHead : public ::testing::TestWithParam<HeadCase> {};

TEST_P(ArrowHead, OffsetsAreBoundedComponentByComponent) {
    const HeadCase& c = GetParam();
    const ArrowGeometry arrow = arrowGeometry(c.vector.data());
    ASSERT_TRUE(arrow.hasHead);
    expectNear(arrow.deltaA, c.deltaA, "deltaA");
    expectNear(arrow.deltaB, c.deltaB, "deltaB");
    expectNear(arrow.shaftEnd, c.vector, "shaft");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ArrowHead,
    ::testing::Values(
        HeadCase{"Ten", {10, 0, 0}, {0.353553f, 0.353553f, 0.04f}, {0.353553f, 0.04f, 0.04f}},
        // The width follows the squared length, 25 here, not 5.
        HeadCase{"ThreeFour", {3, 4, 0}, {0.04f, 0.123744f, 0.04f}, {0.123744f, 0.04f, 0.04f}},
        // Short arrows: both offsets sit on the lower bound and the faces coincide.
        HeadCase{"Short", {1, 0, 0}, {0.04f, 0.04f, 0.04f}, {0.04f, 0.04f, 0.04f}},
        HeadCase{"Long", {30, 40, 0}, {0.04f, 0.4f, 0.04f}, {0.4f, 0.4f, 0.04f}},
        // Negative components become +0.04: not the mirror of (10, 0, 0).
        HeadCase{"Backwards", {-10, 0, 0}, {0.04f, 0.04f, 0.04f}, {0.04f, 0.353553f, 0.04f}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArrowFaces, VerticesOfTheTenUnitArrow) {
    const float vector[3] = {10, 0, 0};
    const ArrowGeometry arrow = arrowGeometry(vector);
    expectNear(arrow.arrowBase, {8, 0, 0}, "base");
    const Vec faceA[5] = {{8.353553f, 0.353553f, 0.04f},
                          {8.353553f, 0.04f, 0.04f},
                          {10, 0, 0},
                          {7.646447f, -0.04f, -0.04f},
                          {8.353553f, 0.353553f, 0.04f}};
    const Vec faceB[5] = {{7.646447f, -0.353553f, -0.04f},
                          {8.353553f, 0.04f, 0.04f},
                          {10, 0, 0},
                          {7.646447f, -0.04f, -0.04f},
                          {7.646447f, -0.353553f, -0.04f}};
    for (int v = 0; v < 5; ++v) {
        expectNear(arrow.faceA[v], faceA[v], "face A vertex " + std::to_string(v));
        expectNear(arrow.faceB[v], faceB[v], "face B vertex " + std::to_string(v));
    }
}

TEST(ArrowFaces, NoHeadWithoutAnXYPartOrWhenItsLengthOverflows) {
    for (const Vec& v : {Vec{0, 0, 5}, Vec{0, 0, 0}, Vec{1e30f, 0, 0}}) {
        const ArrowGeometry arrow = arrowGeometry(v.data());
        EXPECT_TRUE(arrow.drawable);
        EXPECT_FALSE(arrow.hasHead);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(arrow.shaftEnd[k], v[k]);
        }
    }
}

TEST(ArrowFaces, NonFiniteArrowsAreNotDrawn) {
    const float inf = std::numeric_limits<float>::infinity();
    for (const Vec& v : {Vec{inf, 0, 0}, Vec{0, -inf, 1}, Vec{std::nanf(""), 1, 1}}) {
        EXPECT_FALSE(arrowGeometry(v.data()).drawable);
    }
}

} // namespace
