#pragma once
// One charged sphere: a position inside the box (origin at its centre), a momentum that is
// the displacement of one motion step, and a whole-number charge.

// The largest momentum a sphere can hold on any axis, in box units per frame. Ordinary runs come
// nowhere near it (their momenta stay below one unit); a huge interaction strength could
// otherwise push a momentum to infinity, and the next opposite infinity would make it NaN.
inline constexpr float momentumLimit = 1.0e6f;

class QVSphere {
public:
    // Places the sphere on a whole-number point drawn from the position generator and draws a
    // charge between -chargeMaxIN and +chargeMaxIN from the C library's random(); zero charges
    // are drawn again unless neutralFlagIN allows them. Starts at rest: momentumIN has no effect.
    QVSphere(int chargeMaxIN, float sideIN, float momentumIN, bool neutralFlagIN);

    void setX(float Xin, float Yin, float Zin, float Pxin, float Pyin, float Pzin);
    // Adds a push to the momentum, which stays within +-momentumLimit.
    void addForceX(float xForce, float yForce, float zForce);
    void setCharge(float chargeIn) { electricCharge_ = chargeIn; }
    void resetMomenta();

    // Truncates toward zero, like any float-to-int conversion.
    int electricCharge() const { return static_cast<int>(electricCharge_); }
    float x() const { return x_; }
    float y() const { return y_; }
    float z() const { return z_; }
    float px() const { return px_; }
    float py() const { return py_; }
    float pz() const { return pz_; }

    // One motion step: move by the momentum, then put any coordinate that left the box back on
    // the wall it crossed and reverse that axis's momentum.
    void animateOneFrame(float boxWidth);

private:
    float x_ = 0, y_ = 0, z_ = 0;
    float px_ = 0, py_ = 0, pz_ = 0;
    float electricCharge_ = 0;
};
