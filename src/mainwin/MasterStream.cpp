#include "mainwin/MasterStream.h"

#include "link/Ports.h"

void MasterStream::Restart() {
    partial_.clear();
    skipToLineEnd_ = false;
}

std::optional<QByteArray> MasterStream::Take(const QByteArray& arrived, bool cut) {
    QByteArray bytes = partial_ + arrived;
    partial_.clear();
    if (skipToLineEnd_) {
        const qsizetype end = bytes.indexOf('\r');
        if (end >= 0) {
            bytes.remove(0, end + 1);
            skipToLineEnd_ = false;
        } else {
            bytes.clear();
        }
    }

    std::optional<QByteArray> line;
    const qsizetype last = bytes.lastIndexOf('\r');
    if (last >= 0) {
        const qsizetype before = last > 0 ? bytes.lastIndexOf('\r', last - 1) : -1;
        line = bytes.mid(before + 1, last - before - 1);
    }
    partial_ = bytes.mid(last + 1);
    // A line that never ends is noise, not a measurement.
    if (cut || partial_.size() > Ports::RxBufferSize) {
        partial_.clear();
        skipToLineEnd_ = true;
    }
    return line;
}
