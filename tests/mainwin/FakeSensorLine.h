#pragma once
#include "platform/SerialControl.h"

#include <QByteArray>
#include <QList>

#include <functional>

// A serial line with a scripted sensor on the far end: every write is one
// request (its carriage return removed); the sensor's answer bytes then wait
// on the line. `duringWait` runs while a request waits for its answer, as a
// user's click would arrive while the program waits for the sensor.
class FakeSensorLine final : public SerialControl {
public:
    std::function<QByteArray(const QByteArray& request)> respond;   // empty: no answer
    std::function<void(const QByteArray& request)> duringWait;
    QList<QByteArray> requests;

    // Requests that came after `mark` requests (what a command sent).
    QList<QByteArray> requestsSince(qsizetype mark) const { return requests.mid(mark); }

    void SetCommPort(const QString& name) override { name_ = name; }
    QString CommPort() const override { return name_; }
    bool SetPortOpen(bool open) override {
        open_ = open;
        return true;
    }
    bool PortOpen() const override { return open_; }
    int InBufferCount() override { return int(input_.size()); }
    void ClearInBuffer() override { input_.clear(); }
    int OutBufferCount() override { return 0; }
    QByteArray Input() override {
        const QByteArray bytes = input_;
        input_.clear();
        return bytes;
    }
    void Output(const QByteArray& bytes) override;
    bool waitForInput(int ms) override;
    void waitForOutput(int) override {}

private:
    QString name_;
    bool open_ = false;
    QByteArray input_;
};
