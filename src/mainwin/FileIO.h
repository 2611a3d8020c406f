#pragma once
#include "mainwin/RecentFiles.h"

#include <QString>

class frmMain;

// Parameter files: the file menu's open and save commands, the key lookup
// with which the command layer answers an offline read from an open file,
// and the file-name rules. A file is open only while one command runs; the
// command layer names it by its file number.
namespace FileIO {

// Writes the current data set to a file the user chooses in the save dialog
// (the dialog is always shown). The file gets the name SaveFileName forms;
// when that is not the name chosen and the file exists, the user is asked
// first (message 21). False when the user cancelled, declined or the file
// could not be written; a failed save says so (message 14), leaves any old
// file as it was and the data set marked as changed.
bool SaveParameterFile(bool askForName);

// Loads a parameter file. An empty name, or one that names no readable
// file, is asked for in the open dialog; fileName receives the name used.
// Without an active editor, while working offline, when the port is no
// longer open (its device went away), or when the sensor does not answer,
// the file's identification chooses the editor, which then works offline;
// otherwise the file's values go into the editor and to the sensor, after a
// question (message 7) when the file was written for another type.
// A file that cannot be read or lacks the format's first line gets message 20.
void LoadParameterFile(QString& fileName);

// Opens recent-files entry index with LoadParameterFile; an entry whose file
// has gone leaves the list, and the open dialog starts with its name.
void OpenRecentFile(int index);

// The value stored under key in the open parameter file fileNo, default when
// the key or the file is missing (see ParameterFile::Value).
QString GetFileValue(int fileNo, const QString& key, const QString& defaultValue);

// The name without its extension: a dot among the last four characters of
// the file's own name starts the extension ("data.txt" gives "data"); a
// longer extension or a dot in a folder name stays.
QString StripExtension(const QString& name);
// The file's name without its folder.
QString GetFileTitle(const QString& path);
// The name a save writes for the name chosen in the dialog: a name ending in
// ".zlv" in any letter case is kept, any other gets its extension replaced by
// (or, without one, completed with) ".ZLV".
QString SaveFileName(const QString& chosen);

// Installs the parameter files into the program: the command layer's
// offline answers and file lines, and the recent-files list behind the
// settings. With the main window also its open, save and recent-files
// steps and the recent-files menu entries. Called once at start-up, before
// the main window is shown.
void InstallParameterFiles(frmMain* window = nullptr);

}  // namespace FileIO
