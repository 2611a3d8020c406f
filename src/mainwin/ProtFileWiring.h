#pragma once

class frmMain;

// Connects the protocol-file recorder and its dialog to the main window: the
// dialog behind mnProtFile, the recorder behind StartFileLogging and the
// window's closing, the poll timer timSensorPoll that the poll clients run,
// the status line lblMessage that shows the recording's progress, and the
// buttons and menu item that show a recording that stopped by itself.
void ConnectProtFile(frmMain& window);
