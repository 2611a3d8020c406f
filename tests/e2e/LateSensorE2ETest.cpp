// A sensor that answers later than the answer timeout, through the real
// serial code: what is read and then written back holds the sensor's own
// values only, never the value of another record.
#include "e2e/EditorE2E.h"
#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200/frmQF8200.h"
#include "link/SensorCommands.h"

#include <QMap>

namespace {

// Half a timeout late: the same proportions as 150 ms against the default
// 100 ms, at a scale that keeps the test quick.
constexpr int TimeoutMs = 40;
const QString Lateness = QStringLiteral("60");

class LateSensorE2E : public EditorE2E {
protected:
    // Detects a simulated QF8200, writes everything back and returns what
    // went out, by key.
    QMap<QString, QString> readAndWriteBack(const QStringList& simulatorFlags) {
        Sensor::ResetStateForTests();
        if (!Detect<frmQF8200>(RegisterQF8200Editor, QStringList{"--line", "qf8200"} + simulatorFlags)) return {};
        EXPECT_EQ(Ports::AnswerTimeout(), TimeoutMs);
        const qsizetype mark = sim->requests().size();
        Sensor::SensorWriteData();
        QMap<QString, QString> written;
        for (const QString& request : sim->requests().mid(mark)) {
            const qsizetype comma = request.indexOf(',');
            if (comma > 0) written.insert(request.left(comma), request.mid(comma + 1));
        }
        Ports::ClosePort();
        return written;
    }
};

TEST_F(LateSensorE2E, FullWriteSendsOnlyTheSensorsOwnValues) {
    windows.write(Options::SettingsFile, "[Settings]\nDetectTimeout=" + QByteArray::number(TimeoutMs) + "\n");
    // What a sensor that answers in time gets written back: its own values.
    const QMap<QString, QString> own = readAndWriteBack({});
    ASSERT_FALSE(own.isEmpty());

    const QMap<QString, QString> written = readAndWriteBack({"--delay-ms", Lateness});

    QStringList wrong;
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        if (own.value(it.key()) != it.value()) wrong << it.key() + "," + it.value() + " (own: " + own.value(it.key()) + ")";
    EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join("; "));
    EXPECT_FALSE(written.isEmpty());
}

}  // namespace
