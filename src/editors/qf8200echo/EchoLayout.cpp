#include "editors/qf8200echo/EchoLayout.h"

namespace EchoLayout {

OutputFields OperatingModeFields(int position) { return {position != 0, position != 2}; }

MethodFields EvalMethodFields(int itemData) { return {itemData == 2, itemData == 3}; }

}  // namespace EchoLayout
