#pragma once
#include "platform/SerialControl.h"
#include "platform/SystemClock.h"

#include <QByteArray>
#include <QList>
#include <functional>

// An in-process stand-in for the serial port. What the program writes is
// recorded and handed, request by request, to a scripted sensor whose answer
// bytes then wait on the line. Outside echo mode each write is one request
// (its carriage return removed); with `echo` set every byte comes straight
// back and a request ends at its carriage return.
//
// Everything on the line happens at a time on `clock`: answers that come
// late, bytes that drain at the line's speed. With a TestClock the program's
// waits on the port move that clock, so a test of timing runs at once.
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
    // 0: what is written is on the line at once. Otherwise it drains at this
    // speed (10 bits a byte), and a request reaches the sensor when its last
    // byte has crossed.
    int baud = 0;
    SystemClock::Source* clock = &SystemClock::Machine();

    // A window event (a click, a timer) that comes ms from now: it runs at the
    // program's next pass of window events after that time.
    void eventLater(double ms, std::function<void()> event) { events_.append({now() + ms, std::move(event)}); }

    // Bytes the sensor sends now, or ms from now (they arrive during a wait).
    void arrive(const QByteArray& bytes) { input_.append(bytes); }
    void arriveLater(double ms, const QByteArray& bytes) { schedule(now() + ms, bytes); }
    // The device goes away: the port closes by itself.
    void vanish() { open_ = false; }

    QByteArray wire;             // every byte written, in order
    QList<double> outputTimes;   // when each write came, on the clock (ms)
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
    void ClearInBuffer() override;
    int OutBufferCount() override;
    QByteArray Input() override;
    void Output(const QByteArray& bytes) override;
    bool waitForInput(int ms) override;
    void waitForOutput(int ms) override;

private:
    struct Arrival {
        double at;
        QByteArray bytes;
    };
    struct Write {
        double doneAt;   // its last byte has crossed the line
        QByteArray bytes;
    };

    double now() const { return SystemClock::Milliseconds(*clock); }
    double byteMs() const { return 10.0 * 1000.0 / baud; }
    // Everything due by now: written bytes that crossed, answers that came.
    void runLine();
    // When the next thing happens on the line; infinity when nothing will.
    double nextEvent() const;
    void schedule(double at, const QByteArray& bytes);
    void crossed(const QByteArray& bytes, double at);
    void requestComplete(const QByteArray& request, double at);

    QString name_;
    bool open_ = false;
    QByteArray input_;
    QByteArray partial_;   // echo mode: the request so far
    QList<Arrival> arrivals_;
    QList<Write> draining_;
    struct Event {
        double at;
        std::function<void()> event;
    };
    QList<Event> events_;
};
