#pragma once
#include <QString>

namespace FileUtil {

// True when path is a file that can be read and holds at least one byte.
// Never creates, changes or deletes anything.
bool FileExists(const QString& path);

// The part after the last backslash; without one, after the last slash;
// without either, the whole path.
QString GetFileName(const QString& path);

// The text after the first dot of the file name, without surrounding blanks
// and in upper case;
// empty when the name has no dot ("WZLVLANG.eng" gives "ENG").
QString GetFileExtension(const QString& path);

}  // namespace FileUtil

using FileUtil::FileExists;
using FileUtil::GetFileExtension;
using FileUtil::GetFileName;
