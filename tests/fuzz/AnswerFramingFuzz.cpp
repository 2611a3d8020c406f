// The serial receive path on any bytes a sensor could send: the fake port
// answers each request with the next piece of the input (nothing, a piece
// without its carriage return, garbage, a status byte, more than one answer),
// plain or echoing every byte, while the command layer sends what detection
// and the editors send: the identification, fixed-length and limited-length
// requests, writes with retries, the end of master mode, raw reads of one
// byte or of a length, and requests nested inside another request's wait.
// The identification that arrives is taken apart as detection does.
#include "FuzzSupport.h"

#include "frame/Options.h"
#include "link/EditorChoice.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "support/FakeSerialControl.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QCoreApplication>
#include <QTimer>

namespace {

// The fake puts each answer on the line as the request goes out, so a wait
// need not last: what has not arrived by then never will. A missing answer
// then costs no time.
void waitsOfNoLength() {
    Ports::LinkState& s = Ports::State();
    s.DetectTimeout = 0;
    s.AnswerTimeout = 0;
    s.EchoTimeout = 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    FakeSerialControl line;
    line.echo = in.ConsumeBool();
    Options::Current().RetryCount = in.ConsumeIntegralInRange(1, 3);
    Options::Current().DebugMode = in.ConsumeBool();
    int nestedLeft = in.ConsumeIntegralInRange(0, 3);

    Ports::ResetForTests();
    Sensor::ResetStateForTests();
    Ports::InitPort(&line, nullptr);
    QString port = QStringLiteral("COM1");
    Ports::SetPort(port);
    waitsOfNoLength();
    Ports::SetEchoMode(line.echo, false);

    line.respond = [&](const QByteArray&) {
        return in.remaining_bytes() > 0 ? QByteArray::fromStdString(in.ConsumeRandomLengthString(300)) : QByteArray();
    };
    // A request started from a window event while another one waits.
    line.duringWait = [&](const QByteArray&) {
        if (nestedLeft <= 0 || !in.ConsumeBool()) return;
        --nestedLeft;
        QTimer::singleShot(0, [] {
            QString answer;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand(QStringLiteral("SD1"), answer, bytes);
        });
    };

    if (Sensor::IsSensorConnected()) {
        Sensor::ReadSensorIdent(std::nullopt);
        Sensor::ChooseEditorName(Sensor::State().SensorType);
        Sensor::SensorRangeOf(Sensor::State().SensorType);
    }
    for (const char* command : {"~3~TEM", "^5^VS", "~0~X", "^", "SD11"}) {
        QString answer;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand(QLatin1String(command), answer, bytes);
    }
    QString written;
    Sensor::SetParameter(QStringLiteral("SD1"), QStringLiteral("500"), std::nullopt, &written, true);
    Sensor::SetModeOff();
    Ports::FlushInput();
    Ports::SendText(QStringLiteral("AD"));
    Ports::AnswerBytes bytes{};
    Ports::ReadAnswer(bytes, in.ConsumeIntegralInRange(-1, 300), false, true, true);
    Ports::ReadAnswer(bytes, 1);

    QCoreApplication::processEvents();
    line.duringWait = nullptr;
    line.respond = nullptr;
    Ports::ResetForTests();
    return 0;
}
