#include "platform/FileWriting.h"

#include <QFile>

namespace FileWriting {
namespace {

std::function<bool(const QString&)>& flushFailure() {
    static std::function<bool(const QString&)> failsAt;
    return failsAt;
}

// Whether everything written to file is on the disk.
bool flushed(QFileDevice& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError) return false;
    return !(flushFailure() && flushFailure()(file.fileName()));
}

}  // namespace

ReplacingFile::ReplacingFile(const QString& path) : file_(path) {}

bool ReplacingFile::Open() { return file_.open(QIODevice::WriteOnly); }

void ReplacingFile::Write(const QByteArray& bytes) {
    if (file_.isOpen() && file_.write(bytes) != bytes.size()) writeFailed_ = true;
}

bool ReplacingFile::Commit() {
    if (!file_.isOpen()) return false;
    if (writeFailed_ || !flushed(file_)) {
        file_.cancelWriting();
        file_.commit();   // closes the file; the old one stays
        return false;
    }
    return file_.commit();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    ReplacingFile file(path);
    if (!file.Open()) return false;
    file.Write(bytes);
    return file.Commit();
}

GrowingFile::GrowingFile() = default;
GrowingFile::~GrowingFile() = default;

bool GrowingFile::Open(const QString& path, bool truncate) {
    file_ = std::make_unique<QFile>(path);
    if (!file_->open(QIODevice::WriteOnly | (truncate ? QIODevice::Truncate : QIODevice::Append))) {
        file_.reset();
        return false;
    }
    sizeAtOpen_ = wholeSize_ = file_->size();
    return true;
}

bool GrowingFile::Append(const QByteArray& bytes) {
    if (!file_ || !file_->isOpen()) return false;
    if (file_->write(bytes) == bytes.size() && flushed(*file_)) {
        wholeSize_ += bytes.size();
        return true;
    }
    // Closed first: a failed flush keeps the bytes it could not write and
    // would try them again after the cut. The cut goes by name, past the
    // buffer; shortening a file needs no free space.
    file_->close();
    QFile::resize(file_->fileName(), wholeSize_);
    return false;
}

QString GrowingFile::Path() const { return file_ ? file_->fileName() : QString(); }

void SetFlushFailureForTests(std::function<bool(const QString& path)> failsAt) {
    flushFailure() = std::move(failsAt);
}

}  // namespace FileWriting
