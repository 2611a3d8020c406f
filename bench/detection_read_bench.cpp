// Detection and full read of each sensor line against the simulated sensor
// (tools/sensorsim) at 9600 baud, compared with the least time the protocol
// allows; and how long detection takes to give up on a sensor that does not
// answer at all.
//
// How to run (after building):
//   build/bench/detection_read_bench [--sim path/to/sensorsim] [line ...]
// Lines: qf8200 qf8200echo qf8200rdx qt8200 (all four when none is named).
// Without --sim the simulator is taken from ../tools/sensorsim/sensorsim next
// to this program's folder. The program's settings are the defaults (no
// settings file): 100 ms answer timeout, two tries, "RST" at detection.
//
// For each line it prints the time from the start of the detection to the
// last parameter read, the bound and their ratio (target at most 1.10). The
// bound is the wire time of every byte exchanged (10 bits a byte at 9600
// baud, both directions; the requests are checked against the simulator's
// log) plus the waits the protocol prescribes:
//   - lines that do not echo: the echo probe's 400 ms (its wait runs out) and
//     the five pauses of half the answer timeout after "RST";
//   - the echo line: the 100 ms pause after the probe found the echo. Each of
//     its bytes goes out alone and waits for its echo; those round trips are
//     the echo bytes' wire time, which the bound holds.
// The retries of parameters the sensor rejects (82h) follow at once; their
// bytes are in the wire time.
//
// Then a QF8200 that drops every answer: the time until detection reports
// that no sensor answers (message 1), with the same defaults.
#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "frame/Options.h"
#include "link/Ports.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "platform/MsgBox.h"
#include "platform/SerialPort.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr double Baud = 9600;
constexpr double BitsPerByte = 10;
constexpr double EchoProbeMs = 400;
constexpr double EchoSettleMs = 100;
constexpr int RstPauses = 5;

struct Line {
    const char* name;
    const char* editor;
    bool echoes;
};
const Line Lines[] = {
    {"qf8200", "frmQF8200", false},
    {"qf8200echo", "frmQF8200Echo", true},
    {"qf8200rdx", "frmQF8200RDX", false},
    {"qt8200", "frmQT8200", false},
};

// The real port, counting the bytes that cross it in each direction.
class CountingPort : public SerialControl {
public:
    void SetCommPort(const QString& name) override { port_.SetCommPort(name); }
    QString CommPort() const override { return port_.CommPort(); }
    bool SetPortOpen(bool open) override { return port_.SetPortOpen(open); }
    bool PortOpen() const override { return port_.PortOpen(); }
    int InBufferCount() override { return port_.InBufferCount(); }
    void ClearInBuffer() override {
        bytesIn += port_.InBufferCount();
        port_.ClearInBuffer();
    }
    int OutBufferCount() override { return port_.OutBufferCount(); }
    QByteArray Input() override {
        const QByteArray bytes = port_.Input();
        bytesIn += bytes.size();
        return bytes;
    }
    void Output(const QByteArray& bytes) override {
        bytesOut += bytes.size();
        port_.Output(bytes);
    }
    bool waitForInput(int ms) override { return port_.waitForInput(ms); }
    void waitForOutput(int ms) override { port_.waitForOutput(ms); }

    qint64 bytesIn = 0;
    qint64 bytesOut = 0;

private:
    SerialPort port_;
};

// A simulated sensor on a pseudo-terminal, stopped when it goes away.
class Simulator {
public:
    Simulator(const QString& program, const QStringList& arguments, const QString& logPath) {
        process_.start(program, arguments + QStringList{"--baud", "9600", "--log", logPath});
        if (!process_.waitForStarted(5000)) return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        device = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~Simulator() {
        process_.terminate();
        process_.waitForFinished(3000);
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    QString device;

private:
    QProcess process_;
};

// The requests the simulator received, each with its carriage return (the
// echo probe's lone carriage return is an empty line of the log).
qint64 loggedRequestBytes(const QString& logPath, int& requests) {
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly)) return -1;
    QList<QByteArray> lines = log.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();   // after the last line end
    requests = int(lines.size());
    qint64 bytes = 0;
    for (const QByteArray& line : lines) bytes += line.size() + 1;
    return bytes;
}

// The settings of a program without a settings file, on a fresh line.
bool openLine(CountingPort& port, QString device) {
    Options::Current().RetryCount = 2;
    Options::Current().SendRST = true;
    Ports::InitPort(&port, nullptr);
    // A new simulator may get the terminal name of the one before it.
    Ports::State().PortName.clear();
    Ports::SetPort(device);
    return Ports::PortOpen();
}

