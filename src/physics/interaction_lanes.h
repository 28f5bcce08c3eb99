#pragma once
// The interaction vectorised across spheres i: each lane holds one sphere and sums the other
// spheres j in index order with exactly the scalar operations of the reference, so every lane
// rounds as the plain loop does and the results are bit for bit the same. Pairs to skip (j = i,
// or two spheres at one point) are masked out rather than branched around.
//
// Included by one source file per instruction set, each built with its own flags. Everything
// here has internal linkage and no library template is used, so no code built for a wider
// instruction set can stand in for code that the baseline runs.
#include "interaction_finish.h"

#include <cstddef>

namespace {

template <int Lanes> struct LaneTypes {
    typedef float Floats __attribute__((vector_size(sizeof(float) * Lanes)));
    typedef int Ints __attribute__((vector_size(sizeof(int) * Lanes)));
};

template <int Lanes>
void interactLanes(const InteractionInput& in, const InteractionOutput& out,
                   const PositionColumns& columns) {
    static_assert(widestLanes % Lanes == 0);
    using Floats = typename LaneTypes<Lanes>::Floats;
    using Ints = typename LaneTypes<Lanes>::Ints;
    const std::size_t n = in.count;
    const float fieldMultiplier = fieldMultiplierFor(in.fieldAdjuster);
    Ints laneOffset;
    for (int lane = 0; lane < Lanes; ++lane) {
        laneOffset[lane] = lane;
    }
    for (std::size_t i0 = 0; i0 < n; i0 += Lanes) {
        Floats xi, yi, zi;
        __builtin_memcpy(&xi, &columns.x[i0], sizeof xi);
        __builtin_memcpy(&yi, &columns.y[i0], sizeof yi);
        __builtin_memcpy(&zi, &columns.z[i0], sizeof zi);
        const Ints laneIndex = laneOffset + static_cast<int>(i0);
        Floats fx = {}, fy = {}, fz = {};
        for (std::size_t j = 0; j < n; ++j) {
            const float qj = in.charge[j];
            const Floats dx = xi - columns.x[j];
            const Floats dy = yi - columns.y[j];
            const Floats dz = zi - columns.z[j];
            // 0 + dx*dx is dx*dx exactly, so the scalar loop's running sum starts here.
            Floats distanceSquared = dx * dx;
            distanceSquared = distanceSquared + dy * dy;
            distanceSquared = distanceSquared + dz * dz;
            const Ints keep = (laneIndex != static_cast<int>(j)) & (distanceSquared != 0);
            fx = keep ? fx + (qj * dx) / distanceSquared : fx;
            fy = keep ? fy + (qj * dy) / distanceSquared : fy;
            fz = keep ? fz + (qj * dz) / distanceSquared : fz;
        }
        for (int lane = 0; lane < Lanes && i0 + lane < n; ++lane) {
            const float field[3] = {fx[lane], fy[lane], fz[lane]};
            finishSphere(in, out, i0 + lane, field, fieldMultiplier);
        }
    }
}

} // namespace
