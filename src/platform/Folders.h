#pragma once
#include <QString>

// Where the program keeps its files. The settings file is named without a
// folder and lives in the "Windows folder"; configuration files that ship with
// the program are read from the "program folder" next to the executable.
namespace Folders {

// $ZELVO8200_WINDIR when set, else $XDG_CONFIG_HOME/zelvo8200 (default
// ~/.config/zelvo8200). Not created here; writers create it on first use.
QString WindowsFolder();

// The executable's folder, unless a test has pointed it elsewhere.
QString ProgramFolder();
void SetProgramFolderForTests(const QString& folder);

// A file name without any folder part is taken from the Windows folder, as the
// profile functions do; anything with a slash or backslash is used as given.
QString ResolveProfilePath(const QString& fileName);

// Joins a folder and a file name with exactly one separator.
QString JoinPath(const QString& folder, const QString& fileName);

}  // namespace Folders
