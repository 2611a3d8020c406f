// The conversions between the texts the sensor and the user give and the
// numbers and texts the program shows and writes: the number readers, the
// display formats and integer conversions, the binary strings, the string
// helpers, every editor's value encodings (lists, multi-part values, memory
// cells), the window places and the display window's arithmetic. The input
// is a sequence of operations, each with its arguments, in one of four
// locales. Where a conversion promises to give a value back, it must.
#include "FuzzSupport.h"

#include "editors/common/DipSwitches.h"
#include "editors/common/EvalMethod.h"
#include "editors/common/TemperatureTexts.h"
#include "editors/common/TextNumbers.h"
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"
#include "editors/qf8200/QF8200Values.h"
#include "editors/qf8200echo/EchoCells.h"
#include "editors/qf8200echo/EchoValues.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/SoundBeam.h"
#include "editors/qf8200rdx/EvaluationLimits.h"
#include "editors/qf8200rdx/QF8200RDXValues.h"
#include "editors/qt8200/QT8200Values.h"
#include "frame/NumberFormat.h"
#include "frame/RuntimeError.h"
#include "frame/STRING_UTIL.h"
#include "frame/WindowGeometry.h"
#include "frame/basCVMK.h"
#include "frame/bit.h"
#include "link/PollCycle.h"
#include "mainwin/DisplayReadouts.h"
#include "mainwin/DisplayScale.h"
#include "mainwin/MasterStream.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>
#include <QRegularExpression>

#include <functional>
#include <vector>

namespace {

const QLocale Locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                           QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French, QLocale::France)};
const char* const Patterns[] = {"0", "000", "0000", "00000", "0.0", "0.00", "0.0#", "0.##"};

// The arguments of one operation, taken from the fuzzer's bytes.
struct Args {
    FuzzedDataProvider& in;
    QString text() { return QString::fromLatin1(in.ConsumeRandomLengthString(64)); }
    int number(int lowest, int highest) { return in.ConsumeIntegralInRange(lowest, highest); }
    long wide() { return in.ConsumeIntegral<qint32>(); }
    double real() { return in.ConsumeFloatingPoint<double>(); }
    bool flag() { return in.ConsumeBool(); }
    QString pattern() { return QLatin1String(Patterns[number(0, int(std::size(Patterns)) - 1)]); }
    EvalMethod::Fields fields() { return {text(), text(), text(), text(), text()}; }
};

template <class Call>
void ignoringRuntimeErrors(Call call) {
    try {
        call();
    } catch (const RuntimeError&) {
    }
}

// A memory cell's display value goes back into the same hex digits.
void echoCellRoundTrip(Args& a) {
    using namespace QF8200Echo;
    static const int ids[] = {IdTSD1, IdVS0, IdTO, IdFTO, IdSD1, IdOM1, IdOPM1, IdEVM, IdBITS, IdTOPM, IdIEND,
                              IdUEND, IdMM, IdPOTI1, IdA1, IdMXN_M, IdMXN_N, IdCCT, IdSEN};
    const int id = ids[a.number(0, int(std::size(ids)) - 1)];
    const bool analog = a.flag();
    const QString answer = a.text();
    const QString shown = EchoCells::ConvertToProg(id, answer, analog);
    const std::optional<QString> written = EchoCells::ConvertToSensor(id, shown, analog);
    EchoCells::ConvertToSensor(id, answer, analog);
    EchoCells::AnswerError(answer, EchoCells::DefaultStatusTexts());

    const EchoCells::Encoding encoding = EchoCells::ReadEncoding(id, analog);
    const bool numeric = encoding == EchoCells::Encoding::Unsigned16 || encoding == EchoCells::Encoding::Signed16 ||
                         encoding == EchoCells::Encoding::Unsigned8;
    const int digits = encoding == EchoCells::Encoding::Unsigned8 ? 2 : 4;
    static const QRegularExpression hex(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]+")));
    if (!numeric || encoding != EchoCells::WriteEncoding(id, analog) || answer.size() != digits ||
        !hex.match(answer).hasMatch())
        return;
    FUZZ_CHECK(written && *written == answer.toUpper(),
               QString::number(id) + QStringLiteral(": ") + answer + QStringLiteral(" -> ") + shown +
                   QStringLiteral(" -> ") + written.value_or(QStringLiteral("<nothing>")));
}

// A stored window place reads back as stored.
void windowPlaceRoundTrip(Args& a) {
    WindowGeometry::Parse(a.text());
    const WindowGeometry::Placement place{false, a.number(0, 32767), a.number(-32768, 32767), a.number(-32768, 32767),
                                          a.number(-32768, 32767)};
    const QString stored = WindowGeometry::Format(place);
    const std::optional<WindowGeometry::Placement> back = WindowGeometry::Parse(stored);
    FUZZ_CHECK(back && !back->maximised && back->width == place.width && back->height == place.height &&
                   back->left == place.left && back->top == place.top,
               stored);
    WindowGeometry::ScreenClassSection(a.number(-1, 5000), a.real());
}

