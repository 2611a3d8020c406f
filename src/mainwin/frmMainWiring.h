#pragma once

class frmMain;

// Connects the main window's start-up and shutdown to the program's parts
// that carry them out (serial line, sensor detection, settings services).
// The program calls it once for its main window; tests that want the real
// parts do the same.
void ConnectProgramParts(frmMain& window);
