#pragma once
#include <QString>

// One key of an INI file at a time. A file name without a folder lives in the
// Windows folder; pass a full path for files in the program folder.
namespace Inifile_Utils {

// With a key: its value, or the default when missing. With an empty key: the
// section's key names, each ended by a NUL, the list ended by a further NUL.
void ReadIniBuffer(const QString& fileName, const QString& section, const QString& key,
                   const QString& defaultValue, QString& result);

QString ReadIniString(const QString& fileName, const QString& section, const QString& key,
                      const QString& defaultValue);

// False after a failed write; message 3 is shown once for a run of failures.
bool WriteIniString(const QString& fileName, const QString& section, const QString& key,
                    const QString& value);

// Clears the "message 3 shown" flag (tests).
void ResetWriteErrorFlag();

}  // namespace Inifile_Utils

using Inifile_Utils::ReadIniString;
using Inifile_Utils::WriteIniString;
