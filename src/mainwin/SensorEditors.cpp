#include "mainwin/SensorEditors.h"

#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"

void RegisterSensorEditors() {
    RegisterQF8200Editor();
    RegisterQF8200RDXEditor();
}
