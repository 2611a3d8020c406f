// A sensor that answers later than the answer timeout, through the real
// serial code: what is read from it holds its own values only, so a full
// write afterwards sends no record another record's value.
#include "e2e/EditorE2E.h"
#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200/frmQF8200.h"
#include "link/SensorCommands.h"
#include "link/SensorDetection.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>

namespace {

// Late by a fifth of the timeout: like 150 ms against 100 ms, the answer
// comes after its wait has run out, at a scale that keeps the test quick and
// leaves room for a busy machine.
constexpr int TimeoutMs = 40;
const QString Lateness = QStringLiteral("48");

// The parameter writes among requests, by key.
QMap<QString, QString> writesAmong(const QStringList& requests) {
    QMap<QString, QString> written;
    for (const QString& request : requests) {
        const qsizetype comma = request.indexOf(',');
        if (comma > 0) written.insert(request.left(comma), request.mid(comma + 1));
    }
    return written;
}

using LateSensorE2E = EditorE2E;

TEST_F(LateSensorE2E, FullWriteSendsOnlyTheSensorsOwnValues) {
    windows.write(Options::SettingsFile, "[Settings]\nDetectTimeout=" + QByteArray::number(TimeoutMs) + "\n");
    // What a sensor that answers in time gets written back: its own values.
    ASSERT_NE(Detect<frmQF8200>(RegisterQF8200Editor, {"--line", "qf8200"}), nullptr);
    ASSERT_EQ(Ports::AnswerTimeout(), TimeoutMs);
    qsizetype mark = sim->requests().size();
    Sensor::SensorWriteData();
    const QMap<QString, QString> own = writesAmong(sim->requests().mid(mark));
    ASSERT_FALSE(own.isEmpty());
    Ports::ClosePort();

    // The same sensor, late, is read; the port's name stays while the device
    // behind it changes.
    QTemporaryDir dir;
    const QString portName = dir.filePath("ttySensor");
    auto late = std::make_unique<SimulatedSensor>(QStringList{"--line", "qf8200", "--delay-ms", Lateness});
    ASSERT_TRUE(late->started()) << qPrintable(late->error());
    ASSERT_TRUE(QFile::link(late->devicePath(), portName));
    QString name = portName;
    Ports::SetPort(name);
    Sensor::DetectSensor();
    ASSERT_EQ(Sensor::State().SensorFormName, "frmQF8200");
    EXPECT_EQ(messages.count(), 0);

    // What was read goes to a sensor that answers in time, so that only the
    // values read show in what is written.
    late.reset();
    SimulatedSensor target({"--line", "qf8200"});
    ASSERT_TRUE(target.started()) << qPrintable(target.error());
    QFile::remove(portName);
    ASSERT_TRUE(QFile::link(target.devicePath(), portName));
    ASSERT_TRUE(Sensor::IsSensorConnected());
    mark = target.requests().size();
    Sensor::SensorWriteData();
    const QMap<QString, QString> written = writesAmong(target.requests().mid(mark));

    QStringList wrong;
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        if (own.value(it.key()) != it.value()) wrong << it.key() + "," + it.value() + " (own: " + own.value(it.key()) + ")";
    EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join("; "));
    EXPECT_FALSE(written.isEmpty());
}

}  // namespace
