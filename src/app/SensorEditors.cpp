#include "app/SensorEditors.h"

#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "mainwin/RegisterMasterWindows.h"

void RegisterSensorEditors() {
    RegisterQF8200Editor();
    RegisterQF8200EchoEditor();
    RegisterQF8200RDXEditor();
    RegisterQT8200Editor();
    RegisterMasterWindows();
}
