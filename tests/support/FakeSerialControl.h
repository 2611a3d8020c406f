#pragma once
#include "platform/SerialControl.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <functional>

// An in-process stand-in for the serial port. What the program writes is
// recorded and handed, request by request, to a scripted sensor whose answer
// bytes then wait on the line. Outside echo mode each write is one request
// (its carriage return removed); with `echo` set every byte comes straight
// back and a request ends at its carriage return.
class FakeSerialControl final : public SerialControl {
public:
    // The sensor's answer bytes to one request; empty = no answer.
    using Responder = std::function<QByteArray(const QByteArray& request)>;

    Responder respond;
    // Runs as each request reaches the sensor, before its answer: a user's
    // click that arrives while the program waits for the sensor.
    std::function<void(const QByteArray& request)> duringWait;
    bool echo = false;
    int answerDelayMs = 0;     // answers arrive this long after their request
    int failingOpens = 0;      // opens that fail before one succeeds
    // Bytes that keep coming whenever the line is found empty (a babbling device).
    std::function<QByteArray()> babble;

    // Bytes the sensor sends now, or after ms (they arrive during a wait).
    void arrive(const QByteArray& bytes) { input_.append(bytes); }
    void arriveLater(int ms, const QByteArray& bytes);
    // The device goes away: the port closes by itself.
    void vanish() { open_ = false; }

    QByteArray wire;             // every byte written, in order
    QList<QByteArray> requests;  // the requests as the sensor saw them
    // The requests after the first `mark` (what one command sent).
    QList<QByteArray> requestsSince(qsizetype mark) const { return requests.mid(mark); }
    int opens = 0;               // successful opens
    QString openedName;          // CommPort at the last open

    void SetCommPort(const QString& name) override { name_ = name; }
    QString CommPort() const override { return name_; }
    bool SetPortOpen(bool open) override;
    bool PortOpen() const override { return open_; }
    int InBufferCount() override;
    void ClearInBuffer() override { input_.clear(); }
    int OutBufferCount() override { return 0; }
    QByteArray Input() override;
    void Output(const QByteArray& bytes) override;
    bool waitForInput(int ms) override;
    void waitForOutput(int) override {}

private:
    void requestComplete(const QByteArray& request);

    // Owns the timers of late arrivals, so that none outlives the fake and
    // lands in a later test.
    QObject arrivals_;
    QString name_;
    bool open_ = false;
    QByteArray input_;
    QByteArray partial_;   // echo mode: the request so far
};
