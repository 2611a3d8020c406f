#pragma once
#include <QByteArray>
#include <QString>

// The polled serial control the link layer talks to: no receive events, the
// caller asks how many bytes wait and takes them. The real port is
// SerialPort; tests substitute an in-process fake.
class SerialControl {
public:
    // The port's input and output buffer sizes; one take hands over at most
    // InBufferSize bytes.
    static constexpr int InBufferSize = 1024;
    static constexpr int OutBufferSize = 512;

    virtual ~SerialControl() = default;

    // The port to use at the next open: "COM1", a name in /dev or a device path.
    virtual void SetCommPort(const QString& name) = 0;
    virtual QString CommPort() const = 0;

    // Opens (true) or closes (false) the port. False when the port could not
    // be opened; closing always succeeds.
    virtual bool SetPortOpen(bool open) = 0;
    // False once the port is closed, also when the device went away.
    virtual bool PortOpen() const = 0;

    // Bytes waiting to be taken (0 while closed).
    virtual int InBufferCount() = 0;
    // Throws all waiting input away (InBufferCount = 0).
    virtual void ClearInBuffer() = 0;
    // Bytes handed to Output and not yet on the line.
    virtual int OutBufferCount() = 0;
    // Takes the waiting bytes, at most InBufferSize of them.
    virtual QByteArray Input() = 0;
    virtual void Output(const QByteArray& bytes) = 0;

    // Blocks until input waits, the port closes or ms milliseconds have
    // passed; true when input waits. Lets a polling loop sleep between passes.
    virtual bool waitForInput(int ms) = 0;
    // Blocks until the output is on the line or ms milliseconds have passed.
    virtual void waitForOutput(int ms) = 0;
};
