// A long run at the sphere limit with a random stream of control actions, extreme values
// included, checking the simulation's invariants after every frame. Bounded by
// BRELLUM_SOAK_SECONDS (30 by default; set it higher for a longer run).
#include "simulation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>

namespace {

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

double soakSeconds() {
    const char* value = std::getenv("BRELLUM_SOAK_SECONDS");
    return value != nullptr ? std::atof(value) : 30.0;
}

// Values a user, a script or a broken control might send to a float action.
float nastyFloat(std::mt19937& rng) {
    const float values[] = {0.0f, -1.0f, -250.0f, 1e-30f, 1e-45f, 1e10f, 3e38f, -3e38f,
                            std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(), std::nanf(""), 5.0f, 10.0f,
                            100.0f, 2.5f};
    return values[rng() % std::size(values)];
}

void applyRandomAction(Simulation& sim, std::mt19937& rng) {
    switch (rng() % 8) {
    case 0:
        sim.numberAdjust(static_cast<int>(rng() % 411) - 10);  // -10 .. 400
        break;
    case 1:
        sim.arrowLength(nastyFloat(rng));
        break;
    case 2:
        sim.fieldAdjust(nastyFloat(rng));
        break;
    case 3:
        sim.radiusAdjust(nastyFloat(rng));
        break;
    case 4:
        sim.toggleCameraFollow(static_cast<int>(rng() % 3));
        break;
    case 5:
        sim.toggleColorMapping(static_cast<int>(rng() % 3));
        break;
    case 6:
        sim.resetMomenta();
        break;
    default:
        sim.numberAdjust(300);
        break;
    }
}

::testing::AssertionResult invariantsHold(const Simulation& sim) {
    const int count = sim.numberOfSpheres;
    if (count < 1 || count > 300 || static_cast<std::size_t>(count) != sim.sphereArray.size()) {
        return ::testing::AssertionFailure() << "count " << count << " list "
                                             << sim.sphereArray.size();
    }
    if (sim.sphereToFollow < 0 || sim.sphereToFollow >= count) {
        return ::testing::AssertionFailure() << "followed sphere " << sim.sphereToFollow;
    }
    const float half = sim.boxWidth / 2;
    for (const QVSphere& s : sim.sphereArray) {
        for (const float c : {s.x(), s.y(), s.z()}) {
            if (!std::isfinite(c) || c < -half || c > half) {
                return ::testing::AssertionFailure() << "coordinate " << c;
            }
        }
        for (const float p : {s.px(), s.py(), s.pz()}) {
            if (!std::isfinite(p)) {
                return ::testing::AssertionFailure() << "momentum " << p;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(Soak, ThreeHundredSpheresAndRandomActionsKeepEveryInvariant) {
    std::mt19937 rng(7);
    Simulation sim;
    sim.numberAdjust(300);
    for (int warmUp = 0; warmUp < 2000; ++warmUp) {
        sim.step();
        applyRandomAction(sim, rng);
    }
    sim.numberAdjust(300);
    const long memoryBefore = residentKilobytes();
    const auto start = std::chrono::steady_clock::now();
    const double seconds = soakSeconds();
    long frames = 0, actions = 0;
    while (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() <
           seconds) {
        for (int burst = 0; burst < 1000; ++burst, ++frames) {
            sim.step();
            if (rng() % 40 == 0) {
                applyRandomAction(sim, rng);
                ++actions;
            }
            ASSERT_TRUE(invariantsHold(sim)) << "after frame " << frames;
        }
    }
    const long memoryGrowth = residentKilobytes() - memoryBefore;
    std::printf("soak: %ld frames, %ld actions, %.0f s, memory growth %ld kB\n", frames, actions,
                seconds, memoryGrowth);
    EXPECT_LT(memoryGrowth, 1024) << "kB";
    EXPECT_GT(frames, 10000);
}

} // namespace
