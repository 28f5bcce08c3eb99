// The vectorised interaction, 16 lanes, built for AVX512.
#include "interaction_lanes.h"

void interact_avx512(const InteractionInput& in, const InteractionOutput& out,
                     const PositionColumns& columns);

void interact_avx512(const InteractionInput& in, const InteractionOutput& out,
                     const PositionColumns& columns) {
    interactLanes<16>(in, out, columns);
}
