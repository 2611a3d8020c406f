#pragma once
#include <QString>

// The progress window as an editor's transfer loop sees it (frmRWState):
// open it for a mode (0 write, 1 read, 2 search, 3 and 4 sensitivity) with a
// number of steps, advance it once per record, close it at the end. IncBar
// returns False once the user asked to cancel.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;

    virtual void ShowForm(int mode, int count) = 0;
    virtual bool IncBar(int step = 1, const QString& comment = QString()) = 0;
    virtual void Unload() = 0;
};
