#pragma once

// The QF8200Echo window's layout rules that follow from a list's choice,
// apart from the widgets they are applied to.
namespace EchoLayout {

// The fields a switch output's operating mode uses (positions of
// cmbOPMode1/2): the switch point (0) has no second switch point, the
// hysteresis mode (2) no separate hysteresis.
struct OutputFields {
    bool secondPoint = true;
    bool hysteresis = true;
};
OutputFields OperatingModeFields(int position);

// The fields of an evaluation method (item data of cmbEvalMethod): the
// low-pass (2) its weight, the mean (3) its counts M and N.
struct MethodFields {
    bool weight = false;
    bool counts = false;
};
MethodFields EvalMethodFields(int itemData);

}  // namespace EchoLayout
