#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A tools/sensorsim process serving one simulated sensor on a
// pseudo-terminal, for end-to-end tests. It always keeps a request log in a
// temporary folder. The process stops when the object goes away.
//
//   SimulatedSensor sim({"--line", "qf8200", "--drop-every", "2"});
//   ASSERT_TRUE(sim.started()) << qPrintable(sim.error());
//   ... open sim.devicePath() ...
//   EXPECT_EQ(sim.requests(), QStringList({"ID"}));
class SimulatedSensor {
public:
    explicit SimulatedSensor(const QStringList& arguments);
    ~SimulatedSensor();
    SimulatedSensor(const SimulatedSensor&) = delete;
    SimulatedSensor& operator=(const SimulatedSensor&) = delete;

    // The simulator was built (tests skip without it).
    static bool Available();
    static QString ProgramPath();

    bool started() const { return !devicePath_.isEmpty(); }
    // Why it did not start, with what the simulator printed.
    QString error() const { return error_; }
    // The pseudo-terminal the program opens, e.g. /dev/pts/7.
    QString devicePath() const { return devicePath_; }
    QString logPath() const;

    // Every request received so far, one a line, without its carriage
    // return; bytes outside printable ASCII appear as \xHH.
    QStringList requests() const;

    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Waits until the simulator has ended by itself (e.g. after --hangup-after).
    bool waitForExit(int ms);
    void stop();

private:
    QTemporaryDir folder_;
    QProcess process_;
    QString devicePath_;
    QString error_;
};
