#include "support/FakeSerialControl.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

void FakeSerialControl::arriveLater(int ms, const QByteArray& bytes) {
    QTimer::singleShot(ms, &arrivals_, [this, bytes] {
        if (open_) input_.append(bytes);
    });
}

bool FakeSerialControl::SetPortOpen(bool open) {
    if (!open) {
        open_ = false;
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
    if (input_.isEmpty() && babble) input_.append(babble());
    return int(input_.size());
}

QByteArray FakeSerialControl::Input() {
    if (!open_) return {};
    const QByteArray taken = input_.left(InBufferSize);
    input_.remove(0, taken.size());
    return taken;
}

void FakeSerialControl::Output(const QByteArray& bytes) {
    if (!open_) return;
    wire.append(bytes);
    if (!echo) {
        requestComplete(bytes.endsWith('\r') ? bytes.chopped(1) : bytes);
        return;
    }
    for (const char byte : bytes) {
        input_.append(byte);
        if (byte == '\r') {
            requestComplete(partial_);
            partial_.clear();
        } else {
            partial_.append(byte);
        }
    }
}

void FakeSerialControl::requestComplete(const QByteArray& request) {
    requests.append(request);
    if (duringWait) duringWait(request);
    if (!respond) return;
    const QByteArray answer = respond(request);
    if (answer.isEmpty()) return;
    if (answerDelayMs > 0)
        arriveLater(answerDelayMs, answer);
    else
        input_.append(answer);
}

bool FakeSerialControl::waitForInput(int ms) {
    if (InBufferCount() > 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(ms, 0)));
    return InBufferCount() > 0;
}
