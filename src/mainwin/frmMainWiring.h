#pragma once

class frmMain;

// Connects the main window to the real serial port (the line it opens at
// start-up and the port the settings name) and to every other part it calls
// through its steps; throws std::logic_error when a step is left unset. The
// program calls it once for its main window; tests that talk to a simulated
// sensor do the same.
void ConnectProgramParts(frmMain& window);
