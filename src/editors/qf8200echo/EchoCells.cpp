#include "editors/qf8200echo/EchoCells.h"

#include "editors/common/TypedInput.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "frame/STRING_UTIL.h"

#include <cmath>

using STRING_UTIL::HexPad;

namespace EchoCells {
namespace {

using namespace QF8200Echo;

// The byte that the two characters from position `at` spell in hex: the
// hex digits there count up to the first other character, and a pair the
// text does not reach is 0.
int hexByte(const QString& text, int at) {
    int value = 0;
    for (QChar c : text.mid(at, 2)) {
        bool isHexDigit = false;
        const int digit = QString(c).toInt(&isHexDigit, 16);
        if (!isHexDigit) break;
        value = value * 16 + digit;
    }
    return value;
}

int word(const QString& answer) { return hexByte(answer, 0) * 256 + hexByte(answer, 2); }

struct Range {
    qint64 lowest;
    qint64 highest;
    const char* digits;
    bool keepLastDigits;   // a negative number's two's complement is longer
};

std::optional<QString> numberToHex(const QString& value, const Range& range) {
    const std::optional<double> number = TypedInput::LeadingNumber(value);
    if (!number) return std::nullopt;
    const double whole = std::nearbyint(*number);
    if (whole < double(range.lowest) || whole > double(range.highest)) return std::nullopt;
    const QString templ = QString::fromLatin1(range.digits);
    const QString hex = HexPad(qint64(whole), templ);
    return range.keepLastDigits ? hex.right(templ.size()) : hex;
}

const char* const OperatingModes[] = {"S", "W", "H"};
const char* const EvalMethods[] = {"0", "DYN", "MXN", "PT1"};

// The code of a word in a list whose entry 0 stands for every other word.
int codeOf(const QString& word, const char* const* words, int count) {
    for (int code = 1; code < count; ++code)
        if (word == QLatin1String(words[code])) return code;
    return 0;
}

}  // namespace

QString AnswerForm(const QString& memoryCell) {
    const bool word = memoryCell.startsWith(QLatin1String("WXE"));
    return word ? QStringLiteral("[0-9A-Fa-f]{4}") : QStringLiteral("[0-9A-Fa-f]{2}");
}

Encoding ReadEncoding(int id, bool analogVariant) {
    switch (id) {
    case IdTSD1: case IdTSD2: case IdVS0: case IdSD1: case IdSD12: case IdSD2: case IdSD22: case IdBR:
    case IdRR: case IdCCT: case IdMXN_M: case IdA1: case IdA2:
        return Encoding::Unsigned16;
    case IdTO: case IdIEND: case IdUEND:
        return Encoding::Signed16;
    case IdFTO: case IdSH1: case IdSH2: case IdOM1: case IdOM2: case IdFSF: case IdCON1: case IdCON2:
    case IdCBT: case IdSEN: case IdMXN_N: case IdBITS: case IdCOF1: case IdCOF2: case IdAnalogOM:
    case IdAnalogOPM: case IdMM: case IdPOTI1: case IdPOTI2:
        return Encoding::Unsigned8;
    case IdOPM1: case IdOPM2:
        return Encoding::OperatingMode;
    case IdTOPM:
        return analogVariant ? Encoding::Unsigned8 : Encoding::OperatingMode;
    case IdEVM:
        return Encoding::EvalMethod;
    default:
        return Encoding::Unchanged;
    }
}

Encoding WriteEncoding(int id, bool analogVariant) {
    // The sensor computes the end values of the analogue output itself.
    if (id == IdIEND || id == IdUEND) return Encoding::Unchanged;
    // The taught mode goes back in the form it was read: written as a letter,
    // an analogue sensor's number would become "00" and lose the taught mode.
    return ReadEncoding(id, analogVariant);
}

QString ConvertToProg(int id, const QString& answer, bool analogVariant) {
    switch (ReadEncoding(id, analogVariant)) {
    case Encoding::Unsigned16: return QString::number(word(answer));
    case Encoding::Signed16: {
        const int value = word(answer);
        return QString::number(value >= 0x8000 ? value - 0x10000 : value);
    }
    case Encoding::Unsigned8: return QString::number(hexByte(answer, 0));
    case Encoding::OperatingMode: {
        const int code = hexByte(answer, 0);
        return QLatin1String(code == 1 || code == 2 ? OperatingModes[code] : OperatingModes[0]);
    }
    case Encoding::EvalMethod: {
        const int code = hexByte(answer, 0);
        return QLatin1String(code >= 1 && code <= 3 ? EvalMethods[code] : EvalMethods[0]);
    }
    case Encoding::Unchanged: break;
    }
    return answer;
}

std::optional<QString> ConvertToSensor(int id, const QString& value, bool analogVariant) {
    switch (WriteEncoding(id, analogVariant)) {
    case Encoding::Unsigned16: return numberToHex(value, {0, 0xFFFF, "0000", false});
    case Encoding::Signed16: return numberToHex(value, {-0x8000, 0x7FFF, "0000", true});
    case Encoding::Unsigned8: return numberToHex(value, {0, 0xFF, "00", false});
    case Encoding::OperatingMode: return HexPad(codeOf(value, OperatingModes, 3), QStringLiteral("00"));
    case Encoding::EvalMethod: return HexPad(codeOf(value, EvalMethods, 4), QStringLiteral("00"));
    case Encoding::Unchanged: break;
    }
    return value;
}

StatusTexts DefaultStatusTexts() {
    return {QStringLiteral("80h <OK>"), QStringLiteral("81h <ungültiger Parameter>"),
            QStringLiteral("82h <ungültiger Befehl>"), QStringLiteral("83h <Überlauf>"),
            QStringLiteral("84h <Hardware Fehler>")};
}

std::optional<QString> AnswerError(const QString& answer, const StatusTexts& texts) {
    if (answer.isEmpty()) return QStringLiteral("TIMEOUT");
    const int status = answer.at(0).unicode();
    if (status >= 0x80 && status <= 0x84) return texts[size_t(status - 0x80)];
    return std::nullopt;
}

}  // namespace EchoCells
