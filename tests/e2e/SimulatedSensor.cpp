#include "e2e/SimulatedSensor.h"

#include <QDeadlineTimer>
#include <QFile>

namespace {

constexpr int StartTimeoutMs = 10000;

}  // namespace

bool SimulatedSensor::Available() { return !ProgramPath().isEmpty(); }

QString SimulatedSensor::ProgramPath() {
#ifdef SENSORSIM_PATH
    return QStringLiteral(SENSORSIM_PATH);
#else
    return {};
#endif
}

SimulatedSensor::SimulatedSensor(const QStringList& arguments) {
    if (!Available()) {
        error_ = "the simulator was not built";
        return;
    }
    // stdin stays an open pipe: the simulator ends when this process does.
    process_.start(ProgramPath(), arguments + QStringList{"--log", logPath()});
    if (!process_.waitForStarted(StartTimeoutMs)) {
        error_ = "cannot start " + ProgramPath() + ": " + process_.errorString();
        return;
    }
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!process_.canReadLine() && !deadline.hasExpired() && process_.state() == QProcess::Running)
        process_.waitForReadyRead(int(deadline.remainingTime()));
    if (!process_.canReadLine()) {
        error_ = "no device path from the simulator: " + QString::fromLocal8Bit(process_.readAllStandardError());
        stop();
        return;
    }
    devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimulatedSensor::~SimulatedSensor() { stop(); }

QString SimulatedSensor::logPath() const { return folder_.filePath("requests.log"); }

QStringList SimulatedSensor::requests() const {
    QFile log(logPath());
    if (!log.open(QIODevice::ReadOnly)) return {};
    QStringList lines;
    for (QByteArray line : log.readAll().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        lines.append(QString::fromLatin1(line));
    }
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool SimulatedSensor::waitForExit(int ms) {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(ms);
}

void SimulatedSensor::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}
