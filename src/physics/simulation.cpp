#include "simulation.h"

#include "interaction.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

QVSphere Simulation::newSphere() { return QVSphere(2, 100.0f, 1.0f, false); }

Simulation::Simulation() {
    numberOfSpheres = 100;
    sphereArray.reserve(maxSpheres);
    for (int i = 0; i < numberOfSpheres; ++i) {
        sphereArray.push_back(newSphere());
    }
    boxWidth = 100;
    stepsToGo = 200;
    arrowLengthener = 5;
    fieldAdjuster = 10;
    sphereRadius = 1;
    colorMapping = false;
}

void Simulation::calculateInteractiveForces() {
    const std::size_t count = std::min<std::size_t>(sphereArray.size(), maxSpheres);
    float position[maxSpheres][3];
    float charge[maxSpheres];
    float push[maxSpheres][3];
    for (std::size_t i = 0; i < count; ++i) {
        const QVSphere& sphere = sphereArray[i];
        position[i][0] = sphere.x();
        position[i][1] = sphere.y();
        position[i][2] = sphere.z();
        charge[i] = static_cast<float>(sphere.electricCharge());
    }
    kernel({position, charge, count, fieldAdjuster, arrowLengthener}, {push, arrowHead});
    for (std::size_t i = 0; i < count; ++i) {
        sphereArray[i].addForceX(push[i][0], push[i][1], push[i][2]);
    }
}

void Simulation::moveSpheres() {
    for (QVSphere& sphere : sphereArray) {
        sphere.animateOneFrame(boxWidth);
    }
}

void Simulation::step() {
    calculateInteractiveForces();
    moveSpheres();
}

namespace {

void storeFinite(float& field, float value) {
    if (std::isfinite(value)) {
        field = value;
    }
}

} // namespace

void Simulation::arrowLength(float value) { storeFinite(arrowLengthener, value); }
void Simulation::fieldAdjust(float value) { storeFinite(fieldAdjuster, value); }
void Simulation::radiusAdjust(float value) { storeFinite(sphereRadius, value); }

void Simulation::numberAdjust(int requested) {
    const int newNumberOfSpheres = std::clamp(requested, minSpheres, maxSpheres);
    if (newNumberOfSpheres > numberOfSpheres) {
        for (int added = numberOfSpheres; added < newNumberOfSpheres; ++added) {
            sphereArray.push_back(newSphere());
        }
    } else {
        // Picked before the removals and from the new count, so the followed sphere stays.
        sphereToFollow = rand() % newNumberOfSpheres;
        sphereArray.erase(sphereArray.begin() + newNumberOfSpheres, sphereArray.end());
    }
    numberOfSpheres = newNumberOfSpheres;
}

void Simulation::toggleCameraFollow(int state) {
    if (state == 0) {
        chaseSphere = false;
        return;
    }
    chaseSphere = true;
    sphereToFollow = static_cast<int>(static_cast<unsigned>(rand()) % sphereArray.size());
    stepsToGo = 200;
}

void Simulation::resetMomenta() {
    for (QVSphere& sphere : sphereArray) {
        sphere.resetMomenta();
    }
}
