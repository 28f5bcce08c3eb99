#include "interaction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A handful of spheres in flat arrays, with room for the results.
struct Scene {
    std::vector<std::array<float, 3>> position;
    std::vector<float> charge;
    float fieldAdjuster = 10;
    float arrowLengthener = 5;
    std::vector<std::array<float, 3>> push;
    std::vector<std::array<float, 3>> arrow;

    void run(void (*kernel)(const InteractionInput&, const InteractionOutput&) = interact) {
        push.assign(position.size(), {7, 7, 7});
        arrow.assign(position.size(), {7, 7, 7});
        kernel({reinterpret_cast<const float(*)[3]>(position.data()), charge.data(),
                position.size(), fieldAdjuster, arrowLengthener},
               {reinterpret_cast<float(*)[3]>(push.data()),
                reinterpret_cast<float(*)[3]>(arrow.data())});
    }
};

Scene makeScene(std::vector<std::array<float, 3>> position, std::vector<float> charge) {
    Scene scene;
    scene.position = std::move(position);
    scene.charge = std::move(charge);
    return scene;
}

void expectVector(const std::array<float, 3>& actual, std::array<float, 3> expected,
                  const char* what) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(actual[k], expected[k], std::fabs(expected[k]) * 1e-6 + 1e-12)
            << what << " component " << k;
    }
}

TEST(Interaction, EqualChargesPushApartAndArrowsPointAway) {
    Scene scene = makeScene({{0, 0, 0}, {10, 0, 0}}, {1, 1});
    scene.run();
    expectVector(scene.push[0], {-0.0001f, 0, 0}, "push 0");
    expectVector(scene.push[1], {0.0001f, 0, 0}, "push 1");
    expectVector(scene.arrow[0], {-0.5f, 0, 0}, "arrow 0");
    expectVector(scene.arrow[1], {0.5f, 0, 0}, "arrow 1");
}

TEST(Interaction, OppositeChargesPullTogetherAndNegativeArrowIsReversed) {
    Scene scene = makeScene({{0, 0, 0}, {3, 4, 0}}, {2, -1});
    scene.run();
    expectVector(scene.push[0], {0.00024f, 0.00032f, 0}, "push 0");
    expectVector(scene.push[1], {-0.00024f, -0.00032f, 0}, "push 1");
    expectVector(scene.arrow[0], {0.6f, 0.8f, 0}, "arrow 0");
    expectVector(scene.arrow[1], {-1.2f, -1.6f, 0}, "arrow 1");
}

TEST(Interaction, LoneSphereFeelsNothing) {
    Scene scene = makeScene({{12, -3, 40}}, {-2});
    scene.run();
    expectVector(scene.push[0], {0, 0, 0}, "push");
    expectVector(scene.arrow[0], {0, 0, 0}, "arrow");
}

TEST(Interaction, NoSpheresWritesNothing) {
    std::array<float, 3> push{7, 7, 7}, arrow{7, 7, 7};
    interact({nullptr, nullptr, 0, 10, 5}, {reinterpret_cast<float(*)[3]>(push.data()),
                                            reinterpret_cast<float(*)[3]>(arrow.data())});
    EXPECT_EQ(arrow, (std::array<float, 3>{7, 7, 7}));
    EXPECT_EQ(push, (std::array<float, 3>{7, 7, 7}));
}

TEST(Interaction, CoincidentSpheresIgnoreEachOtherButFeelTheRest) {
    // Spheres 0 and 1 share a point: 0/0 would make every later field NaN.
    Scene scene = makeScene({{5, 5, 5}, {5, 5, 5}, {15, 5, 5}}, {1, -1, 1});
    scene.run();
    for (const auto& rows : {scene.push, scene.arrow}) {
        for (const auto& row : rows) {
            for (float v : row) {
                EXPECT_TRUE(std::isfinite(v));
            }
        }
    }
    // Each of the pair feels only sphere 2; sphere 2 feels both, and they cancel.
    expectVector(scene.arrow[0], {-0.5f, 0, 0}, "arrow 0");
    expectVector(scene.arrow[1], {0.5f, 0, 0}, "arrow 1");
    expectVector(scene.push[2], {0, 0, 0}, "push 2");
}

TEST(Interaction, StrengthScalesPushesOnlyAndArrowScaleArrowsOnly) {
    Scene base = makeScene({{0, 0, 0}, {3, 4, 0}, {-7, 2, 9}, {1, -20, 3}}, {2, -1, 1, -2});
    base.run();
    Scene stronger = base;
    stronger.fieldAdjuster *= 2;
    stronger.run();
    Scene longer = base;
    longer.arrowLengthener *= 2;
    longer.run();
    for (std::size_t i = 0; i < base.position.size(); ++i) {
        for (int k = 0; k < 3; ++k) {
            // Doubling is exact in binary, so the figures double bit for bit.
            EXPECT_EQ(stronger.push[i][k], 2 * base.push[i][k]);
            EXPECT_EQ(stronger.arrow[i][k], base.arrow[i][k]);
            EXPECT_EQ(longer.arrow[i][k], 2 * base.arrow[i][k]);
            EXPECT_EQ(longer.push[i][k], base.push[i][k]);
        }
    }
}

} // namespace
