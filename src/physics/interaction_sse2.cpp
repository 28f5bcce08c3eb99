// The vectorised interaction, 4 lanes, built for SSE2.
#include "interaction_lanes.h"

void interact_sse2(const InteractionInput& in, const InteractionOutput& out,
                   const PositionColumns& columns);

void interact_sse2(const InteractionInput& in, const InteractionOutput& out,
                   const PositionColumns& columns) {
    interactLanes<4>(in, out, columns);
}
