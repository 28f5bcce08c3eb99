#pragma once
// The user's orbit and zoom around the centre of the box, which move the home view. With no
// orbit and no zoom the home view is exactly the written one: eye (100, 0, 0), looking at the
// centre.
#include "camera_glide.h"

class CameraOrbit {
public:
    // Turns the eye about the vertical axis (yaw) and up or down (pitch), in degrees. The pitch
    // stops short of the poles, where the up vector would lie along the viewing direction.
    void orbitBy(double yawDegrees, double pitchDegrees);
    // Moves the eye nearer (positive steps) or farther; each step is 10 %. The distance stays
    // between 20 and 180 box units, inside the projection's far plane with the whole box.
    void zoomBy(double steps);
    void reset();
    bool isWrittenHome() const { return yaw_ == 0 && pitch_ == 0 && distance_ == 100; }

    CameraPose homeView() const;
    double yawDegrees() const { return yaw_; }
    double pitchDegrees() const { return pitch_; }
    double distance() const { return distance_; }

    static constexpr double maxPitch = 85;
    static constexpr double minDistance = 20;
    static constexpr double maxDistance = 180;

private:
    double yaw_ = 0;
    double pitch_ = 0;
    double distance_ = 100;
};
