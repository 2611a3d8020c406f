#pragma once
#include "link/DisplayWindows.h"
#include "link/LinkTestFixture.h"
#include "link/PollCycle.h"
#include "link/ProtFile.h"
#include "link/RecordingEditor.h"
#include "link/SensorState.h"

#include <QMap>
#include <QStringList>

// A distance as the recorders below write it: the number, or "none".
inline QString shown(std::optional<qint32> distance) {
    return distance ? QString::number(*distance) : QStringLiteral("none");
}

// The live windows, recording into one list what the poll cycle hands them.
struct RecordingReadout : DistanceReadoutLink {
    QStringList& calls;
    bool loaded = true;
    explicit RecordingReadout(QStringList& list) : calls(list) {}
    bool Loaded() const override { return loaded; }
    void SetDistance(std::optional<qint32> distance) override { calls << QStringLiteral("Readout(%1)").arg(shown(distance)); }
};

struct RecordingDisplay : SwitchDisplayLink {
    QStringList& calls;
    bool loaded = true;
    explicit RecordingDisplay(QStringList& list) : calls(list) {}
    bool Loaded() const override { return loaded; }
    void SetDistance(std::optional<qint32> distance, qint32 analog, bool fault) override {
        calls << QStringLiteral("Distance(%1,%2,%3)").arg(shown(distance)).arg(analog).arg(fault ? "fault" : "ok");
    }
    void SetState(int state1, int state2) override { calls << QStringLiteral("State(%1,%2)").arg(state1).arg(state2); }
};

// The poll cycle on the fake port: a sensor answering from a table (a
// missing entry is silence), both live windows open and a QF8200 editor
// whose analogue output is off.
class PollTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        Sensor::ResetPollCycleForTests();
        Sensor::ResetProtFileForTests();
        Sensor::ResetStateForTests();
        Sensor::State().SensorLine = "0";
        Sensor::State().SensorFormName = "frmQF8200";
        Sensor::State().SensorForm = &editor;
        editor.data[22] = false;
        Sensor::SetDistanceReadout(&readout);
        Sensor::SetSwitchDisplay(&display);
        port.respond = [this](const QByteArray& request) { return answers.value(request); };
    }

    void TearDown() override {
        Sensor::SetDistanceReadout(nullptr);
        Sensor::SetSwitchDisplay(nullptr);
        Sensor::ResetProtFileForTests();
        Sensor::ResetPollCycleForTests();
        Sensor::ResetStateForTests();
        LinkTest::TearDown();
    }

    // Runs one cycle and answers what went on the wire. Its traffic is
    // cyclic: the monitor shows it only with "dynamische Daten" checked.
    QStringList poll() {
        port.requests.clear();
        traffic.clear();
        Sensor::PollSensor();
        for (const TrafficLogLine& line : traffic) EXPECT_TRUE(line.Dynamic) << qPrintable(line.Prefix + line.Text);
        QStringList texts;
        for (const QByteArray& request : port.requests) texts << QString::fromLatin1(request);
        return texts;
    }

    QMap<QByteArray, QByteArray> answers;
    QStringList calls, editorCalls;
    RecordingEditor editor{"frmQF8200", &editorCalls};
    RecordingReadout readout{calls};
    RecordingDisplay display{calls};
};
