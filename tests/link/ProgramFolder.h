#pragma once
#include "platform/Folders.h"
#include "support/TempWindowsFolder.h"

// A throw-away folder that serves as both the Windows folder and the program
// folder (SENSOR.CFG, VALIDATE.CFG) for the lifetime of the object.
class TempProgramFolder : public TempWindowsFolder {
public:
    TempProgramFolder() { Folders::SetProgramFolderForTests(path()); }
    ~TempProgramFolder() { Folders::SetProgramFolderForTests(QString()); }
};
