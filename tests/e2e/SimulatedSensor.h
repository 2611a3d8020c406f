#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A tools/sensorsim process serving one simulated sensor on a
// pseudo-terminal, for end-to-end tests, with a request log in a temporary
// folder. The process stops when the object goes away.
class SimulatedSensor {
public:
    explicit SimulatedSensor(const QStringList& arguments);
    ~SimulatedSensor();
    SimulatedSensor(const SimulatedSensor&) = delete;
    SimulatedSensor& operator=(const SimulatedSensor&) = delete;

    // The simulator was built (tests skip without it).
    static bool Available();

    bool started() const { return !devicePath_.isEmpty(); }
    // Why it did not start, with what the simulator printed.
    QString error() const { return error_; }
    // The pseudo-terminal the program opens, e.g. /dev/pts/7.
    QString devicePath() const { return devicePath_; }
    // Every request received so far, one a line, without its carriage
    // return; bytes outside printable ASCII appear as \xHH.
    QStringList requests() const;

    // Waits until the simulator has ended by itself (e.g. after --hangup-after).
    bool waitForExit(int ms);
    void stop();

private:
    static QString ProgramPath();
    QString logPath() const;

    QTemporaryDir folder_;
    QProcess process_;
    QString devicePath_;
    QString error_;
};
