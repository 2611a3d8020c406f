#include "mainwin/CommandExchange.h"

#include "frame/STRING_UTIL.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "link/SensorInfo.h"

using STRING_UTIL::HexPad;
using STRING_UTIL::UpperKeyAscii;

namespace CommandExchange {
namespace {

QString trueFalse(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

// A number with its sign position: a blank before a value that is not negative.
QString signedText(int value) { return value < 0 ? QString::number(value) : ' ' + QString::number(value); }

}  // namespace

const StatusTexts& BuiltInStatusTexts() {
    static const StatusTexts texts{
        QStringLiteral("80h <OK>"),
        QStringLiteral("81h <ungültiger Parameter>"),
        QStringLiteral("82h <ungültiger Befehl>"),
        QStringLiteral("83h <Überlauf>"),
        QStringLiteral("84h <Hardware Fehler>"),
    };
    return texts;
}

QStringList DiagnosticLines(int readDepth, bool echoMode, bool echoWaitAlways) {
    return {signedText(readDepth), QStringLiteral("EchoMode = ") + trueFalse(echoMode),
            QStringLiteral("EchoWaitAlways = ") + trueFalse(echoWaitAlways)};
}

QString UpperLatin1(const QString& text) {
    QString upper = text;
    for (QChar& c : upper) c = QChar(char16_t(UpperKeyAscii(c.unicode())));
    return upper;
}

QString ShownAnswer(const QString& answer, const StatusTexts& statusTexts) {
    if (answer.size() != 1) return answer;
    const int code = answer.at(0).unicode();
    if (code >= Ports::StatusOK && code <= Ports::StatusHardwareError)
        return answer + ' ' + statusTexts[size_t(code - Ports::StatusOK)];
    return answer + QStringLiteral(" (HEX=") + HexPad(code, QStringLiteral("00")) + ')';
}

QString Exchange(const QString& typed, bool upperCase) {
    bool log = false;
    QString toSend = Sensor::SensorGetSendCommand(typed, log);
    if (upperCase) toSend = UpperLatin1(toSend);
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand(toSend, answer, bytes, std::nullopt, false, true, log);
    return Sensor::SensorConvertResult(typed, answer);
}

}  // namespace CommandExchange
