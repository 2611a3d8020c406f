#pragma once
#include <QString>
#include <QStringList>

// Profile-string (INI) files, read and written one byte = one character
// (Latin-1). Sections and keys match without regard to case; a value is at
// most 1023 characters. CR LF, CR and LF each end a line; lines of any
// length are kept whole. A UTF-8 byte-order mark at the start is read past
// and kept. A file name without a folder is taken from the Windows folder
// (see Folders::ResolveProfilePath).
namespace ProfileString {

constexpr int MaxValueLength = 1023;

// The value of key in section; the default when the file, the section or the
// key is missing. A key that is present with an empty value gives "".
QString Read(const QString& fileName, const QString& section, const QString& key,
             const QString& defaultValue);

// The key names of a section in file order (empty when the section is missing).
QStringList KeyNames(const QString& fileName, const QString& section);

// Sets key in section, creating file, section and key as needed and keeping
// every other line, comment and the order of the file. The file is replaced
// only once the new content is completely written, with the file's own line
// ends. A value is written up to its first line break. False when it cannot
// be written, and for a value the file cannot hold (see CanHold): the file
// then stays as it was.
bool Write(const QString& fileName, const QString& section, const QString& key,
           const QString& value);

// Whether value can be stored: one byte a character, so nothing beyond
// Latin-1, which would come back as another text.
bool CanHold(const QString& value);

// True when the file's content is in memory and the file has not changed
// since, so that reading from it costs no file access.
bool IsCached(const QString& fileName);

// Drops the cached content of every file (tests that rewrite a file behind
// the program's back, at the same size within the file system's time
// resolution, call this).
void ForgetCachedFiles();

}  // namespace ProfileString
