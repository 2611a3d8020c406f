#include "link/SensorInfo.h"

#include "link/SensorCommands.h"
#include "link/SensorEditor.h"
#include "link/SensorState.h"

namespace {

// Editors are asked with errors ignored: whatever goes wrong inside one of
// these calls leaves the caller's value as it was.
template <typename Call>
void IgnoringErrors(Call call) {
    try {
        call();
    } catch (...) {
    }
}

}  // namespace

namespace Sensor {

void GetSensorData(int item, QVariant& value) {
    const SensorStateData& s = State();
    switch (item) {
    case SensorInfoItem::SensorType:
        value = s.SensorType.isEmpty() ? QStringLiteral("Kein Ultraschallsensor erkannt!") : s.SensorType;
        return;
    case SensorInfoItem::VersionLetter:
        value = s.SensorVersionLetter;
        return;
    case SensorInfoItem::DateTime:
        value = s.SensorDate + QLatin1Char(' ') + s.SensorTime;
        return;
    case SensorInfoItem::Eprom:
        value = s.SensorEprom;
        return;
    case SensorInfoItem::Version:
        value = s.SensorVersion;
        return;
    case SensorInfoItem::RangeMm:
        value = s.SensorRange;
        return;
    case SensorInfoItem::TaughtSwitchPoints:
        value = false;
        break;
    default:
        break;
    }
    if (s.SensorForm)
        IgnoringErrors([&] { s.SensorForm->GetData(item, value); });
}

void SetSensorData(int item, const QVariant& value) {
    if (item == SensorInfoItem::DataFileName)
        State().DataFileName = value.toString();
}

bool CallValidPar(int item) {
    bool valid = false;
    if (SensorEditor* editor = State().SensorForm)
        IgnoringErrors([&] { valid = editor->ValidPar(item); });
    return valid;
}

QString SensorGetSendCommand(QString command, bool& flag) {
    SensorEditor* editor = State().SensorForm;
    if (!editor) {
        flag = true;
        return command;
    }
    return editor->GetSendCommand(command, flag);
}

QString SensorConvertResult(QString command, QString answer) {
    SensorEditor* editor = State().SensorForm;
    return editor ? editor->ConvertResult(command, answer) : answer;
}

// Without "," the whole text is the word. With one "," the split is there;
// with two or more it is at the second, so that a memory-cell write such as
// "WM,12,3F" keeps its cell in the word ("WM,12") and its value as argument.
// The word is upper-cased but, unlike the argument, not trimmed.
TypedCommand SplitTypedCommand(const QString& typed) {
    const int first = typed.indexOf(QLatin1Char(','));
    if (first < 0)
        return {typed.trimmed().toUpper(), QString()};
    const int second = typed.indexOf(QLatin1Char(','), first + 1);
    const int split = second < 0 ? first : second;
    return {typed.left(split).toUpper(), typed.mid(split + 1).trimmed().toUpper()};
}

void SensorInterpretCommand(QString& typed) {
    if (State().SensorFormName.isEmpty())
        return;
    TypedCommand command = SplitTypedCommand(typed);
    if (command.word == QStringLiteral("MD")) {
        if (!command.argument.isEmpty())
            StartMasterMode(command.argument);
    } else if (command.word == QStringLiteral("DEF")) {
        SensorSetDefaults(false);  // the typed command already sent "DEF"
    } else if (command.word == QStringLiteral("RUC")) {
        RecallUserConfig(false);
    } else if (!command.argument.isEmpty() && State().SensorForm) {
        State().SensorForm->InterpretCommand(command.word);
    }
}

}  // namespace Sensor
