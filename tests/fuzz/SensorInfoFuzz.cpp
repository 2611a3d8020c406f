// The sensor's identification on any text: the answers to "ID", "VER" and
// "DAT" (one input line each, as a parameter file holds them) are taken
// apart as detection does, the editor and sensor range chosen from the type,
// the sensor-information items shown, and the whole input split as a typed
// command.
#include "FuzzSupport.h"

#include "link/EditorChoice.h"
#include "link/OfflineAnswers.h"
#include "link/SensorDetection.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"

#include <QVariant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromLatin1(Fuzz::Bytes(data, size));
    const QStringList answers = text.split(QLatin1Char('\n'));
    OfflineAnswers::Install({[&](int, const QString& key) {
                                 const qsizetype line = key == QLatin1String("ID") ? 0 : key == QLatin1String("VER") ? 1 : 2;
                                 return answers.value(line);
                             },
                             {}});
    Sensor::ResetStateForTests();
    Sensor::ReadSensorIdent(1);
    const QString type = Sensor::State().SensorType;
    Sensor::EditorChoiceFor(Sensor::ChooseEditorName(type));
    Sensor::EditorNameFromType(text);
    Sensor::SensorRangeOf(type);
    Sensor::SensorRangeOf(text);
    for (int item = 1; item <= 8; ++item) {
        QVariant value;
        Sensor::GetSensorData(item, value);
    }
    Sensor::SplitTypedCommand(text);
    OfflineAnswers::Install({});
    return 0;
}
