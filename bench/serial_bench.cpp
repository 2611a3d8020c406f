// Serial layer benchmark against the simulated sensor (tools/sensorsim).
//
// How to run (after building):
//   build/bench/serial_bench [path/to/sensorsim]
// Without an argument the simulator is taken from ../tools/sensorsim/sensorsim
// next to this program's folder. The run takes about ten seconds and prints:
//   a) the time from the answer's carriage return leaving the simulator to
//      SendCommand returning (median, 99th percentile), target median < 2 ms;
//   b) CPU time / wall time while requests wait for a slow sensor, target < 5 %;
//   c) with the simulator pacing its bytes at 9600 baud, the total time of the
//      requests divided by their wire time, target < 1.05.
#include "frame/Options.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "platform/SerialPort.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Requests = 500;
constexpr int SlowRequests = 10;
constexpr int SlowDelayMs = 200;
// A typical request: reading one parameter ("SD11" answers "1000").
const QString Request = QStringLiteral("SD11");
constexpr int RequestBytes = 5;   // "SD11" and the carriage return
constexpr int AnswerBytes = 5;    // "1000" and the carriage return

struct Simulator {
    std::unique_ptr<QProcess> process;
    QString device;
};

Simulator startSimulator(const QString& program, const QStringList& arguments) {
    Simulator sim{std::make_unique<QProcess>(), {}};
    sim.process->start(program, QStringList{"--line", "qf8200"} + arguments);
    if (!sim.process->waitForStarted(5000)) return sim;
    while (!sim.process->canReadLine() && sim.process->waitForReadyRead(5000)) {
    }
    sim.device = QString::fromLocal8Bit(sim.process->readLine()).trimmed();
    return sim;
}

void stopSimulator(Simulator& sim) {
    sim.process->terminate();
    sim.process->waitForFinished(3000);
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The quickest exchange the terminal allows: a blocking poll on a bare
// descriptor, no event loop, no framing. What SendCommand takes beyond this
// is what the program adds.
std::vector<double> loopBackFloor(const QString& device, int count) {
    std::vector<double> times;
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY);
    if (fd < 0) return times;
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    const QByteArray request = Request.toLatin1() + '\r';
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (::write(fd, request.constData(), size_t(request.size())) != request.size()) break;
        QByteArray answer;
        while (!answer.contains('\r')) {
            pollfd pfd{fd, POLLIN, 0};
            if (::poll(&pfd, 1, 1000) <= 0) break;
            char buffer[256];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0) break;
            answer.append(buffer, got);
        }
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    ::close(fd);
    return times;
}

// Opens the simulator's terminal through the program's own serial layer.
bool connectPort(SerialPort& port, const QString& device) {
    Ports::ResetForTests();
    Ports::InitPort(&port, nullptr);
    QString name = device;
    Ports::SetPort(name);
    return Ports::PortOpen();
}

// Runs count requests; returns each round trip in ms, or nothing when one failed.
std::vector<double> timedRequests(int count) {
    std::vector<double> times;
    QString answer;
    Ports::AnswerBytes bytes{};
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        const int got = Sensor::SendCommand(Request, answer, bytes);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (got != AnswerBytes - 1) {
            std::printf("request %d failed (answer \"%s\")\n", i, qPrintable(answer));
            return {};
        }
    }
    return times;
}

