#pragma once
#include "platform/SerialControl.h"

#include <QByteArray>
#include <QString>

// The real serial port over POSIX termios: 9600 baud, 8 data bits, no
// parity, 1 stop bit, no handshake, raw bytes, on the device that
// SerialPorts::DevicePath gives for the port name. Polled: nothing happens
// unless the caller asks. A device that goes away while open (a pulled
// adapter, the far end of a pseudo-terminal closing) closes the port.
class SerialPort final : public SerialControl {
public:
    SerialPort() = default;
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    void SetCommPort(const QString& name) override { name_ = name; }
    QString CommPort() const override { return name_; }
    bool SetPortOpen(bool open) override;
    bool PortOpen() const override { return fd_ >= 0; }
    int InBufferCount() override;
    void ClearInBuffer() override;
    int OutBufferCount() override;
    QByteArray Input() override;
    void Output(const QByteArray& bytes) override;
    bool waitForInput(int ms) override;
    void waitForOutput(int ms) override;

    // Why the last open failed, or why the port closed by itself.
    QString lastError() const { return lastError_; }

private:
    bool open();
    void close();
    // The device is gone: close and remember why.
    void lose(const char* what);
    // Hands bytes the driver could not take at once to the driver.
    void pushPending();

    QString name_;
    int fd_ = -1;
    QByteArray pending_;   // output the driver has not accepted yet
    QString lastError_;
};
