#pragma once
// Where the camera stands and looks in one frame. It either shows the box from its home on the
// +x axis, or chases one sphere from behind along its motion, and glides linearly between the
// two over 200 frames, counted by stepsToGo (200: home, 0: chasing). The up vector is always +y.

struct CameraPose {
    float eye[3];
    float center[3];
};

inline constexpr float cameraHome[3] = {100, 0, 0};
inline constexpr float centerHome[3] = {0, 0, 0};
inline constexpr float glideFrames = 200;
inline constexpr CameraPose writtenHomeView = {{cameraHome[0], cameraHome[1], cameraHome[2]},
                                               {centerHome[0], centerHome[1], centerHome[2]}};

// Advances stepsToGo by one frame towards 0 (chasing) or 200 (not) and gives the pose of the
// frame, for the followed sphere at `thing` moving with `momentum`. `home` is where the camera
// rests and glides from and back to: the written home view unless the user has orbited.
CameraPose cameraPoseForFrame(bool chaseSphere, float& stepsToGo, const float thing[3],
                              const float momentum[3], const CameraPose& home = writtenHomeView);

// gluLookAt needs an eye apart from the look-at point and a viewing direction not along the up
// vector; a chased sphere at rest, or one moving straight up or down, gives neither. The guard
// keeps the eye where the pose puts it and looks along the last usable direction instead.
class ViewDirectionGuard {
public:
    struct LookAt {
        double eye[3];
        double center[3];
        double up[3];
    };
    LookAt lookAt(const CameraPose& pose);

private:
    double lastDirection_[3] = {-1, 0, 0};  // the home view's
};
