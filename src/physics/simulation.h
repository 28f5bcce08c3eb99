#pragma once
// The whole simulation state that the window owns, without any windowing or drawing: the
// sphere list, the tuning values the controls change, the camera switches and counter, and the
// per-sphere arrow table. The window and brellum-sim both run this one, so they behave alike.
#include "QVSphere.h"
#include "interaction.h"

#include <vector>

inline constexpr int maxSpheres = 300;  // the size of every per-sphere table
inline constexpr int minSpheres = 1;    // the camera reads a sphere in every frame

class Simulation {
public:
    // 100 spheres placed by the position generator, then the starting tuning values.
    Simulation();

    std::vector<QVSphere> sphereArray;  // creation order: sphere i is entry i
    float boxWidth = 0;
    float stepsToGo = 0;
    float arrowLengthener = 0;
    float sphereRadius = 0;
    float arrowHead[maxSpheres][3] = {};
    float fieldAdjuster = 0;
    int numberOfSpheres = 0;
    int sphereToFollow = 0;
    bool chaseSphere = false;
    bool colorMapping = false;
    // The interaction kernel; every kernel gives the same numbers bit for bit.
    InteractionFunction kernel = interact;

    // Adds this frame's push to every momentum and writes every sphere's arrow.
    void calculateInteractiveForces();
    // One motion step for every sphere, in list order, with reflection at the walls.
    void moveSpheres();
    // The physics of one frame: the interaction, then the motion.
    void step();

    // The tuning values, as the controls set them. A NaN or an infinity would poison every
    // momentum for the rest of the run, so such a value is not taken; zero, negative and huge
    // values are.
    void arrowLength(float value);
    void fieldAdjust(float value);
    void radiusAdjust(float value);

    // The sphere count becomes `requested`, clamped to minSpheres..maxSpheres. Growing appends
    // new spheres; otherwise the followed sphere is picked anew among those that stay (with the
    // C library's rand()) and the last spheres are removed.
    void numberAdjust(int requested);
    // Any state but 0 starts a chase of a sphere picked with rand(), gliding from the home view.
    void toggleCameraFollow(int state);
    void toggleColorMapping(int state) { colorMapping = state != 0; }
    void resetMomenta();

    const QVSphere& followedSphere() const { return sphereArray[sphereToFollow]; }

private:
    static QVSphere newSphere();
};
