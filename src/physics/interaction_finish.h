#pragma once
// The last step for one sphere, shared by every kernel: from its summed field to its push and
// its arrow.
#include "interaction.h"

// Positions as three columns, padded with zeros to a multiple of the widest lane count, so a
// block of lanes loads with one read per axis.
struct PositionColumns {
    const float* x;
    const float* y;
    const float* z;
};
inline constexpr int widestLanes = 16;

// Internal linkage: the per-instruction-set files include this too, and their copies must
// never stand in for the baseline one.
namespace {

inline float fieldMultiplierFor(float fieldAdjuster) {
    return static_cast<float>(fieldAdjuster / -10000.0);
}

inline void finishSphere(const InteractionInput& in, const InteractionOutput& out, std::size_t i,
                         const float field[3], float fieldMultiplier) {
    for (int k = 0; k < 3; ++k) {
        // ((q_i * -1) * multiplier) * field in double, rounded once.
        out.push[i][k] = static_cast<float>(((in.charge[i] * -1.0) * fieldMultiplier) * field[k]);
        out.arrow[i][k] = in.arrowLengthener * field[k];
        if (in.charge[i] < 0) {
            out.arrow[i][k] = -out.arrow[i][k];
        }
    }
}

} // namespace
