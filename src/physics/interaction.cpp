#include "interaction.h"

namespace {

float fieldMultiplierFor(float fieldAdjuster) {
    return static_cast<float>(fieldAdjuster / -10000.0);
}

} // namespace

void interactReference(const InteractionInput& in, const InteractionOutput& out) {
    const float fieldMultiplier = fieldMultiplierFor(in.fieldAdjuster);
    for (std::size_t i = 0; i < in.count; ++i) {
        float field[3] = {0, 0, 0};
        for (std::size_t j = 0; j < in.count; ++j) {
            if (j == i) {
                continue;
            }
            float distance[3];
            float distanceSquared = 0;
            for (int k = 0; k < 3; ++k) {
                distance[k] = in.position[i][k] - in.position[j][k];
                distanceSquared = distanceSquared + distance[k] * distance[k];
            }
            if (distanceSquared == 0) {
                continue;
            }
            for (int k = 0; k < 3; ++k) {
                field[k] = field[k] + (in.charge[j] * distance[k]) / distanceSquared;
            }
        }
        for (int k = 0; k < 3; ++k) {
            out.push[i][k] =
                static_cast<float>(((in.charge[i] * -1.0) * fieldMultiplier) * field[k]);
            out.arrow[i][k] = in.arrowLengthener * field[k];
            if (in.charge[i] < 0) {
                out.arrow[i][k] = -out.arrow[i][k];
            }
        }
    }
}

void interact(const InteractionInput& in, const InteractionOutput& out) {
    interactReference(in, out);
}