bool benchLine(const QString& simulator, const QString& folder, const Line& line) {
    const QString logPath = QDir(folder).filePath(QStringLiteral("%1.log").arg(line.name));
    Simulator sim(simulator, {"--line", line.name}, logPath);
    CountingPort port;
    if (sim.device.isEmpty() || !openLine(port, sim.device)) {
        std::printf("%s: cannot start the simulator or open its terminal\n", line.name);
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    Sensor::DetectSensor();
    const double elapsedMs = double(clock.nsecsElapsed()) / 1e6;
    const int answerTimeout = Ports::AnswerTimeout();
    Ports::ClosePort();

    if (Sensor::State().SensorFormName != QLatin1String(line.editor)) {
        std::printf("%s: no %s editor was started (type \"%s\")\n", line.name, line.editor,
                    qPrintable(Sensor::State().SensorType));
        return false;
    }
    int requests = 0;
    const qint64 requestBytes = loggedRequestBytes(logPath, requests);
    const double wireMs = double(port.bytesOut + port.bytesIn) * BitsPerByte / Baud * 1000;
    const double waitsMs = line.echoes ? EchoSettleMs : EchoProbeMs + RstPauses * (answerTimeout / 2);
    const double boundMs = wireMs + waitsMs;

    std::printf("%s detection and full read at 9600 baud\n", line.name);
    std::printf("  requests %d, bytes sent %lld (simulator log: %lld), bytes received %lld\n", requests,
                qint64(port.bytesOut), qint64(requestBytes), qint64(port.bytesIn));
    if (line.echoes)
        std::printf("  wire time %.1f ms (echoes included) + prescribed waits %.1f ms (pause after the probe) = "
                    "bound %.1f ms\n", wireMs, waitsMs, boundMs);
    else
        std::printf("  wire time %.1f ms + prescribed waits %.1f ms (echo probe %.0f, RST pauses %d x %d) = "
                    "bound %.1f ms\n", wireMs, waitsMs, EchoProbeMs, RstPauses, answerTimeout / 2, boundMs);
    std::printf("  time %.1f ms, ratio %.3f (target at most 1.10)\n", elapsedMs, elapsedMs / boundMs);
    return true;
}

bool benchSilentSensor(const QString& simulator, const QString& folder) {
    Simulator sim(simulator, {"--line", "qf8200", "--drop-every", "1"}, QDir(folder).filePath("silent.log"));
    CountingPort port;
    if (sim.device.isEmpty() || !openLine(port, sim.device)) {
        std::printf("silent sensor: cannot start the simulator or open its terminal\n");
        return false;
    }
    QElapsedTimer clock;
    double untilMessageMs = -1;
    MsgBox::SetHandler([&](const MsgBox::Request&) {
        if (untilMessageMs < 0) untilMessageMs = double(clock.nsecsElapsed()) / 1e6;
        return int(MsgBox::Cancel);
    });
    clock.start();
    Sensor::DetectSensor();
    Ports::ClosePort();
    std::printf("a QF8200 that answers nothing (every answer dropped)\n");
    std::printf("  detection reports that no sensor answers after %.1f ms\n", untilMessageMs);
    return untilMessageMs >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("ZELVO8200_WINDIR", QFile::encodeName(settings.path()));   // no settings file: the defaults
    QApplication app(argc, argv);
    QString simulator = QDir(QApplication::applicationDirPath()).filePath("../tools/sensorsim/sensorsim");
    QStringList chosen;
    const QStringList arguments = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--sim") && i + 1 < arguments.size())
            simulator = arguments[++i];
        else
            chosen << arguments[i];
    }

    // A box in the middle of a benchmark is a failure of it; nobody is there to answer.
    MsgBox::SetHandler([](const MsgBox::Request& box) {
        std::printf("unexpected message: %s\n", qPrintable(box.text));
        return int(MsgBox::Cancel);
    });
    RegisterQF8200Editor();
    RegisterQF8200EchoEditor();
    RegisterQF8200RDXEditor();
    RegisterQT8200Editor();

    bool ok = true;
    for (const Line& line : Lines)
        if (chosen.isEmpty() || chosen.contains(QLatin1String(line.name))) ok &= benchLine(simulator, settings.path(), line);
    ok &= benchSilentSensor(simulator, settings.path());
    return ok ? 0 : 1;
}
