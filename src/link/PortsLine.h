#pragma once
#include <QByteArray>

// What the Ports files share about the line and about waiting on it. Every
// wait yields to window events between short blocking waits on the port, so
// a waiting request keeps the windows responsive and costs little CPU.
namespace Ports::Line {

// The longest a wait blocks between two passes of window events.
constexpr int WaitSliceMs = 2;

// The port is open and the program goes on. Notices a device that went away
// while open: the line is then marked closed and lost, and the next SetPort
// reopens it.
bool Usable();

// The time on the link's clock, in ms.
double Now();

// The wait for an answer when the caller names none: the echo timeout in
// echo mode, else the answer timeout.
int DefaultWait();

// One pass of window events (a nested request may start here).
void YieldToEvents();

// Yields until bytes wait on the port (true), or timeoutMs pass without any
// or the line closes (false).
bool WaitForInput(int timeoutMs);

// Yields until the port's output buffer is empty; gives up after far more
// than the wire time of what was written, so a stuck driver cannot hang us.
void WaitForOutputDrained(int bytesWritten);

}  // namespace Ports::Line
