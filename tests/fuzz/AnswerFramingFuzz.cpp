// The serial receive path on any bytes a sensor could send, in two parts,
// both on a test clock so that no wait costs real time.
//
// First, the fake port answers each request with the next piece of the input
// (nothing, a piece without its carriage return, garbage, a status byte,
// more than one answer), plain or echoing every byte, while the command layer
// sends what detection and the editors send: the identification, fixed-length
// and limited-length requests, writes with retries, the end of master mode,
// raw reads of one byte or of a length, and requests nested inside another
// request's wait. The identification that arrives is taken apart as
// detection does.
//
// Then a sensor that answers requests in turn, as a real one does, and for
// each request chooses how long it takes, whether it drops the answer,
// replaces it with noise, leaves off its carriage return or lets stray bytes
// go before it: whatever it does, as long as it never keeps the line silent
// for the time after which the program gives a try up while it still owes an
// answer, no request may take the answer the sensor gave to another.
#include "FuzzSupport.h"

#include "frame/Options.h"
#include "link/EditorChoice.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/Sensor.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "support/FakeSerialControl.h"
#include "support/InTurnSensor.h"
#include "support/TestClock.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>

namespace {

constexpr int TimeoutMs = 100;

void openLine(FakeSerialControl& line, TestClock& clock) {
    Ports::ResetForTests();
    Sensor::ResetStateForTests();
    Ports::InitPort(&line, nullptr);
    QString port = QStringLiteral("COM1");
    Ports::SetPort(port);
    Ports::State().clock = &clock;
    line.clock = &clock;
    Ports::SetTimeout(TimeoutMs);
    Ports::State().EchoTimeout = TimeoutMs;
    Ports::SetEchoMode(line.echo, false);
}

// Every answer names its request ("=K3=" for "K3" and "K3,5"); noise never
// holds an "=", so an answer that names another request came from it.
QByteArray answerOf(const QByteArray& request) { return '=' + request.split(',').first() + '='; }

QByteArray noise(FuzzedDataProvider& in) {
    QByteArray bytes = QByteArray::fromStdString(in.ConsumeRandomLengthString(24));
    bytes.replace('=', '-');
    bytes.replace('\r', '-');
    return bytes;
}

void checkOwn(const QString& request, const QString& answer) {
    static const QRegularExpression named(QStringLiteral("=([^=]*)="));
    for (auto m = named.globalMatch(answer); m.hasNext();) {
        const QString name = m.next().captured(1);
        FUZZ_CHECK(name == request, request + QStringLiteral(" took ") + answer);
    }
}

// While a request waits, the input may start another one from a window
// event (up to `left` of them); with a sensor answering in turn its answer
// must be its own, too.
void startNestedRequests(FakeSerialControl& line, FuzzedDataProvider& in, int& left, const QString& command,
                         bool answersInTurn) {
    line.duringWait = [&in, &left, command, answersInTurn](const QByteArray&) {
        if (left <= 0 || !in.ConsumeBool()) return;
        --left;
        QTimer::singleShot(0, [command, answersInTurn] {
            QString answer;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand(command, answer, bytes);
            if (answersInTurn) checkOwn(command, answer);
        });
    };
}

void framing(FuzzedDataProvider& in, TestClock& clock) {
    FakeSerialControl line;
    line.echo = in.ConsumeBool();
    Options::Current().RetryCount = in.ConsumeIntegralInRange(1, 3);
    Options::Current().DebugMode = in.ConsumeBool();
    int nestedLeft = in.ConsumeIntegralInRange(0, 3);
    openLine(line, clock);

    line.respond = [&](const QByteArray&) {
        return in.remaining_bytes() > 0 ? QByteArray::fromStdString(in.ConsumeRandomLengthString(300)) : QByteArray();
    };
    startNestedRequests(line, in, nestedLeft, QStringLiteral("SD1"), false);

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
}

void answersInTurn(FuzzedDataProvider& in, TestClock& clock) {
    FakeSerialControl line;
    line.echo = in.ConsumeBool();
    Options::Current().RetryCount = in.ConsumeIntegralInRange(1, 3);
    openLine(line, clock);
    // The line is never silent for as long as it takes the program to give
    // a try up while the sensor still owes an answer: each answer takes less,
    // and a request the sensor drops (a garbled one) takes it no time.
    const double longest = 0.9 * Ports::Line::LostAfterMs();
    InTurnSensor sensor(line, [&](const QByteArray& request) {
        InTurnSensor::Handling handling{answerOf(request), in.ConsumeFloatingPointInRange(0.0, longest)};
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: handling = {}; break;                                    // dropped
        case 1: handling.answer = noise(in); break;                      // noise instead, without its end
        case 2: handling.answer = noise(in) + '\r'; break;               // noise instead of the answer
        case 3: handling.answer.prepend(noise(in)); break;               // stray bytes before it
        default: break;
        }
        if (!handling.answer.isEmpty() && !handling.answer.endsWith('\r') && in.ConsumeBool()) handling.answer += '\r';
        return handling;
    });
    int nestedLeft = in.ConsumeIntegralInRange(0, 3);
    startNestedRequests(line, in, nestedLeft, QStringLiteral("NX"), true);
    for (int request = 0; request < 12 && in.remaining_bytes() > 0; ++request) {
        const QString key = QStringLiteral("K%1").arg(request);
        QString answer;
        if (in.ConsumeBool()) {
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand(key, answer, bytes);
        } else {
            Sensor::SetParameter(key, QStringLiteral("1"), std::nullopt, &answer);
        }
        checkOwn(key, answer);
        // The user's pause between two edits, from none to a long one.
        Ports::Delay(in.ConsumeIntegralInRange(0, 3) * 400);
    }
    QCoreApplication::processEvents();
    line.duringWait = nullptr;
    line.respond = nullptr;
    Ports::ResetForTests();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TestClock clock;
    if (in.ConsumeBool())
        answersInTurn(in, clock);
    else
        framing(in, clock);
    return 0;
}
