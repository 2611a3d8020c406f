// The serial layer and the command layer against the simulated sensor on a
// pseudo-terminal, through the real serial port.
#include "e2e/SimulatorTest.h"
#include "link/Sensor.h"
#include "support/ScriptedMessages.h"

namespace {

class SerialLinkE2E : public SimulatorTest {
protected:
    int send(const QString& command) { return Sensor::SendCommand(command, answer, bytes, std::nullopt, false, true, true); }

    ScriptedMessages messages{{}, MsgBox::Cancel};
    QString answer;
    Ports::AnswerBytes bytes{};
};

TEST_F(SerialLinkE2E, FaultsOfTheSensor) {
    struct Exchange {
        QString command;
        int count;   // -1: whatever comes
    };
    struct FaultCase {
        QStringList flags;
        QList<Exchange> exchanges;
        QStringList log;
    };
    // The last exchange of each case reads SD11, whose value is "1000". The
    // unit tests hold the rules; these are the faults a real line adds.
    const FaultCase cases[] = {
        // The third answer is garbage (tried again when it starts like a status byte).
        {{"--garbage-every", "3"}, {{"SD11", 4}, {"SD11", 4}, {"SD11", -1}, {"SD11", 4}}, {}},
        {{"--long-answer", "ID"}, {{"ID", Ports::AnswerSize}, {"^50^ID", 0}, {"SD11", 4}}, {"ID", "ID", "SD11"}},
        // Bytes 20 ms apart fit the 100 ms timeout, which counts from the last byte.
        {{"--trickle-ms", "20"}, {{"SD11", 4}}, {"SD11"}},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(qPrintable(c.flags.join(' ')));
        ASSERT_NO_FATAL_FAILURE(connect(QStringList{"--line", "qf8200"} + c.flags));
        for (const Exchange& e : c.exchanges) {
            const int count = send(e.command);
            if (e.count >= 0) {
                EXPECT_EQ(count, e.count) << qPrintable(e.command);
            }
            EXPECT_FALSE(answer.contains('\r'));
        }
        EXPECT_EQ(answer, "1000");
        if (!c.log.isEmpty()) {
            EXPECT_EQ(sim->requests(), c.log);
        }
        Ports::ClosePort();
    }
}

TEST_F(SerialLinkE2E, HangupEndsTheWaitAndTheNextSetPortReports) {
    ASSERT_NO_FATAL_FAILURE(connect({"--line", "qf8200", "--hangup-after", "1"}));
    // Long waits: only noticing the hang-up ends them early.
    Ports::SetTimeout(10000);
    // The answer and the hang-up race; a hang-up empties the terminal's
    // input, so the answer may be lost with it.
    send("SD11");
    ASSERT_TRUE(sim->waitForExit(5000));
    EXPECT_EQ(send("SD11"), 0);
    EXPECT_FALSE(Ports::PortOpen());

    QString same = sim->devicePath();
    Ports::SetPort(same);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains("seriellen Schnittstelle"));
    EXPECT_FALSE(Ports::PortOpen());
}

}  // namespace
