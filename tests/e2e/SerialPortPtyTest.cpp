// The platform's serial port on the simulator's pseudo-terminal, without the link layer.
#include "e2e/SimulatedSensor.h"
#include "platform/SerialPort.h"

#include <QDeadlineTimer>
#include <gtest/gtest.h>

namespace {

// Gathers bytes until a carriage return or the deadline.
QByteArray readLine(SerialPort& port, int ms) {
    QByteArray line;
    const QDeadlineTimer deadline(ms);
    while (!line.contains('\r') && !deadline.hasExpired()) {
        if (port.waitForInput(5)) line += port.Input();
        if (!port.PortOpen()) break;
    }
    return line;
}

TEST(SerialPortPty, ExchangesIdWithTheSimulator) {
    if (!SimulatedSensor::Available()) GTEST_SKIP() << "sensorsim was not built";
    SimulatedSensor sim({"--line", "qf8200"});
    ASSERT_TRUE(sim.started()) << qPrintable(sim.error());

    SerialPort port;
    port.SetCommPort(sim.devicePath());
    ASSERT_TRUE(port.SetPortOpen(true)) << qPrintable(port.lastError());
    port.Output("ID\r");
    const QByteArray answer = readLine(port, 2000);
    EXPECT_TRUE(answer.endsWith('\r'));
    EXPECT_TRUE(answer.contains("QF")) << answer.constData();
    EXPECT_EQ(port.InBufferCount(), 0);

    // Closed and opened again, the port still works (no exclusive lock left behind).
    port.SetPortOpen(false);
    ASSERT_TRUE(port.SetPortOpen(true)) << qPrintable(port.lastError());
    port.Output("ID\r");
    EXPECT_EQ(readLine(port, 2000), answer);

}

}  // namespace
