// The platform's serial port on the simulator's pseudo-terminal, without the link layer.
#include "e2e/SimulatedSensor.h"
#include "platform/SerialPort.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Gathers bytes until a carriage return or the deadline.
QByteArray readLine(SerialPort& port, int ms) {
    QByteArray line;
    const QDeadlineTimer deadline(ms);
    while (!line.contains('\r') && !deadline.hasExpired() && port.PortOpen())
        if (port.waitForInput(5)) line += port.Input();
    return line;
}

TEST(SerialPortPty, ExchangesRawBytesAndNoticesTheFarEndGoing) {
    if (!SimulatedSensor::Available()) GTEST_SKIP() << "sensorsim was not built";
    SimulatedSensor sim({"--line", "qf8200", "--status", "SD11=82"});
    ASSERT_TRUE(sim.started()) << qPrintable(sim.error());

    SerialPort port;
    port.SetCommPort(sim.devicePath());
    ASSERT_TRUE(port.SetPortOpen(true)) << qPrintable(port.lastError());
    port.Output("ID\r");
    // Raw line: the carriage return arrives as it is, not as a line feed.
    const QByteArray answer = readLine(port, 2000);
    EXPECT_TRUE(answer.endsWith('\r'));
    EXPECT_TRUE(answer.contains("QF")) << answer.constData();
    port.Output("SD11\r");
    EXPECT_EQ(readLine(port, 2000), "\x82\r");

    // Closed and opened again, the port still works (no exclusive lock left behind).
    port.SetPortOpen(false);
    ASSERT_TRUE(port.SetPortOpen(true)) << qPrintable(port.lastError());
    port.Output("ID\r");
    EXPECT_EQ(readLine(port, 2000), answer);

    sim.stop();
    EXPECT_FALSE(port.waitForInput(1000));
    EXPECT_FALSE(port.PortOpen());
    port.Output("ID\r");   // harmless on a port that is gone
}

}  // namespace
