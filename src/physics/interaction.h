#pragma once
// The pairwise interaction of one frame, on flat copies of the spheres' positions and charges.
//
// For every sphere i the field of all the others is summed at its centre,
//   F_i = sum over j != i of q_j (p_i - p_j) / |p_i - p_j|^2,
// every product, quotient and sum rounded to float in that order. The push on sphere i is
// q_i * (fieldAdjuster / 10000) * F_i, formed in double and rounded once; its arrow is
// arrowLengthener * F_i, reversed for a negative charge so that it points the way of the push.
//
// Two spheres at the same point have no direction between them: such a pair adds nothing to
// either field, so no NaN can enter a momentum.
#include <cstddef>
#include <vector>

struct InteractionInput {
    const float (*position)[3];
    const float* charge;
    std::size_t count;
    float fieldAdjuster;
    float arrowLengthener;
};

struct InteractionOutput {
    float (*push)[3];   // count rows written
    float (*arrow)[3];  // count rows written
};

// The plain loop, one ordered pair at a time: the reference every faster kernel must match
// bit for bit.
void interactReference(const InteractionInput& in, const InteractionOutput& out);

// The kernel the simulation runs: the fastest vectorised kernel this processor has, bit for
// bit the same as the reference.
void interact(const InteractionInput& in, const InteractionOutput& out);

using InteractionFunction = void (*)(const InteractionInput&, const InteractionOutput&);
struct InteractionKernel {
    const char* name;  // "reference", "sse2", "avx2", "avx512"
    InteractionFunction run;
};
// Every kernel this processor can run, the reference first and the widest last.
const std::vector<InteractionKernel>& interactionKernels();
// The kernel interact() runs.
InteractionFunction fastestInteraction();
