#include "arrow_geometry.h"

#include <cmath>

namespace {

constexpr float arrowLengthFactor = 0.8f;
constexpr float arrowWidthFactor = 0.5f;
constexpr float minArrowWidth = 0.04f;
constexpr float maxArrowWidth = 0.4f;

float bounded(float component) {
    if (component < minArrowWidth) {
        return minArrowWidth;
    }
    return component > maxArrowWidth ? maxArrowWidth : component;
}

void setVertex(float vertex[3], const float base[3], float sign, const float offset[3]) {
    for (int k = 0; k < 3; ++k) {
        vertex[k] = base[k] + sign * offset[k];
    }
}

void copyVertex(float vertex[3], const float from[3]) {
    for (int k = 0; k < 3; ++k) {
        vertex[k] = from[k];
    }
}

} // namespace

ArrowGeometry arrowGeometry(const float vector[3]) {
    ArrowGeometry arrow{};
    float vectorLength = 0;  // the squared length
    for (int k = 0; k < 3; ++k) {
        arrow.shaftEnd[k] = vector[k];
        vectorLength = vectorLength + vector[k] * vector[k];
        arrow.arrowBase[k] = arrowLengthFactor * vector[k];
    }
    const float crossA[3] = {vector[1], -vector[0], vector[2]};
    const float crossB[3] = {-vector[1], vector[0], vector[2]};
    float deltaAMagnitude = 0;
    float deltaBMagnitude = 0;
    for (int k = 0; k < 3; ++k) {
        arrow.deltaA[k] = vector[k] - crossA[k];
        arrow.deltaB[k] = vector[k] - crossB[k];
        deltaAMagnitude = deltaAMagnitude + arrow.deltaA[k] * arrow.deltaA[k];
        deltaBMagnitude = deltaBMagnitude + arrow.deltaB[k] * arrow.deltaB[k];
    }
    arrow.drawable = std::isfinite(vector[0]) && std::isfinite(vector[1]) && std::isfinite(vector[2]);
    // A length whose square overflows gets no head: its offsets would be infinity / infinity.
    arrow.hasHead = arrow.drawable && std::isfinite(vectorLength) &&
                    std::isfinite(deltaAMagnitude) && std::isfinite(deltaBMagnitude) &&
                    (vector[0] != 0 || vector[1] != 0);
    if (!arrow.hasHead) {
        return arrow;
    }
    for (int k = 0; k < 3; ++k) {
        // Left to right in double, the 100 and the square root being double; stored as float.
        arrow.deltaA[k] = bounded(static_cast<float>(arrowWidthFactor * (vectorLength / 100.0) *
                                                     arrow.deltaA[k] / std::sqrt(double{deltaAMagnitude})));
        arrow.deltaB[k] = bounded(static_cast<float>(arrowWidthFactor * (vectorLength / 100.0) *
                                                     arrow.deltaB[k] / std::sqrt(double{deltaBMagnitude})));
    }
    setVertex(arrow.faceA[0], arrow.arrowBase, 1, arrow.deltaA);
    setVertex(arrow.faceA[1], arrow.arrowBase, 1, arrow.deltaB);
    copyVertex(arrow.faceA[2], vector);
    setVertex(arrow.faceA[3], arrow.arrowBase, -1, arrow.deltaB);
    copyVertex(arrow.faceA[4], arrow.faceA[0]);

    setVertex(arrow.faceB[0], arrow.arrowBase, -1, arrow.deltaA);
    setVertex(arrow.faceB[1], arrow.arrowBase, 1, arrow.deltaB);
    copyVertex(arrow.faceB[2], vector);
    setVertex(arrow.faceB[3], arrow.arrowBase, -1, arrow.deltaB);
    copyVertex(arrow.faceB[4], arrow.faceB[0]);
    return arrow;
}
