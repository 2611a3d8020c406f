#pragma once
#include "core/RequestLog.h"
#include "core/Sensor.h"
#include "core/WirePacer.h"

#include <csignal>
#include <cstdint>
#include <deque>

// Serves a simulated sensor on the master side of a pseudo-terminal: reads
// request bytes, hands them to the sensor when they have crossed the
// simulated line, writes the answers as they fall due and keeps the request
// log. Waits in ppoll, so an idle sensor costs no CPU.
class SerialServer {
public:
    // log: the request log, nullptr for none.
    SerialServer(sensorsim::Sensor& sensor, int masterFd, int baud, sensorsim::RequestLog* log);

    enum class End { Stopped, InputClosed, HungUp };

    // Runs until stop is set (by a signal let through waitMask), the watched input (a pipe, -1 for none)
    // reaches its end, or the sensor hangs up; then logs the request the sensor was still receiving.
    End run(const volatile std::sig_atomic_t& stop, int watchedInput, const sigset_t& waitMask);

private:
    End serve(const volatile std::sig_atomic_t& stop, int watchedInput, const sigset_t& waitMask);
    void receiveTheRest();
    struct TimedByte {
        std::int64_t dueNs;
        char byte;
    };

    std::int64_t nowNs() const;
    void deliverReceived(std::int64_t nowNs);
    void advanceSensorTo(std::int64_t ns);
    void queueForSending(const std::string& bytes, std::int64_t readyNs);
    void writeDue(std::int64_t nowNs);
    bool readMaster(std::int64_t nowNs);
    void logRequests();
    std::int64_t wakeAt() const;

    sensorsim::Sensor& sensor_;
    int master_;
    sensorsim::RequestLog* log_;
    sensorsim::WirePacer incoming_;
    sensorsim::WirePacer outgoing_;
    std::deque<TimedByte> received_;
    std::deque<TimedByte> sending_;
    bool writeBlocked_ = false;
    std::int64_t startNs_;
};
