#pragma once

class frmMain;

// Connects the protocol-file recorder and its dialog to the main window: the
// dialog behind mnProtFile, the recorder behind StartFileLogging and the
// window's closing, the poll timer timSensorPoll that the poll clients run
// and the status line lblMessage that shows the recording's progress.
void ConnectProtFile(frmMain& window);
