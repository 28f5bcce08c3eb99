#include "camera_glide.h"

#include <cmath>

namespace {

constexpr float scaleBack = 50;  // the chase eye's distance behind the sphere, in momenta

CameraPose chaseView(const float thing[3], const float momentum[3]) {
    CameraPose pose{};
    for (int i = 0; i < 3; ++i) {
        pose.eye[i] = thing[i] - scaleBack * momentum[i];
        pose.center[i] = thing[i];
    }
    return pose;
}

CameraPose glideView(float s, const float thing[3], const float momentum[3],
                     const CameraPose& home) {
    CameraPose pose{};
    for (int i = 0; i < 3; ++i) {
        const float endPoint = thing[i] - scaleBack * momentum[i];
        // The factor, the product and the outer difference in double, rounded once.
        pose.eye[i] = static_cast<float>(endPoint - (endPoint - home.eye[i]) * (s / 200.0));
        pose.center[i] = static_cast<float>(thing[i] - (thing[i] - home.center[i]) * (s / 200.0));
    }
    return pose;
}

} // namespace

CameraPose cameraPoseForFrame(bool chaseSphere, float& stepsToGo, const float thing[3],
                              const float momentum[3], const CameraPose& home) {
    if (chaseSphere) {
        if (stepsToGo > 0) {
            stepsToGo -= 1;
        }
        return stepsToGo < 1 ? chaseView(thing, momentum) : glideView(stepsToGo, thing, momentum, home);
    }
    if (stepsToGo < glideFrames) {
        stepsToGo += 1;
        return glideView(stepsToGo, thing, momentum, home);
    }
    return home;
}

ViewDirectionGuard::LookAt ViewDirectionGuard::lookAt(const CameraPose& pose) {
    LookAt result{};
    double direction[3];
    for (int i = 0; i < 3; ++i) {
        result.eye[i] = pose.eye[i];
        result.center[i] = pose.center[i];
        direction[i] = static_cast<double>(pose.center[i]) - pose.eye[i];
    }
    result.up[1] = 1;
    // The direction is usable when it has a part across the up vector (y): that also rules out
    // an eye on the look-at point.
    const bool usable = std::isfinite(direction[0] + direction[1] + direction[2]) &&
                        (direction[0] != 0 || direction[2] != 0);
    if (usable) {
        for (int i = 0; i < 3; ++i) {
            lastDirection_[i] = direction[i];
        }
    } else {
        for (int i = 0; i < 3; ++i) {
            result.center[i] = result.eye[i] + lastDirection_[i];
        }
    }
    return result;
}
