#include "QVSphere.h"

#include "random_source.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

float drawCoordinate(float sideIN) {
    // A side below 1 would make the modulus zero; one unit is the smallest box there is.
    const std::int32_t side = std::max(static_cast<std::int32_t>(sideIN), std::int32_t{1});
    const std::uint32_t r = random_draw() % static_cast<std::uint32_t>(side);
    // r - side/2 in double, rounded once: whole numbers from -side/2 up to side/2 - 1.
    return static_cast<float>(static_cast<float>(r) - sideIN / 2.0);
}

// Wall test of one axis; a coordinate exactly on the wall is still inside.
void reflect(float& coordinate, float& momentum, float minimum, float maximum) {
    if (coordinate > maximum || coordinate < minimum) {
        momentum = -momentum;
        coordinate = coordinate > maximum ? maximum : minimum;
    }
}

} // namespace

QVSphere::QVSphere(int chargeMaxIN, float sideIN, float /*momentumIN*/, bool neutralFlagIN) {
    // Without neutral charges a range of 0 could only ever draw 0, and the redraw below would
    // never end: the smallest range that can give a charge is 1.
    chargeMaxIN = std::max(chargeMaxIN, neutralFlagIN ? 0 : 1);
    const int chargeNumber = 2 * chargeMaxIN + 1;

    const float newX = drawCoordinate(sideIN);
    const float newY = drawCoordinate(sideIN);
    const float newZ = drawCoordinate(sideIN);
    setX(newX, newY, newZ, 0, 0, 0);

    do {
        const int chargeSeed = static_cast<int>(random() % chargeNumber);
        setCharge(static_cast<float>(chargeSeed - chargeMaxIN));
    } while (!neutralFlagIN && electricCharge() == 0);
}

void QVSphere::setX(float Xin, float Yin, float Zin, float Pxin, float Pyin, float Pzin) {
    x_ = Xin;
    y_ = Yin;
    z_ = Zin;
    px_ = Pxin;
    py_ = Pyin;
    pz_ = Pzin;
}

void QVSphere::addForceX(float xForce, float yForce, float zForce) {
    px_ = std::clamp(px_ + xForce, -momentumLimit, momentumLimit);
    py_ = std::clamp(py_ + yForce, -momentumLimit, momentumLimit);
    pz_ = std::clamp(pz_ + zForce, -momentumLimit, momentumLimit);
}

void QVSphere::resetMomenta() { px_ = py_ = pz_ = 0; }

void QVSphere::animateOneFrame(float boxWidth) {
    const float maxBound = static_cast<float>(boxWidth / 2.0);
    const float minBound = static_cast<float>(-boxWidth / 2.0);
    x_ = x_ + px_;
    y_ = y_ + py_;
    z_ = z_ + pz_;
    reflect(x_, px_, minBound, maxBound);
    reflect(y_, py_, minBound, maxBound);
    reflect(z_, pz_, minBound, maxBound);
}
