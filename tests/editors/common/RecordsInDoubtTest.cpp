// Values taken while the line was out of step, through the real command
// layer on the test clock: a line more than was asked for shifts answers
// onto the wrong records. Whatever path the value took (a re-read that got
// no answer, a re-read walk the user aborted, a chain walk after a typed
// command), it is never kept as read: it is read again once, or left not
// read and named.
#include "editors/EditorTestSupport.h"
#include "editors/common/ParamEditorModel.h"
#include "link/LinkTestFixture.h"
#include "link/Sensor.h"
#include "support/InTurnSensor.h"

#include <QMap>

namespace {

enum { K1 = 1, K2, K3, K4 };

class RecordsInDoubt : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        Ports::SetTimeout(100);
        Sensor::ResetStateForTests();
        // K1 is the start of a chain K1 -> K2 -> K3.
        model.Build({ParamRow(1, "K1").WithLinks(K2, 0), ParamRow(2, "K2").WithLinks(0, K3), ParamRow(3, "K3"),
                     ParamRow(4, "K4")});
    }
    void TearDown() override {
        Sensor::ResetStateForTests();
        TimedLinkTest::TearDown();
    }

    // The sensor's own value of a record: "K2" -> "2222".
    static QByteArray own(const QByteArray& request) { return request.mid(1).repeated(4); }

    // How the sensor answers the nth request (from 1) of a key: as it is,
    // split by a noise carriage return after two bytes, not at all, as
    // noise, or with a line nobody asked for just before it.
    enum class Fault { None, Split, Drop, Noise, StrayBefore };
    QMap<QByteArray, QMap<int, Fault>> faults;
    QMap<QByteArray, int> asked;
    InTurnSensor sensor{port, [this](const QByteArray& request) {
                            const Fault fault = faults.value(request).value(++asked[request], Fault::None);
                            // A write is taken: the sensor holds what it had, its own value.
                            QByteArray answer = request.contains(',') ? QByteArray("\x80\r") : own(request) + '\r';
                            InTurnSensor::Handling handling{answer, 5};
                            if (fault == Fault::Split) handling.answer.insert(2, '\r');
                            if (fault == Fault::Drop) handling.answer.clear();
                            if (fault == Fault::Noise) handling.answer = "x#\r";
                            if (fault == Fault::StrayBefore) handling.unasked.append({-2, "7\r"});
                            return handling;
                        }};

    void readAll() {
        FakeProgress progress;
        model.ReadAll(std::nullopt, progress);
    }

    // The records that hold another record's value, or a part of one.
    QStringList strangers() const {
        QStringList found;
        for (int i = K1; i <= K4; ++i) {
            const QString value = model[i].Value;
            if (!value.isEmpty() && value != QString::fromLatin1(own(model[i].Key.toLatin1())))
                found << model[i].Key + "=" + value;
        }
        return found;
    }

    QStringList boxTexts() const {
        QStringList texts;
        for (const MsgBox::Request& box : messages.shown()) texts << box.text;
        return texts;
    }

    ScriptedMessages messages;
    ParamEditorModel model{10};
};

// After a typed "K1" the chain K1, K2, K3 is read again; K1's answer comes in
// two lines, which shifts K2's and K3's. Read once more, K1 gets no answer
// on either try: the shifted value it held is not kept.
TEST_F(RecordsInDoubt, AReReadWithoutAnswerKeepsNoShiftedValue) {
    readAll();
    ASSERT_TRUE(strangers().isEmpty());
    faults["K1"] = {{2, Fault::Split}, {3, Fault::Drop}, {4, Fault::Drop}};
    model.InterpretCommand("K1");
    EXPECT_TRUE(strangers().isEmpty()) << qPrintable(strangers().join(", "));
    EXPECT_EQ(model[K1].Value, "");
    EXPECT_EQ(model[K2].Value, "2222");
    EXPECT_EQ(model[K3].Value, "3333");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.shown().first().text.contains("<K1>")) << qPrintable(messages.shown().first().text);
}

// A line nobody asked for comes just before K2's answer: K2, K3 and K4 are
// shifted. The read again of K2 is answered with noise, and the user aborts
// there: the records not read again yet keep nothing shifted either.
TEST_F(RecordsInDoubt, AnAbortInTheReadAgainKeepsNoShiftedValue) {
    faults["K2"] = {{1, Fault::StrayBefore}, {2, Fault::Noise}};
    messages.answer(MsgBox::Abort);
    readAll();
    EXPECT_TRUE(strangers().isEmpty()) << qPrintable(strangers().join(", "));
    EXPECT_EQ(model[K1].Value, "1111");
}

// A form failure that the shift explains asks nothing: the record is read
// again with the others and shows its own value.
TEST_F(RecordsInDoubt, AShiftedAnswerOfTheWrongFormAsksNoOne) {
    faults["K2"] = {{1, Fault::StrayBefore}};
    faults["K3"] = {{1, Fault::Noise}};   // K4 takes it
    readAll();
    EXPECT_TRUE(strangers().isEmpty()) << qPrintable(strangers().join(", "));
    EXPECT_EQ(messages.count(), 0) << qPrintable(boxTexts().join(" / "));
    for (int i = K1; i <= K4; ++i) EXPECT_EQ(model[i].Value, QString::fromLatin1(own(model[i].Key.toLatin1())));
}

// A shift during the chain walk after a typed command is read again too.
TEST_F(RecordsInDoubt, AShiftInAChainWalkIsReadAgain) {
    readAll();
    faults["K2"] = {{2, Fault::Split}};
    model.InterpretCommand("K1");
    EXPECT_TRUE(strangers().isEmpty()) << qPrintable(strangers().join(", "));
    EXPECT_EQ(model[K2].Value, "2222");
    EXPECT_EQ(model[K3].Value, "3333");
    EXPECT_EQ(messages.count(), 0);
}

// The line's own reads after the records (a search through memory cells) are
// made once more when their answers were shifted; shifted again, the line
// goes back to what it holds without them.
TEST_F(RecordsInDoubt, TheLinesOwnReadsShiftedTwiceAreNotTrusted) {
    for (const int shifted : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "shifted " << shifted << " times");
        QStringList cells;
        bool unsure = false;
        model.SetAfterSensorRead(
            1,
            [&](TransferProgress&) {
                QString answer;
                Ports::AnswerBytes bytes{};
                Sensor::SendCommand("K9", answer, bytes);
                cells << answer;
            },
            [&] { unsure = true; });
        asked.clear();
        faults = {{"K9", {{1, Fault::Split}, {2, shifted == 2 ? Fault::Split : Fault::None}}}};
        readAll();
        EXPECT_EQ(cells, (QStringList{"99", shifted == 2 ? "99" : "9999"}));
        EXPECT_EQ(unsure, shifted == 2);
        EXPECT_TRUE(strangers().isEmpty()) << qPrintable(strangers().join(", "));
    }
}

// A full write whose answer is split by a noise carriage return: the answers
// after it may be shifted. A write is judged by what the sensor holds, read
// with the line's guard, as an edit is: nothing is reported, nothing written
// twice.
TEST_F(RecordsInDoubt, AWriteWithAShiftedAnswerIsJudgedByWhatTheSensorHolds) {
    readAll();
    faults["K2,2222"] = {{1, Fault::Split}};
    port.requests.clear();
    FakeProgress progress;
    model.WriteAll(std::nullopt, progress);
    EXPECT_EQ(messages.count(), 0) << qPrintable(boxTexts().join(" / "));
    EXPECT_EQ(port.requests.count("K2,2222"), 1);
    EXPECT_EQ(port.requests.count("K4,4444"), 1);
}

}  // namespace
