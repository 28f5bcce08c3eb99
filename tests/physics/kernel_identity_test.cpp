// Every vectorised kernel must give exactly the reference's bits: same pushes, same arrows, for
// any count (lane tails included), coincident spheres, spheres on the walls, any strength.
#include "interaction.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

struct Case {
    std::vector<float> position;
    std::vector<float> charge;
    float strength = 10;
    float arrowScale = 5;
};

Case randomCase(std::size_t count, std::mt19937& rng) {
    std::uniform_real_distribution<float> anywhere(-50, 50);
    std::uniform_int_distribution<int> pick(0, 9);
    const int charges[] = {-2, -1, 1, 2};
    Case c;
    for (std::size_t i = 0; i < count; ++i) {
        float p[3];
        for (float& v : p) {
            const int kind = pick(rng);
            // Whole numbers and the walls are where the program's spheres really sit.
            v = kind == 0 ? 50.0f : kind == 1 ? -50.0f : kind < 5 ? std::round(anywhere(rng)) : anywhere(rng);
        }
        if (i > 0 && pick(rng) == 0) {  // share a point with an earlier sphere
            std::memcpy(p, &c.position[3 * (rng() % i)], sizeof p);
        }
        c.position.insert(c.position.end(), p, p + 3);
        c.charge.push_back(static_cast<float>(charges[rng() % 4]));
    }
    return c;
}

std::pair<std::vector<float>, std::vector<float>> run(const Case& c, InteractionFunction kernel) {
    std::vector<float> push(c.position.size(), -7), arrow(c.position.size(), -7);
    kernel({reinterpret_cast<const float(*)[3]>(c.position.data()), c.charge.data(),
            c.charge.size(), c.strength, c.arrowScale},
           {reinterpret_cast<float(*)[3]>(push.data()), reinterpret_cast<float(*)[3]>(arrow.data())});
    return {push, arrow};
}

bool sameBits(const std::vector<float>& a, const std::vector<float>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

TEST(KernelIdentity, EveryKernelMatchesTheReferenceBitForBit) {
    std::mt19937 rng(2024);
    const std::vector<InteractionKernel>& kernels = interactionKernels();
    ASSERT_GE(kernels.size(), 2u);
    const float strengths[] = {10, 0, -35.5f, 1e-3f, 97.25f};
    for (const std::size_t count : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 100, 299, 300}) {
        for (int trial = 0; trial < 3; ++trial) {
            Case c = randomCase(count, rng);
            c.strength = strengths[(count + trial) % 5];
            c.arrowScale = trial == 2 ? -2.5f : 5.0f;
            const auto expected = run(c, interactReference);
            for (const InteractionKernel& kernel : kernels) {
                const auto actual = run(c, kernel.run);
                EXPECT_TRUE(sameBits(actual.first, expected.first))
                    << kernel.name << " pushes differ at count " << count;
                EXPECT_TRUE(sameBits(actual.second, expected.second))
                    << kernel.name << " arrows differ at count " << count;
            }
        }
    }
}

TEST(KernelIdentity, TheSimulationRunsAVectorisedKernel) {
    EXPECT_NE(fastestInteraction(), interactReference);
}

} // namespace
