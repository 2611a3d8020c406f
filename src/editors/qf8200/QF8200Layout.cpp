#include "editors/qf8200/QF8200Layout.h"

namespace QF8200Layout {

MethodRows EvalMethodRows(int method) {
    MethodRows rows;
    switch (method) {
    case 1:
        rows.diff = 1;
        break;
    case 2:
        rows.weight = 1;
        rows.diff = 2;
        rows.threshold = 3;
        break;
    case 3:
        rows.mCount = 1;
        rows.nCount = 2;
        break;
    default:
        break;
    }
    return rows;
}

OutputFields OperatingModeFields(int mode) { return {mode != 0, mode != 3}; }

bool OutputFieldsEditable(int useDipIndex) { return useDipIndex != 1; }

bool FailCurrentEnabled(bool hasAnalog, int failSafeMode) { return hasAnalog && failSafeMode != 0; }

}  // namespace QF8200Layout
