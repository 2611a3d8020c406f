// Detection and full read of a QF8200 sensor against the simulated sensor
// (tools/sensorsim) at 9600 baud, compared with the least time the protocol
// allows.
//
// How to run (after building):
//   build/bench/qf8200_read_bench [path/to/sensorsim]
// Without an argument the simulator is taken from ../tools/sensorsim/sensorsim
// next to this program's folder. It prints the time from the start of the
// detection to the last parameter shown, the bound and their ratio (target at
// most 1.10). The bound is the wire time of every byte exchanged (10 bits a
// byte at 9600 baud; the requests are checked against the simulator's log)
// plus the waits the protocol prescribes: the echo probe's 400 ms (the QF8200
// does not echo, so the probe's wait runs out) and the five pauses of half the
// answer timeout after "RST". The retries of the parameters the sensor
// rejects (82h) follow at once; their bytes are in the wire time.
#include "editors/qf8200/RegisterQF8200.h"
#include "frame/Options.h"
#include "link/Ports.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "platform/SerialPort.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr double Baud = 9600;
constexpr double BitsPerByte = 10;
constexpr double EchoProbeMs = 400;
constexpr int RstPauses = 5;

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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("ZELVO8200_WINDIR", QFile::encodeName(settings.path()));   // no settings file: the defaults
    QApplication app(argc, argv);
    const QString simulator = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                       : QDir(QApplication::applicationDirPath()).filePath("../tools/sensorsim/sensorsim");
    const QString logPath = settings.filePath("requests.log");

    QProcess sim;
    sim.start(simulator, {"--line", "qf8200", "--baud", "9600", "--log", logPath});
    if (!sim.waitForStarted(5000)) {
        std::printf("cannot start %s\n", qPrintable(simulator));
        return 1;
    }
    while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
    }
    QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();

    // The settings of a program without a settings file.
    Options::Current().RetryCount = 2;
    Options::Current().SendRST = true;
    CountingPort port;
    Ports::InitPort(&port, nullptr);
    Ports::SetPort(device);
    if (!Ports::PortOpen()) {
        std::printf("cannot open %s\n", qPrintable(device));
        return 1;
    }
    RegisterQF8200Editor();

    QElapsedTimer clock;
    clock.start();
    Sensor::DetectSensor();
    const double elapsedMs = double(clock.nsecsElapsed()) / 1e6;
    const qint64 bytesOut = port.bytesOut;
    const qint64 bytesIn = port.bytesIn;
    const int answerTimeout = Ports::AnswerTimeout();
    Ports::ClosePort();
    sim.terminate();
    sim.waitForFinished(3000);

    if (Sensor::State().SensorFormName != QLatin1String("frmQF8200")) {
        std::printf("no QF8200 editor was started (type \"%s\")\n", qPrintable(Sensor::State().SensorType));
        return 1;
    }
    int requests = 0;
    const qint64 requestBytes = loggedRequestBytes(logPath, requests);
    const double wireMs = double(bytesOut + bytesIn) * BitsPerByte / Baud * 1000;
    const double waitsMs = EchoProbeMs + RstPauses * (answerTimeout / 2);
    const double boundMs = wireMs + waitsMs;

    std::printf("QF8200 detection and full read at 9600 baud\n");
    std::printf("  requests %d, bytes sent %lld (simulator log: %lld), bytes received %lld\n", requests,
                qint64(bytesOut), qint64(requestBytes), qint64(bytesIn));
    std::printf("  wire time %.1f ms + prescribed waits %.1f ms (echo probe %.0f, RST pauses %d x %d) = bound %.1f ms\n",
                wireMs, waitsMs, EchoProbeMs, RstPauses, answerTimeout / 2, boundMs);
    std::printf("  time %.1f ms, ratio %.3f (target at most 1.10)\n", elapsedMs, elapsedMs / boundMs);
    return 0;
}
