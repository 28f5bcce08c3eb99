#pragma once
// What an action reads from the control that sent it, the way a desktop control hands out its
// value: as a float, as a whole number, or as an on/off state.
class QAbstractSlider;
class QObject;

struct ControlValue {
    float floatValue = 0;
    int intValue = 0;
    int state = 0;  // 0 is off; any other state counts as on
};

// A slider's value divided by its "valueScale" property (1 when unset): what its readout shows
// and what its action receives.
double sliderValue(const QAbstractSlider* slider);

// Reads a slider (its value divided by its "valueScale" property, 1 when unset), a spin box,
// or a check box or button (its check state: 0, 1 for partly, 2 for checked).
ControlValue readControl(const QObject* sender);
