#pragma once
#include <QString>
#include <functional>

// The modal message box, asked by number: a style number picks the buttons
// (0 OK ... 5 Retry/Cancel) plus the icon (16/32/48/64), and a result number
// says which button closed it (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore,
// 6 Yes, 7 No). Every box the program shows goes through here, so tests can
// answer boxes from a script. A box belongs to the window it is asked for
// from and shows centred on it (DialogOwner). A box shows the normal
// pointer, also over work that shows the hourglass. Once the program is
// ending no box is shown: Show answers Cancel, Abort, No or OK unasked.
namespace MsgBox {

enum Result { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// Style numbers: one button set plus one icon.
constexpr int OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;

struct Request {
    QString text;
    int style = 0;
    QString title;
    QString helpFile;      // empty: no help button
    int helpContext = 0;
};

using Handler = std::function<int(const Request&)>;

int Show(const Request& request);

// Replaces the real box (tests); an empty handler restores it.
void SetHandler(Handler handler);

// Called when the help button of a real box is pressed; the frame installs
// its help viewer here.
using HelpOpener = std::function<void(const QString& helpFile, int context)>;
void SetHelpOpener(HelpOpener opener);

}  // namespace MsgBox
