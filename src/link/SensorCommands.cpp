#include "link/SensorCommands.h"

#include "frame/Message.h"
#include "link/MainWindowServices.h"
#include "link/MasterWindow.h"
#include "link/Sensor.h"
#include "link/SensorDetection.h"
#include "link/SensorEditor.h"
#include "link/SensorRequest.h"
#include "link/SensorState.h"
#include "platform/Hourglass.h"


namespace {

const int MessageNoMasterMode = 9;

}  // namespace

namespace Sensor {

void SensorSetDefaults(bool send) {
    Hourglass hourglass;
    if (send)
        SendLoggedRequest(QStringLiteral("DEF"));  // the answer is not examined
    SettlePause();
    if (SensorEditor* editor = State().SensorForm) {
        try {
            editor->SetDefaults();
        } catch (...) {
            // errors of the editor's finishing step are ignored
        }
    }
    DetectSensor();
}

void RecallUserConfig(bool send) {
    if (send)
        SendLoggedRequest(QStringLiteral("RUC"));
    SettlePause();
    DetectSensor();
}

void StoreUserConfig() { SendLoggedRequest(QStringLiteral("SUC")); }

void StartMasterMode(QString& mode) {
    SensorStateData& s = State();
    if (!s.MasterForm) {
        ShowMessage(MessageNoMasterMode);
        return;
    }
    s.MasterArg = mode;
    if (!s.SensorFormName.isEmpty() && !MainWindow().PollTimerRunning())
        s.MasterForm->Start(s.MasterArg);
    else
        s.MasterRequest = true;
}

void SetSensorCaption(SensorEditor& window) {
    const SensorStateData& s = State();
    QString caption = s.SensorType;
    if (s.OfflineMode)
        caption += QStringLiteral(" (") + s.DataFileName + QLatin1Char(')');
    window.SetCaption(caption);
}

void SensorWriteData(std::optional<int> target, std::optional<QVariant> second) {
    SensorStateData& s = State();
    if (target) {
        SetParameter(QStringLiteral("VER"), s.VerAnswer, target);
        SetParameter(QStringLiteral("DAT"), s.DatAnswer, target);
        SetParameter(QStringLiteral("ID"), s.IdAnswer, target);
        s.DataChanged = false;
    }
    if (s.SensorForm)
        s.SensorForm->WriteData(target, second);
}

void SensorReadData(std::optional<int> source) {
    if (SensorEditor* editor = State().SensorForm)
        editor->readdata(source);
}

}  // namespace Sensor