bool measureLatency(const QString& simulator) {
    Simulator sim = startSimulator(simulator, {});
    if (sim.device.isEmpty()) return false;
    // Bare and program exchanges take turns in blocks, so both see the same
    // machine load.
    constexpr int Blocks = 10;
    std::vector<double> floor;
    std::vector<double> roundTrips;
    for (int block = 0; block < Blocks; ++block) {
        const std::vector<double> bare = loopBackFloor(sim.device, Requests / Blocks);
        SerialPort port;
        const std::vector<double> timed = connectPort(port, sim.device) ? timedRequests(Requests / Blocks)
                                                                         : std::vector<double>();
        Ports::ClosePort();
        if (bare.empty() || timed.empty()) break;
        floor.insert(floor.end(), bare.begin(), bare.end());
        roundTrips.insert(roundTrips.end(), timed.begin(), timed.end());
    }
    stopSimulator(sim);
    if (int(roundTrips.size()) != Requests) return false;

    const double floorMedian = percentile(floor, 0.5);
    std::vector<double> latency;
    for (double t : roundTrips) latency.push_back(std::max(t - floorMedian, 0.0));
    std::printf("a) Answer latency, %d requests \"%s\" -> \"1000\", simulator answering at once:\n", Requests,
                qPrintable(Request));
    std::printf("   SendCommand round trip     median %.3f ms, p99 %.3f ms\n", percentile(roundTrips, 0.5),
                percentile(roundTrips, 0.99));
    std::printf("   bare loop-back round trip  median %.3f ms, p99 %.3f ms (blocking poll/read, no event loop)\n",
                floorMedian, percentile(floor, 0.99));
    std::printf("   latency = round trip - loop-back median: median %.3f ms, p99 %.3f ms (target: median < 2 ms)\n",
                percentile(latency, 0.5), percentile(latency, 0.99));
    std::printf("   The simulator's own time and the terminal's transfer are in both round trips, so the\n"
                "   difference is what the serial layer adds between the carriage return and the return.\n");
    return true;
}

bool measureWaitingCpu(const QString& simulator) {
    Simulator sim = startSimulator(simulator, {"--delay-ms", QString::number(SlowDelayMs)});
    if (sim.device.isEmpty()) return false;
    SerialPort port;
    bool ok = connectPort(port, sim.device);
    Ports::SetTimeout(4 * SlowDelayMs);
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    ok = ok && !timedRequests(SlowRequests).empty();
    const double cpu = cpuSeconds() - cpuBefore;
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    Ports::ClosePort();
    stopSimulator(sim);
    if (!ok) return false;
    std::printf("b) CPU while waiting: %d requests answered after %d ms: %.3f s CPU in %.3f s = %.2f %% (target < 5 %%)\n",
                SlowRequests, SlowDelayMs, cpu, wallSeconds, 100.0 * cpu / wallSeconds);
    return true;
}

bool measureWireTime(const QString& simulator) {
    Simulator sim = startSimulator(simulator, {"--baud", "9600"});
    if (sim.device.isEmpty()) return false;
    SerialPort port;
    bool ok = connectPort(port, sim.device);
    QElapsedTimer wall;
    wall.start();
    ok = ok && !timedRequests(Requests).empty();
    const double totalMs = double(wall.nsecsElapsed()) / 1e6;
    Ports::ClosePort();
    stopSimulator(sim);
    if (!ok) return false;
    const double bitMs = 1000.0 / 9600.0;
    const double bothWaysMs = Requests * (RequestBytes + AnswerBytes) * 10 * bitMs;
    std::printf("c) Wire time at 9600 baud, %d requests: %.0f ms in all\n", Requests, totalMs);
    std::printf("   / bound of the bytes both ways (%.0f ms) = %.3f (target < 1.05)\n", bothWaysMs, totalMs / bothWaysMs);
    std::printf("   The simulator paces the bytes it receives and the bytes it sends at the line rate.\n");
    return true;
}

QString simulatorPath(int argc, char** argv) {
    if (argc > 1) return QString::fromLocal8Bit(argv[1]);
    return QDir(QCoreApplication::applicationDirPath()).filePath("../tools/sensorsim/sensorsim");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Defaults only: no settings of the user's own.
    QTemporaryDir windows;
    qputenv("ZELVO8200_WINDIR", windows.path().toLocal8Bit());
    Options::Current().RetryCount = 1;

    const QString simulator = simulatorPath(argc, argv);
    if (!QFileInfo(simulator).isExecutable()) {
        std::fprintf(stderr, "sensorsim not found at %s; pass its path as the argument\n", qPrintable(simulator));
        return 2;
    }
    const bool ok = measureLatency(simulator) && measureWaitingCpu(simulator) && measureWireTime(simulator);
    if (!ok) std::fprintf(stderr, "a measurement failed: the simulator did not start or did not answer\n");
    return ok ? 0 : 1;
}
