#include "camera_orbit.h"

#include <algorithm>
#include <cmath>

void CameraOrbit::orbitBy(double yawDegrees, double pitchDegrees) {
    yaw_ = std::remainder(yaw_ + yawDegrees, 360.0);
    pitch_ = std::clamp(pitch_ + pitchDegrees, -maxPitch, maxPitch);
}

void CameraOrbit::zoomBy(double steps) {
    distance_ = std::clamp(distance_ * std::pow(0.9, steps), minDistance, maxDistance);
}

void CameraOrbit::reset() { *this = CameraOrbit{}; }

CameraPose CameraOrbit::homeView() const {
    if (isWrittenHome()) {
        return writtenHomeView;
    }
    const double yaw = yaw_ * M_PI / 180.0;
    const double pitch = pitch_ * M_PI / 180.0;
    // Yaw turns the +x eye towards -z (to the right, seen from above), pitch lifts it.
    CameraPose pose{};
    pose.eye[0] = static_cast<float>(distance_ * std::cos(pitch) * std::cos(yaw));
    pose.eye[1] = static_cast<float>(distance_ * std::sin(pitch));
    pose.eye[2] = static_cast<float>(-distance_ * std::cos(pitch) * std::sin(yaw));
    return pose;
}
