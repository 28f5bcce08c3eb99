#pragma once
// The window's seven controls, as a contract of object names: which control drives which of
// the arena's actions. The .ui file does the wiring; this is what the program checks it for.
#include <QString>

class QWidget;

struct ControlBinding {
    const char* objectName;
    const char* className;  // the kind of control the action reads
    const char* slot;       // the arena's action, as the .ui names it
};

inline constexpr ControlBinding controlBindings[] = {
    {"arrowLengthSlider", "QAbstractSlider", "arrowLength()"},
    {"fieldStrengthSlider", "QAbstractSlider", "fieldAdjust()"},
    {"radiusSlider", "QAbstractSlider", "radiusAdjust()"},
    {"sphereCountSlider", "QAbstractSlider", "numberAdjust()"},
    {"chaseCameraCheckBox", "QCheckBox", "toggleCameraFollow()"},
    {"planetTexturesCheckBox", "QCheckBox", "toggleColorMapping()"},
    {"stopSpheresButton", "QAbstractButton", "resetMomenta()"},
};

// Checks that every control of the contract exists in the loaded `window`, is of its kind, and
// is wired to its action in the .ui at `uiPath`. Returns why not, naming the control, or an
// empty string.
QString checkControls(QWidget* window, const QString& uiPath);

// Keeps the label named by each slider's "readout" property showing the slider's value, scaled
// by its "valueScale" property and printed with its "decimals".
void bindReadouts(QWidget* window);
