#pragma once

// The QF8200 window's layout rules that follow from a list's choice or a
// record's state, apart from the widgets they are applied to.
namespace QF8200Layout {

// The row (1 to 3, 0 = hidden) of each evaluation-method field for an entry
// of cmbEvalMethod (0 none, 1 dynamic, 2 low-pass, 3 mean).
struct MethodRows {
    int diff = 0;
    int weight = 0;
    int threshold = 0;
    int mCount = 0;
    int nCount = 0;
};
MethodRows EvalMethodRows(int method);

// The fields an output's operating mode uses: the switch point mode (0) has
// no second switch point, the hysteresis mode (3) no separate hysteresis.
struct OutputFields {
    bool secondPoint = true;
    bool hysteresis = true;
};
OutputFields OperatingModeFields(int mode);

// Entry 1 of cmbUseDip: the DIP switches set the outputs, their fields are greyed.
bool OutputFieldsEditable(int useDipIndex);

// The fault current exists with an analogue output and a fault behaviour
// other than 0.
bool FailCurrentEnabled(bool hasAnalog, int failSafeMode);

}  // namespace QF8200Layout
