#include "support/FakeSerialControl.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

bool FakeSerialControl::SetPortOpen(bool open) {
    if (!open) {
        open_ = false;
        draining_.clear();
        return true;
    }
    if (failingOpens > 0) {
        --failingOpens;
        return false;
    }
    open_ = true;
    ++opens;
    openedName = name_;
    input_.clear();
    return true;
}

int FakeSerialControl::InBufferCount() {
    if (!open_) return 0;
    runLine();
    if (input_.isEmpty() && babble) input_.append(babble());
    return int(input_.size());
}

void FakeSerialControl::ClearInBuffer() {
    runLine();
    input_.clear();
}

int FakeSerialControl::OutBufferCount() {
    if (!open_) return 0;
    runLine();
    const double t = now();
    int waiting = 0;
    for (const Write& w : draining_)
        waiting += std::min(int(w.bytes.size()), int(std::ceil((w.doneAt - t) / byteMs())));
    return waiting;
}

QByteArray FakeSerialControl::Input() {
    if (!open_) return {};
    runLine();
    const QByteArray taken = input_.left(InBufferSize);
    input_.remove(0, taken.size());
    return taken;
}

void FakeSerialControl::Output(const QByteArray& bytes) {
    if (!open_) return;
    wire.append(bytes);
    outputTimes.append(now());
    if (baud <= 0) {
        crossed(bytes, now());
        return;
    }
    const double start = draining_.isEmpty() ? now() : std::max(now(), draining_.last().doneAt);
    draining_.append({start + double(bytes.size()) * byteMs(), bytes});
}

bool FakeSerialControl::waitForInput(int ms) {
    if (InBufferCount() > 0) return true;
    clock->Sleep(std::min<double>(std::max(ms, 0), nextEvent() - now()));
    return InBufferCount() > 0;
}

void FakeSerialControl::waitForOutput(int ms) {
    runLine();
    if (draining_.isEmpty()) return;
    clock->Sleep(std::min<double>(std::max(ms, 0), draining_.last().doneAt - now()));
    runLine();
}

void FakeSerialControl::runLine() {
    const double t = now();
    for (qsizetype i = 0; i < events_.size();) {
        if (events_[i].at > t) {
            ++i;
            continue;
        }
        QTimer::singleShot(0, events_.takeAt(i).event);
    }
    for (;;) {
        const bool write = !draining_.isEmpty() && draining_.first().doneAt <= t;
        const bool arrival = !arrivals_.isEmpty() && arrivals_.first().at <= t;
        if (!write && !arrival) return;
        // The earlier of the two first: a request's answer comes after it.
        if (write && (!arrival || draining_.first().doneAt <= arrivals_.first().at)) {
            const Write w = draining_.takeFirst();
            crossed(w.bytes, w.doneAt);
        } else {
            const Arrival a = arrivals_.takeFirst();
            if (open_) input_.append(a.bytes);
        }
    }
}

double FakeSerialControl::nextEvent() const {
    double next = std::numeric_limits<double>::infinity();
    for (const Event& e : events_) next = std::min(next, e.at);
    if (!draining_.isEmpty()) next = draining_.first().doneAt;
    if (!arrivals_.isEmpty()) next = std::min(next, arrivals_.first().at);
    return next;
}

void FakeSerialControl::crossed(const QByteArray& bytes, double at) {
    if (!echo) {
        requestComplete(bytes.endsWith('\r') ? bytes.chopped(1) : bytes, at);
        return;
    }
    for (const char byte : bytes) {
        input_.append(byte);
        if (byte == '\r') {
            requestComplete(partial_, at);
            partial_.clear();
        } else {
            partial_.append(byte);
        }
    }
}

void FakeSerialControl::requestComplete(const QByteArray& request, double at) {
    requests.append(request);
    if (duringWait) duringWait(request);
    if (!respond) return;
    const QByteArray answer = respond(request);
    if (answer.isEmpty()) return;
    if (answerDelayMs > 0)
        schedule(at + answerDelayMs, answer);
    else
        input_.append(answer);
}

// Kept in time order: the line hands out what came first first.
void FakeSerialControl::schedule(double at, const QByteArray& bytes) {
    const auto after = std::upper_bound(arrivals_.begin(), arrivals_.end(), at,
                                        [](double t, const Arrival& a) { return t < a.at; });
    arrivals_.insert(after, {at, bytes});
}
