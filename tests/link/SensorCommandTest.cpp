// The command layer: retries, status bytes, length prefixes, echo fallback,
// offline answers and parameter writes.
#include "link/LinkTestFixture.h"
#include "link/Sensor.h"

namespace {

// A sensor that gives the scripted answers one per request, then silence.
FakeSerialControl::Responder scripted(QList<QByteArray> answers) {
    return [answers](const QByteArray&) mutable { return answers.isEmpty() ? QByteArray() : answers.takeFirst(); };
}

class SensorCommand : public LinkTest {
protected:
    int send(const QString& command, bool useRetries = true) {
        return Sensor::SendCommand(command, answer, bytes, std::nullopt, false, useRetries, true);
    }
    QString answer;
    Ports::AnswerBytes bytes{};
};

TEST_F(SensorCommand, RetriesOnSilenceAndErrorStatus) {
    struct RetryCase {
        const char* name;
        QList<QByteArray> answers;
        bool useRetries;
        int sends;
        int count;
        QByteArray answer;
    };
    const RetryCase cases[] = {
        {"80h is a valid answer", {"\x80\r"}, true, 1, 1, "\x80"},
        {"85h is no error status", {"\x85\r"}, true, 1, 1, "\x85"},
        {"an error (81h..84h), then an answer", {"\x84\r", "OK\r"}, true, 2, 2, "OK"},
        {"82h on every try is handed back", {"\x82\r", "\x82\r"}, true, 2, 1, "\x82"},
        // The refusal is what the sensor said; a lost retry changes nothing.
        {"a silent last try leaves the refusal as the answer", {"\x83\r"}, true, 2, 1, "\x83"},
        // An answer whose carriage return never comes is its try's answer,
        // cut short: the retry's answer is the retry's own.
        {"an answer without carriage return settles its try; the retry answers", {"AB", "QF\r"}, true, 2, 2, "QF"},
        {"no retries asked on an error", {"\x81\r"}, false, 1, 1, "\x81"},
    };
    for (const RetryCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.requests.clear();
        port.respond = scripted(c.answers);
        EXPECT_EQ(send("SD1", c.useRetries), c.count);
        EXPECT_EQ(port.requests, QList<QByteArray>(c.sends, "SD1"));
        EXPECT_EQ(answer.toLatin1(), c.answer);
        if (c.count > 0) {
            EXPECT_EQ(bytes[0], quint8(c.answer[0]));
        }
    }
}

TEST_F(SensorCommand, LengthPrefixes) {
    struct PrefixCase {
        const char* name;
        QString command;
        QByteArray reply;
        QList<QByteArray> requests;
        int count;
        QString answer;
    };
    const PrefixCase cases[] = {
        {"expected length cuts a longer answer", "~3~XYZ", "ABCDE\r", {"XYZ"}, 3, "ABC"},
        {"expected length with a short answer never completes", "~3~XYZ", "A\r", {"XYZ", "XYZ"}, 0, ""},
        {"no second marker: the whole command is the request", "~3XYZ", "ABCDE\r", {"~3XYZ"}, 5, "ABCDE"},
        {"maximum length allows as long", "^6^ID", "ABCDEF\r", {"ID"}, 6, "ABCDEF"},
        {"a prefix alone sends nothing", "~3~", "ABC\r", {}, 0, ""},
    };
    for (const PrefixCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.requests.clear();
        port.respond = [&c](const QByteArray&) { return c.reply; };
        answer = "old";
        bytes.fill(0x55);
        EXPECT_EQ(send(c.command), c.count);
        EXPECT_EQ(port.requests, c.requests);
        EXPECT_EQ(answer, c.answer);
        if (c.requests.isEmpty()) {
            EXPECT_EQ(bytes[0], 0x55);   // nothing sent, nothing touched
        }
    }
}

TEST_F(SensorCommand, OverlongAnswerAfterMaximumLengthIsRefusedOnce) {
    port.respond = [](const QByteArray&) { return QByteArray("ABCDEF\rMORE\r"); };
    EXPECT_EQ(send("^4^ID"), 0);
    EXPECT_EQ(answer, "");
    EXPECT_EQ(port.requests, QList<QByteArray>{"ID"});
    ASSERT_EQ(traffic.size(), 3);
    EXPECT_EQ(traffic[2].Prefix, "A");
    EXPECT_EQ(traffic[2].Text, "ABCDEF");
    EXPECT_FALSE(traffic[2].Dynamic);
    // The rest of the line is thrown away.
    EXPECT_TRUE(Ports::State().RxBuffer.isEmpty());
    EXPECT_EQ(port.InBufferCount(), 0);
}

TEST_F(SensorCommand, EchoModeAddsOneRoundWithThePauseAfterEveryByte) {
    port.echo = true;
    QList<bool> pausing;
    port.respond = [&pausing](const QByteArray&) {
        pausing.append(Ports::EchoWaitAlways());
        return QByteArray();
    };
    Ports::SetEchoMode(true, false);
    EXPECT_EQ(send("ID"), 0);
    EXPECT_EQ(pausing, (QList<bool>{false, false, true, true}));
    EXPECT_TRUE(Ports::EchoMode());
    EXPECT_FALSE(Ports::EchoWaitAlways());

    // One request without retries still gets its second round in echo mode.
    pausing.clear();
    EXPECT_EQ(send("ID", false), 0);
    EXPECT_EQ(pausing, (QList<bool>{false, true}));
}

// With a parameter file open, its lines answer and take the writes, and the
// line stays quiet. A length prefix is no part of the key.
TEST_F(SensorCommand, OfflineAnswersComeFromTheOpenFile) {
    QStringList written;
    const auto read = [](int fileNo, const QString& key) { return QString(fileNo == 7 && key == "SD1" ? "500" : ""); };
    const auto write = [&](int fileNo, const QString& line) { written << QString::number(fileNo) + ':' + line; };
    OfflineAnswers::Install({read, write});
    bytes.fill(0x55);
    for (const auto& [command, count] : {std::pair{"SD1", 3}, {"~3~SD1", 3}, {"SD2", 0}}) {
        EXPECT_EQ(Sensor::SendCommand(command, answer, bytes, 7), count) << command;
        EXPECT_EQ(answer, count ? "500" : "") << command;
    }
    EXPECT_TRUE(Sensor::SetParameter("SD1", "500", 7));
    EXPECT_TRUE(Sensor::SetParameter("^2^SD2", "", 7));
    EXPECT_EQ(written, (QStringList{"7:SD1=500", "7:SD2="}));
    EXPECT_EQ(bytes[0], 0x55);
    EXPECT_TRUE(port.wire.isEmpty());
    EXPECT_TRUE(traffic.isEmpty());
}

TEST_F(SensorCommand, SetParameterWrites) {
    struct WriteCase {
        const char* name;
        QString key;
        QString value;
        QList<QByteArray> answers;
        bool result;
        QList<QByteArray> requests;
        QByteArray answer;
    };
    const WriteCase cases[] = {
        {"an error is tried again", "SD1", "500", {"\x81\r", "\x80\r"}, true, {"SD1,500", "SD1,500"}, "\x80"},
        {"an answer without carriage return settles its try; the retry's refusal tells why", "SD1", "5",
         {"\x80", "\x81\r"}, true, {"SD1,5", "SD1,5"}, "\x81"},
        {"the last refusal tells why", "SD1", "5", {"\x83\r", "\x84\r"}, true, {"SD1,5", "SD1,5"}, "\x84"},
        {"a prefix is removed", "~2~SD1", "500", {"\x80\r"}, true, {"SD1,500"}, "\x80"},
        {"an empty value sends the bare name once", "DEF", "", {"\x80\r"}, true, {"DEF"}, "keep"},
        {"a prefix alone is no name", "^2^", "500", {"\x80\r"}, false, {}, "keep"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.requests.clear();
        port.respond = scripted(c.answers);
        QString result = "keep";
        EXPECT_EQ(Sensor::SetParameter(c.key, c.value, std::nullopt, &result, true), c.result);
        EXPECT_EQ(port.requests, c.requests);
        EXPECT_EQ(result.toLatin1(), c.answer);
    }
}

// A valid answer that is not 80h asks again; after ten tries it gives up.
TEST_F(SensorCommand, SetModeOffRepeatsUntil80h) {
    Options::Current().RetryCount = 1;
    for (const auto& [answers, sends] :
         {std::pair{QList<QByteArray>{"OK\r", "\x80\r"}, 2}, {QList<QByteArray>(20, "\x81\r"), 10}}) {
        port.requests.clear();
        port.respond = scripted(answers);
        Sensor::SetModeOff();
        EXPECT_EQ(port.requests, QList<QByteArray>(sends, "MD,OFF"));
    }
}

}  // namespace
