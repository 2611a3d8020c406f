#pragma once
#include "editors/common/TransferProgress.h"

#include <QString>

class frmRWState;

// The read/write progress window's state that outlives the window: the cancel
// request and the mode of the transfer that runs. The window itself exists
// from ShowForm until Unload.
namespace RWState {

enum Mode { WriteMode = 0, ReadMode = 1, SearchMode = 2, ReadSensitivityMode = 3, WriteSensitivityMode = 4 };

struct StateData {
    bool CancelRequested = false;  // reset only by ShowForm
    int Mode = ReadMode;           // index of the operation label shown
};
StateData& State();

// Clears the cancel request, shows the label of mode and a bar at 1 of count + 1.
void ShowForm(int mode, int count);
// Shows the window again, advances the bar by step (a value beyond the
// maximum is not set) and shows "(comment)" under the label, or nothing when
// the comment is null. False once the user asked to cancel.
bool IncBar(int step = 1, const QString& comment = QString());
// Closes the window; the state stays.
void Unload();
// Re-reads the open window's texts (after a change of language).
void SetLanguage();
// The open window, nullptr when there is none.
frmRWState* Form();

// The progress window as the editors' transfer loops drive it.
TransferProgress& Progress();

// Closes the window and clears the state (tests).
void ResetForTests();

}  // namespace RWState
