// The termios serial port on a pseudo-terminal this test owns.
#include "platform/SerialPort.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// The far end of a pseudo-terminal; the port under test opens its device.
class FarEnd {
public:
    FarEnd() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) device_ = ptsname(master_);
    }
    ~FarEnd() { hangUp(); }
    QString device() const { return device_; }
    void write(const QByteArray& bytes) { ASSERT_EQ(::write(master_, bytes.constData(), size_t(bytes.size())), bytes.size()); }
    QByteArray read() {
        char buffer[4096];
        const ssize_t got = ::read(master_, buffer, sizeof buffer);
        return got > 0 ? QByteArray(buffer, got) : QByteArray();
    }
    void hangUp() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    QString device_;
};

// Takes bytes until count have come or the port has nothing more for a while.
QByteArray take(SerialPort& port, int count) {
    QByteArray bytes;
    while (bytes.size() < count && port.waitForInput(200)) {
        const QByteArray chunk = port.Input();
        EXPECT_LE(chunk.size(), SerialControl::InBufferSize);
        bytes += chunk;
    }
    return bytes;
}

TEST(SerialPort, RefusesWhatIsNoSerialLine) {
    QTemporaryDir folder;
    const QString plainFile = folder.filePath("file");
    QFile(plainFile).open(QIODevice::WriteOnly);
    for (const QString& name : {QString(), QString("/dev/null"), plainFile, folder.filePath("missing")}) {
        SCOPED_TRACE(qPrintable(name));
        SerialPort port;
        port.SetCommPort(name);
        EXPECT_FALSE(port.SetPortOpen(true));
        EXPECT_FALSE(port.PortOpen());
        EXPECT_FALSE(port.lastError().isEmpty());
        EXPECT_EQ(port.InBufferCount(), 0);
        EXPECT_FALSE(port.waitForInput(1));
    }
}

TEST(SerialPort, ExchangesRawBytesBothWays) {
    FarEnd far;
    ASSERT_FALSE(far.device().isEmpty());
    SerialPort port;
    port.SetCommPort(far.device());
    ASSERT_TRUE(port.SetPortOpen(true)) << qPrintable(port.lastError());

    // Raw: no translation of carriage returns, line feeds or high bytes.
    const QByteArray answer("12\r\n\x82\x03\x11\x13", 8);
    far.write(answer);
    EXPECT_EQ(take(port, 8), answer);
    port.Output("ID\r");
    EXPECT_EQ(port.OutBufferCount(), 0);
    EXPECT_EQ(far.read(), "ID\r");

    // More than the input buffer holds comes in pieces, nothing lost.
    const QByteArray burst(1500, 'x');
    far.write(burst);
    EXPECT_EQ(take(port, 1500), burst);

    far.write("stale");
    ASSERT_TRUE(port.waitForInput(200));
    port.ClearInBuffer();
    EXPECT_EQ(port.InBufferCount(), 0);

    // Closing and opening again works although the far end keeps the terminal.
    port.SetPortOpen(false);
    ASSERT_TRUE(port.SetPortOpen(true)) << qPrintable(port.lastError());
}

TEST(SerialPort, FarEndHangingUpClosesThePort) {
    FarEnd far;
    SerialPort port;
    port.SetCommPort(far.device());
    ASSERT_TRUE(port.SetPortOpen(true)) << qPrintable(port.lastError());
    far.hangUp();
    EXPECT_FALSE(port.waitForInput(1000));
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(port.lastError().isEmpty());
    port.Output("ID\r");   // no crash on a port that is gone
    EXPECT_EQ(port.Input(), QByteArray());
}

}  // namespace
