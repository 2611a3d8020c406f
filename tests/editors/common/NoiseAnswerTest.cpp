// Answers that a record cannot hold, coming over the serial line through the
// command layer as any answer does: line noise, or digits run into noise.
// They are no value: the record is not read, and the user is told which.
#include "editors/EditorTestSupport.h"
#include "editors/common/ParamEditorModel.h"
#include "frame/Options.h"
#include "link/OfflineAnswers.h"
#include "link/Ports.h"
#include "support/FakeSerialControl.h"

namespace {

enum { SD11 = 1, OPM, NDE };

class NoiseAnswerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Options::ResetForTests();
        Options::Current().RetryCount = 1;
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        Ports::InitPort(&port, nullptr);
        QString name = QStringLiteral("COM1");
        Ports::SetPort(name);
        Ports::SetTimeout(30);
        port.respond = [this](const QByteArray& request) -> QByteArray {
            if (request.contains(',')) return "\x80\r";   // every write is taken
            return answers.value(request) + '\r';
        };
        OfflineAnswers::Install({[](int, const QString&) { return QString(); },
                                 [this](int, const QString& line) { fileLines.append(line); }});
        model.Build({ParamRow(1009, "SD11"), ParamRow(1015, "OPM").WithForm("[SWRHL]{1,2}"), ParamRow(1027, "NDE")});
    }
    void TearDown() override {
        OfflineAnswers::Install({});
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        Options::ResetForTests();
    }

    // The requests the sensor saw since the last call.
    QStringList requests() {
        QStringList texts;
        for (const QByteArray& request : port.requests) texts.append(QString::fromLatin1(request));
        port.requests.clear();
        return texts;
    }

    TempWindowsFolder windows;
    FakeSerialControl port;
    QHash<QByteArray, QByteArray> answers{{"SD11", "1000"}, {"OPM", "WR"}, {"NDE", "300"}};
    QStringList fileLines;
    ScriptedMessages messages{{}, MsgBox::Ignore};
    FakeProgress progress;
    ParamEditorModel model{10};
};

// A read of the whole data set asks Abort/Retry/Ignore as for a failed read
// and goes on after Ignore; the record is then neither written back to the
// sensor nor saved with a value. The read-back after an edit names the record
// as a failed read-back does.
TEST_F(NoiseAnswerTest, ARecordAnsweredWithWhatItCannotHoldIsNotRead) {
    struct Case { const char* what; int record; QByteArray answer; } const cases[] = {
        {"noise for a number", SD11, "Y\xAB" "f\xEF"},
        {"a number run into noise", SD11, "1000\xFF\xB8"},
        {"letters for a number", SD11, "ABC"},
        {"noise for a text", OPM, "\xFFW\xB8"},
        {"a text of letters it has none of", OPM, "XY"},
    };
    const auto sensorValues = answers;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString key = model[c.record].Key;
        const QString told = MessageText(11, key + QStringLiteral("|ungültige Antwort"));
        answers[key.toLatin1()] = c.answer;
        const int before = messages.count();
        model.ReadAll(std::nullopt, progress);
        EXPECT_EQ(requests(), QStringList({"SD11", "OPM", "NDE"}));
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_EQ(messages.shown().last().text, told);
        EXPECT_EQ(messages.shown().last().style & 0xF, MsgBox::AbortRetryIgnore);
        EXPECT_FALSE(model.IsValid(c.record));
        EXPECT_TRUE(model.IsValid(NDE));

        model.WriteAll(std::nullopt, progress);
        EXPECT_FALSE(requests().join(' ').contains(key + ','));
        fileLines.clear();
        model.WriteAll(3, progress);
        EXPECT_TRUE(fileLines.contains(key + '=')) << fileLines.join(' ').toStdString();

        answers = sensorValues;
        model.ReadAll(std::nullopt, progress);
        answers[key.toLatin1()] = c.answer;
        model.Commit(c.record, c.record == SD11 ? "600" : "SS", true);
        ASSERT_EQ(messages.count(), before + 2);
        EXPECT_EQ(messages.shown().last().text, told);
        EXPECT_FALSE(model.IsValid(c.record));
        answers = sensorValues;
        requests();
    }
}

}  // namespace
