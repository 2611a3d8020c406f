#pragma once
#include "platform/FileWriting.h"

#include <QString>
#include <QStringList>

#include <optional>

// The parameter file (*.zlv): plain text, one "name=value" entry a line,
// every line ended by CR LF, one byte per character (Latin-1), so that raw
// sensor answers such as the status byte 82h come back as they were written.
// The first line carries the file-format magic; then follow the sensor's
// identification ("VER", "DAT", "ID") and one line per stored parameter.
namespace ParameterFormat {

inline const QString VersionKey = QStringLiteral("FILEVERSION");
inline const QString Magic = QStringLiteral("WinZelvo-10-01-#KV-Quendix+Borva");
inline const QString Filter = QStringLiteral("Zelvo 8200 Parameter|*.zlv");
inline const QString Extension = QStringLiteral("ZLV");

}  // namespace ParameterFormat

// A parameter file opened for reading: its lines, held in memory.
class ParameterFile {
public:
    // Lines may end in CR LF, LF or CR.
    static ParameterFile FromBytes(const QByteArray& bytes);
    // The file's content; nothing when it cannot be read.
    static std::optional<ParameterFile> Read(const QString& path);

    // The value stored under key, default when there is none. Lines are
    // looked at without their surrounding blanks; a line's key is the text
    // before its first "=" (blanks before the "=" do not count) and must
    // equal key exactly, letter case included; the value is the text after
    // that "=" without leading blanks. The first matching line wins.
    QString Value(const QString& key, const QString& defaultValue = QString()) const;

    // Whether the first entry names this file format.
    bool HasMagic() const;

private:
    QStringList lines_;
};

// A parameter file being written. The old file, if any, stays untouched
// until Commit replaces it with the complete new content, so a save that
// fails half-way never costs the user the file he had.
class ParameterFileWriter {
public:
    explicit ParameterFileWriter(const QString& path);

    // False when the file cannot be created in its folder.
    bool Open();
    // Appends one line; the line end is added here.
    void WriteLine(const QString& line);
    // Replaces the file; False when any step of the writing failed.
    bool Commit();

private:
    FileWriting::ReplacingFile file_;
};
