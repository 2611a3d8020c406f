#include "app/SerialServer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <limits>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::int64_t NsPerMs = 1'000'000;
// A client that stops reading for minutes loses the oldest bytes, as a full receive buffer would.
constexpr std::size_t MaxPendingBytes = 64 * 1024;

std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

SerialServer::SerialServer(sensorsim::Sensor& sensor, int masterFd, int baud, sensorsim::RequestLog* log)
    : sensor_(sensor), master_(masterFd), log_(log), incoming_(baud), outgoing_(baud), startNs_(steadyNs()) {}

std::int64_t SerialServer::nowNs() const { return steadyNs() - startNs_; }

SerialServer::End SerialServer::run(const volatile std::sig_atomic_t& stop, int watchedInput,
                                    const sigset_t& waitMask) {
    const End end = serve(stop, watchedInput, waitMask);
    receiveTheRest();
    if (log_) log_->writeCut(sensor_.cutLine());
    return end;
}

void SerialServer::receiveTheRest() {
    // The log is to hold everything the client wrote before the end, however closely the end followed: the
    // bytes still waiting in the terminal or on their way across the line reach the sensor first.
    std::size_t before;
    do before = received_.size();
    while (readMaster(nowNs()) && received_.size() > before);
    if (!received_.empty()) deliverReceived(received_.back().dueNs);
}

SerialServer::End SerialServer::serve(const volatile std::sig_atomic_t& stop, int watchedInput,
                                      const sigset_t& waitMask) {
    while (!stop) {
        const std::int64_t now = nowNs();
        deliverReceived(now);
        advanceSensorTo(now);
        writeDue(now);
        if (sensor_.hungUp() && sending_.empty()) return End::HungUp;

        pollfd fds[2] = {{master_, static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0},
                         {watchedInput, POLLIN, 0}};
        const std::int64_t waitNs = std::max<std::int64_t>(0, wakeAt() - nowNs());
        timespec timeout{static_cast<time_t>(waitNs / 1'000'000'000), static_cast<long>(waitNs % 1'000'000'000)};
        const bool forever = wakeAt() == std::numeric_limits<std::int64_t>::max();
        const int ready = ppoll(fds, watchedInput >= 0 ? 2 : 1, forever ? nullptr : &timeout, &waitMask);
        if (ready < 0) continue;  // a signal: the loop condition decides
        if (fds[0].revents & POLLOUT) writeBlocked_ = false;
        if ((fds[0].revents & POLLIN) && !readMaster(nowNs())) return End::Stopped;
        if (watchedInput >= 0 && (fds[1].revents & (POLLIN | POLLHUP))) {
            char discard[256];
            if (read(watchedInput, discard, sizeof discard) <= 0) return End::InputClosed;
        }
    }
    return End::Stopped;
}

void SerialServer::deliverReceived(std::int64_t now) {
    while (!received_.empty() && received_.front().dueNs <= now) {
        advanceSensorTo(received_.front().dueNs);
        queueForSending(sensor_.feed(std::string(1, received_.front().byte)), received_.front().dueNs);
        received_.pop_front();
    }
    logRequests();
}

void SerialServer::advanceSensorTo(std::int64_t ns) {
    const std::int64_t ms = ns / NsPerMs;
    if (ms > sensor_.now()) queueForSending(sensor_.advance(ms - sensor_.now()), ns);
}

void SerialServer::queueForSending(const std::string& bytes, std::int64_t readyNs) {
    for (char byte : bytes) sending_.push_back({outgoing_.pass(readyNs), byte});
    while (sending_.size() > MaxPendingBytes) sending_.pop_front();
}

void SerialServer::writeDue(std::int64_t now) {
    if (writeBlocked_) return;
    std::string due;
    for (const TimedByte& b : sending_) {
        if (b.dueNs > now) break;
        due += b.byte;
    }
    if (due.empty()) return;
    const ssize_t written = write(master_, due.data(), due.size());
    if (written < 0) {
        writeBlocked_ = errno == EAGAIN || errno == EWOULDBLOCK;
        return;
    }
    sending_.erase(sending_.begin(), sending_.begin() + written);
    writeBlocked_ = static_cast<std::size_t>(written) < due.size();
}

bool SerialServer::readMaster(std::int64_t now) {
    char buffer[4096];
    const ssize_t count = read(master_, buffer, sizeof buffer);
    if (count < 0) return errno == EAGAIN || errno == EINTR || errno == EIO;
    for (ssize_t i = 0; i < count; ++i) received_.push_back({incoming_.pass(now), buffer[i]});
    return true;
}

void SerialServer::logRequests() {
    const std::vector<std::string> requests = sensor_.takeRequests();
    if (log_ && !requests.empty()) log_->write(requests);
}

std::int64_t SerialServer::wakeAt() const {
    std::int64_t at = std::numeric_limits<std::int64_t>::max();
    if (!received_.empty()) at = std::min(at, received_.front().dueNs);
    if (!sending_.empty() && !writeBlocked_) at = std::min(at, sending_.front().dueNs);
    if (auto due = sensor_.nextDue()) at = std::min(at, *due * NsPerMs);
    return at;
}