// A temperature passes through its field unchanged.
void temperatureRoundTrip(Args& a) {
    TemperatureTexts::ShowOffset(a.text());
    TemperatureTexts::Compose(a.text());
    const QString value = QString::number(a.number(-32768, 65535));
    const QString shown = TemperatureTexts::Show(value);
    const std::optional<QString> composed = TemperatureTexts::Compose(shown);
    FUZZ_CHECK(composed == value, value + QStringLiteral(" -> ") + shown + QStringLiteral(" -> ") +
                                      composed.value_or(QStringLiteral("<nothing>")));
}

const std::vector<std::function<void(Args&)>>& operations() {
    static const std::vector<std::function<void(Args&)>> all = {
        [](Args& a) { NumberFormat::Format(NumberFormat::LeadingNumber(a.text()), a.pattern()); },
        [](Args& a) { NumberFormat::Format(a.real(), a.flag() ? a.pattern() : a.text()); },
        [](Args& a) {
            const double value = a.real();
            ignoringRuntimeErrors([&] { NumberFormat::CInt(value); });
            ignoringRuntimeErrors([&] { NumberFormat::CLng(value); });
        },
        [](Args& a) {
            int error = 0;
            STRING_UTIL::StrToSingle(a.text(), error);
        },
        [](Args& a) {
            const QString typed = a.text();
            TypedInput::IsSingleValue(typed);
            TypedInput::Number(typed);
            TypedInput::LeadingNumber(typed);
            TypedInput::SensorReadsAsMeant(typed);
            TypedInput::AsTyped(typed);
            TypedInput::GeneralText(float(a.real()));
        },
        [](Args& a) {
            ValueTexts::ShowSoundVelocity(a.text());
            ValueTexts::ComposeSoundVelocity(a.text());
            ValueTexts::ComposeReference(a.text());
            ValueTexts::ShowWholeNumber(a.text());
            ValueTexts::ComposeFormatted(a.text(), a.pattern());
            ValueTexts::ShowFaultCurrent(a.text());
            ValueTexts::ShowListIndex(a.text());
            ValueTexts::ComposeListIndex(a.number(-2, 100000));
        },
        temperatureRoundTrip,
        [](Args& a) {
            EvalMethod::Normalize(a.text());
            EvalMethod::Compose(a.number(-1, 4), a.flag(), a.fields());
            EvalMethod::RowsOf(a.number(-1, 4));
        },
        [](Args& a) {
            QF8200Values::ShowSwitchModes(a.text());
            QF8200Values::ComposeSwitchModes(a.number(-1, 2), a.number(-1, 2), a.flag());
            QF8200Values::ShowOperatingModes(a.text());
            QF8200Values::ComposeOperatingModes(a.number(-1, 5), a.number(-1, 5), a.number(-1, 2), a.flag(), a.flag());
            QF8200Values::ShowFailSafeMode(a.text());
            QF8200Values::ComposeFailSafe(a.number(-1, 3), a.flag(), a.text());
            QF8200Values::ShowEvalMethod(a.text());
        },
        [](Args& a) {
            EchoValues::ComposeTemperatureOffset(a.text());
            EchoValues::OperatingModePosition(a.text());
            EchoValues::ComposeOperatingMode(a.number(-1, 3));
            EchoValues::EvalMethodItemData(a.text());
            EchoValues::EvalMethodWord(a.number(-1, 4));
            const QString bits = a.text();
            EchoValues::ShowOptionBits(bits);
            EchoValues::ComposeOptionBits(bits, {a.number(-1, 2), a.flag(), a.number(-1, 2)});
            EchoValues::IsTaught(bits);
            const auto bit = EchoValues::OptionBit(a.number(0, 7));
            EchoValues::OptionBitOf(bits, bit);
            EchoValues::ComposeOptionBit(bits, bit, a.flag());
            EchoValues::MeasuringModeIndex(a.text());
            EchoValues::ComposeMeasuringMode(a.text(), a.number(-1, 2));
            EchoValues::ComposeWeight(a.text());
            EchoValues::ComposeMCount(a.text());
            EchoValues::ComposeNCount(a.text());
            EchoValues::NCountBelowHalf(a.text(), a.text());
        },
        [](Args& a) {
            QF8200RDXValues::ShowSwitchModes(a.text());
            QF8200RDXValues::ComposeSwitchModes({a.number(-1, 3), a.number(-1, 3), a.number(-1, 3)});
            QF8200RDXValues::ShowFailSafeModes(a.text());
            QF8200RDXValues::ComposeFailSafe({a.number(-1, 3), a.number(-1, 3)},
                                             a.flag() ? std::optional<QString>(a.text()) : std::nullopt);
            QF8200RDXValues::ShowEvalMethod(a.text());
            QF8200RDXValues::ShowMainApplication(a.text());
            QF8200RDXValues::ComposeMainApplication(a.number(-1, 2));
            QF8200RDXValues::ShowInclination(a.text());
            QF8200RDXValues::ComposeInclination(a.number(-1, 2), a.text(), a.text());
        },
        [](Args& a) {
            QT8200Values::ShowSwitchModes(a.text());
            QT8200Values::ComposeSwitchModes(a.number(-1, 2), a.number(-1, 2), a.flag());
            QT8200Values::ShowEvalMethod(a.text());
            QT8200Values::ComposeEvalMethod(a.number(-1, 3), a.number(-1, 3), a.text()).Value();
        },
        echoCellRoundTrip,
        [](Args& a) {
            DipSwitches::States(a.text());
            TextNumbers::ToInteger(a.real());
            TextNumbers::AfterComma(a.text());
        },
        windowPlaceRoundTrip,
        [](Args& a) {
            const QString s = a.text();
            ignoringRuntimeErrors([&] { basCVMK::CVI(s); });
            ignoringRuntimeErrors([&] { basCVMK::CVL(s); });
            ignoringRuntimeErrors([&] { basCVMK::BytesToInt(s.toLatin1()); });
            ignoringRuntimeErrors([&] { basCVMK::BytesToLong(s.toLatin1()); });
            STRING_UTIL::HexPad(a.in.ConsumeIntegral<qint64>(), a.text());
        },
        [](Args& a) {
            STRING_UTIL::StrFormat(a.text(), a.text());
            STRING_UTIL::ExpandNewlines(a.text());
            QString list = a.text();
            const QString separator = a.text();
            QString found;
            for (int i = 0; i < 100 && !list.isEmpty(); ++i) STRING_UTIL::GetToken(list, separator, &found, a.flag());
            STRING_UTIL::ReplaceAll(a.text(), a.text(), a.text());
            STRING_UTIL::UpperKeyAscii(a.number(-1, 0x10000));
            STRING_UTIL::TrimBlanks(a.text());
            quint8 byte = quint8(a.number(0, 255));
            bit::GetBit(byte, a.number(-1, 9));
            bit::SetBit(byte, a.number(-1, 9), a.number(-1, 2));
        },
        [](Args& a) {
            const long range = DisplayScale::DisplayRange(Sensor::LeadingLong(a.text()));
            const int width = a.number(-10, 5000);
            DisplayScale::Legend(DisplayScale::ScaleFactor(range));
            DisplayScale::Ticks(range, width, [&](int digit) { return double(digit % 3 + 5); });
            DisplayScale::BarFor(a.wide(), range, width, a.number(-10, 500));
            DisplayScale::MarkerSources sources{a.number(-1, 3), a.flag(), a.text(), a.text(), a.text(), a.text(),
                                                a.text(), a.text(), a.text(), a.flag(), a.flag()};
            const DisplayScale::MarkerChoice choice = DisplayScale::ChooseMarkers(sources);
            DisplayScale::LayoutMarkers(choice.markers, range, width, a.number(-10, 500), a.number(-10, 50));
        },
        [](Args& a) {
            DisplayReadouts::ReadSwitchMode(a.text());
            DisplayReadouts::OutputStateFromAnswer(a.text());
            DisplayReadouts::OutputLed(a.number(-2, 3), a.number(-2, 3), a.number(-2, 3));
            const DisplayReadouts::AnalogRange range{a.wide(), a.wide(), a.number(-2, 300)};
            const DisplayReadouts::AnalogOutput out = DisplayReadouts::AnalogFor(a.wide(), range, a.number(0, 2), a.flag());
            DisplayReadouts::FormatAnalog(out.milliamps);
            DisplayReadouts::FormatAnalog(a.real());
            DisplayReadouts::DistanceTextFor(a.wide());
        },
        [](Args& a) {
            EvaluationLimits::Search([&](int) { return a.text(); });
            EvaluationLimits::DiagnosticsText(a.text(), a.number(-100000, 100000));
        },
        [](Args& a) {
            MasterStream stream;
            for (int i = 0; i < 8 && a.in.remaining_bytes() > 0; ++i) {
                if (a.flag()) stream.Restart();
                stream.Take(a.text().toLatin1(), a.flag());
            }
        },
        [](Args& a) {
            const int position = a.number(-10, 110);
            SoundBeam::WidthAt(position);
            SoundBeam::SensitivityAt(position);
            SoundBeam::WidthPosition(a.number(-10, 40));
            SoundBeam::SensitivityPosition(a.number(-10, 40));
            SoundBeam::BeamLobes(a.real(), a.real());
        },
    };
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    QLocale::setDefault(Locales[in.ConsumeIntegralInRange<size_t>(0, std::size(Locales) - 1)]);
    Args args{in};
    const auto& all = operations();
    while (in.remaining_bytes() > 0) all[in.ConsumeIntegralInRange<size_t>(0, all.size() - 1)](args);
    return 0;
}
