#pragma once
// What every fuzz target shares: the program's folders in temporary folders
// (nothing a target does reaches the user's settings), message boxes and file
// dialogs answered without showing, an offscreen QApplication for the targets
// that need windows, and the reading of the fuzzer's bytes.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace Fuzz {

// Once, from LLVMFuzzerInitialize (defined with this file for every
// target): the folders, the answered boxes and dialogs
// and the QApplication. Message boxes get the answer that leaves things as
// they are: No to a question, Cancel to Retry/Cancel, OK to a notice.
void SetUp();

// The Windows folder (settings file) and the program folder (configuration
// and language files), both temporary and empty at the start.
QString WindowsFolder();
QString ProgramFolder();
// A folder for the files a target loads and saves.
QString FilesFolder();

// Writes bytes to path and makes the profile functions forget what they
// cached, so that a file rewritten within the file system's time resolution
// is read again.
void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The section names of an INI text, in file order, as a reader sees them:
// the text between "[" and "]" of a line that starts with "[".
QStringList SectionNames(const QByteArray& iniText);
// The keys of a section of an INI file, as the profile functions list them.
QStringList KeysOf(const QString& path, const QString& section);

// Stops the run with a message: a promise of the code did not hold.
[[noreturn]] void Fail(const char* what, const QString& detail = QString());

}  // namespace Fuzz

#define FUZZ_CHECK(condition, detail) \
    do {                              \
        if (!(condition)) ::Fuzz::Fail(#condition, (detail)); \
    } while (false)
