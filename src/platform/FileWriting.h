#pragma once
#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>

class QFile;

// Every file the program writes goes through here, so that a full disk
// never passes as success. Qt's save file can report a commit as done
// although its last buffered write failed; these writers flush and check
// for an error before they let the file take its place.
namespace FileWriting {

// A file written whole: the new content goes to a file beside it, which
// replaces the old file only once all of it has reached the disk. Until
// Commit, and after any failure, the old file stays exactly as it was; an
// uncommitted file is thrown away.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& path);

    // False when the file cannot be created in its folder.
    bool Open();
    // For writers that take a device. A failed write is remembered and
    // makes Commit fail.
    QIODevice& Device() { return file_; }
    void Write(const QByteArray& bytes);
    // Puts the new file in the old one's place; False when any step of the
    // writing failed, the old file then stays.
    bool Commit();

private:
    QSaveFile file_;
    bool writeFailed_ = false;
};

// Replaces the file at path by bytes, or leaves it as it was (False).
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// A file that grows while the program runs (the protocol file): each piece
// is on the disk when Append returns, so the file is complete up to the last
// piece that succeeded. A piece that fails is taken off again (a full disk
// may have taken part of it), and the file is closed.
class GrowingFile {
public:
    GrowingFile();
    ~GrowingFile();
    GrowingFile(const GrowingFile&) = delete;
    GrowingFile& operator=(const GrowingFile&) = delete;

    // Opens the file emptied (truncate) or to add at its end; False when it
    // cannot be opened.
    bool Open(const QString& path, bool truncate);
    // False when the bytes did not all reach the disk; the file then ends
    // where it ended before, and every later Append fails.
    bool Append(const QByteArray& bytes);
    // The file's size when it was opened, after emptying.
    qint64 SizeAtOpen() const { return sizeAtOpen_; }
    QString Path() const;

private:
    std::unique_ptr<QFile> file_;
    qint64 sizeAtOpen_ = 0;
    qint64 wholeSize_ = 0;   // the end of the last piece that succeeded
};

// Tests: for every file for which failsAt(path) is true, the flush that ends
// a write fails as it does on a full disk, after every write before it
// seemed to succeed. An empty function ends it.
void SetFlushFailureForTests(std::function<bool(const QString& path)> failsAt);

}  // namespace FileWriting
