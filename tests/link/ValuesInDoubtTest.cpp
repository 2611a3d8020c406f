// Values other than records that the line takes: the identification texts
// and a poll round. Each answer is judged by the stretch it came in, not by
// the stretch the line is in once the last one has come.
#include "link/PollFixture.h"
#include "link/SensorDetection.h"
#include "support/InTurnSensor.h"

#include <QMap>

namespace {

constexpr int Timeout = 100;

// A sensor answering in turn from a table (a missing entry is silence), with
// faults placed on the nth request (from 1) of a request text.
class ValuesInDoubt : public TimedLinkTest {
protected:
    // Late: answered 1.5 s late, past the time after which a try counts as lost.
    enum class Fault { None, Drop, StrayAfter, Late };

    void SetUp() override {
        TimedLinkTest::SetUp();
        Ports::SetTimeout(Timeout);
        Sensor::ResetStateForTests();
    }
    void TearDown() override {
        Sensor::ResetStateForTests();
        TimedLinkTest::TearDown();
    }

    QMap<QByteArray, QByteArray> answers;
    QMap<QByteArray, QMap<int, Fault>> faults;
    QMap<QByteArray, int> asked;
    InTurnSensor sensor{port, [this](const QByteArray& request) {
                            const Fault fault = faults.value(request).value(++asked[request], Fault::None);
                            InTurnSensor::Handling handling{answers.value(request), fault == Fault::Late ? 1500 : 5.0};
                            if (fault == Fault::Drop) handling.answer.clear();
                            if (fault == Fault::StrayAfter) handling.unasked.append({1, "1\r"});
                            return handling;
                        }};
};

// "ID" comes in two lines; both tries of "VER" go unanswered, and the line is
// quiet long before "DAT" is asked. The identification was taken before all
// that, in a stretch the second half of "ID" proved out of step.
TEST_F(ValuesInDoubt, AnIdentificationTakenOutOfStepIsKnownSo) {
    answers = {{"ID", "Q&B QF8200-62 Eprom: E1 Version: 2\r.1\r"}, {"DAT", "Date: 01.02.03 Time: 10:00\r"}};
    Sensor::ReadSensorIdent();
    ASSERT_EQ(Sensor::State().IdAnswer, "Q&B QF8200-62 Eprom: E1 Version: 2");
    EXPECT_TRUE(Sensor::IdentTakenOutOfStep());
}

class PollInDoubt : public ValuesInDoubt {
protected:
    void SetUp() override {
        ValuesInDoubt::SetUp();
        Sensor::ResetPollCycleForTests();
        Sensor::State().SensorLine = "0";
        Sensor::State().SensorFormName = "frmQF8200";
        Sensor::State().SensorForm = &editor;
        editor.data[22] = true;   // the analogue output is in use: "RD" is asked too
        Sensor::SetDistanceReadout(&readout);
        Sensor::SetSwitchDisplay(&display);
    }
    void TearDown() override {
        Sensor::SetDistanceReadout(nullptr);
        Sensor::SetSwitchDisplay(nullptr);
        Sensor::ResetPollCycleForTests();
        ValuesInDoubt::TearDown();
    }

    QStringList calls, editorCalls;
    RecordingEditor editor{"frmQF8200", &editorCalls};
    RecordingReadout readout{calls};
    RecordingDisplay display{calls};
};

// A line nobody asked for right behind the answer to "SS1" is taken for the
// answer to "SS2", whose own answer comes long after its try was given up:
// by then "RD" was given up too, and the line had long been quiet. The
// round shows nothing it took.
TEST_F(PollInDoubt, ARoundHitOnceShowsNoReading) {
    answers = {{"AD", "1234\r"}, {"SS1", "0\r"}, {"SS2", "0\r"}, {"RD", "567\r"}};
    Sensor::PollSensor();
    ASSERT_EQ(calls, QStringList({"Readout(1234)", "Distance(1234,567,ok)", "State(0,0)"}));
    calls.clear();
    faults = {{"SS1", {{2, Fault::StrayAfter}}}, {"SS2", {{2, Fault::Late}}}};
    Sensor::PollSensor();
    EXPECT_EQ(calls, QStringList({"Readout(none)", "Distance(none,0,ok)", "State(-1,-1)"}));
}

}  // namespace
