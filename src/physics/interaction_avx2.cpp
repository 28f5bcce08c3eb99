// The vectorised interaction, 8 lanes, built for AVX2.
#include "interaction_lanes.h"

void interact_avx2(const InteractionInput& in, const InteractionOutput& out,
                   const PositionColumns& columns);

void interact_avx2(const InteractionInput& in, const InteractionOutput& out,
                   const PositionColumns& columns) {
    interactLanes<8>(in, out, columns);
}
