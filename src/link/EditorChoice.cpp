#include "link/EditorChoice.h"

#include "frame/Inifile_Utils.h"
#include "frame/Message.h"
#include "frame/NumberFormat.h"
#include "platform/Folders.h"

#include <array>
#include <cmath>

namespace {

const int MessageUnknownEditor = 13;
const int DefaultRangeMm = 3000;

const std::array<EditorChoice, 4> Choices = {{
    {QStringLiteral("frmQF8200Echo"), QString(), QStringLiteral("1"), true},
    {QStringLiteral("frmQT8200"), QStringLiteral("frmMasterQT8200"), QStringLiteral("3"), false},
    {QStringLiteral("frmQF8200RDX"), QStringLiteral("frmMasterQF8200RDX"), QStringLiteral("2"), false},
    {QStringLiteral("frmQF8200"), QStringLiteral("frmMasterQF8200"), QStringLiteral("0"), false},
}};

QString ConfiguredEditorName(const QString& sensorType) {
    // An empty key would list the section instead of naming an editor.
    if (sensorType.isEmpty())
        return QString();
    const QString path = Folders::JoinPath(Folders::ProgramFolder(), QStringLiteral("SENSOR.CFG"));
    QString name = ReadIniString(path, QStringLiteral("SENSORS"), sensorType, QString());
    if (const int nul = name.indexOf(QChar(0)); nul >= 0)
        name.truncate(nul);
    return name;
}

}  // namespace

namespace Sensor {

std::optional<EditorChoice> EditorChoiceFor(const QString& windowName) {
    const QString upper = windowName.toUpper();
    for (const EditorChoice& choice : Choices) {
        if (choice.editorName.toUpper() == upper)
            return choice;
    }
    return std::nullopt;
}

QString EditorNameFromType(const QString& sensorType) {
    if (sensorType.contains(QStringLiteral("62HN")))
        return QStringLiteral("frmQF8200Echo");
    if (sensorType.contains(QStringLiteral("QT")))
        return QStringLiteral("frmQT8200");
    if (sensorType.contains(QStringLiteral("QF")))
        return sensorType.contains(QStringLiteral("K58")) ? QStringLiteral("frmQF8200RDX")
                                                          : QStringLiteral("frmQF8200");
    return QString();
}

QString ChooseEditorName(const QString& sensorType) {
    const QString configured = ConfiguredEditorName(sensorType);
    if (!configured.isEmpty()) {
        if (const auto choice = EditorChoiceFor(configured))
            return choice->editorName;
        ShowMessage(MessageUnknownEditor, std::nullopt, std::nullopt,
                    configured + QLatin1Char('|') + sensorType);
    }
    return EditorNameFromType(sensorType);
}

int SensorRangeOf(const QString& sensorType) {
    if (sensorType.size() < 3)
        return DefaultRangeMm;
    // A figure beyond the range's 16-bit integer counts as no figure.
    const double range = std::nearbyint(NumberFormat::LeadingNumber(sensorType.mid(2)));
    return (range == 0 || std::abs(range) > 32767) ? DefaultRangeMm : int(range);
}

}  // namespace Sensor
