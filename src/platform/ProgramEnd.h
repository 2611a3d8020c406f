#pragma once

// The program is ending: the main window has been closed, or the start
// window while the program was still starting. From then on the sensor link
// sends nothing new (the rest of a request line already begun still goes out
// whole), waits no longer, opens no port, and no message box is shown. A
// command that was waiting when the window closed runs out at its next wait
// and the main loop ends behind it.
namespace ProgramEnd {

void Begin();
bool Ending();
// Back to a running program (tests, between programs in one process).
void ResetForTests();

}  // namespace ProgramEnd
