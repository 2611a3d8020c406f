#pragma once
#include <QString>
#include <QStringList>

#include <functional>

// The common file dialog (open and save), asked with a filter given as
// "description|pattern|description|pattern", a default extension without
// its dot and a 1-based filter index. Every file
// dialog the program shows goes through here, so tests can answer dialogs
// from a script. A dialog belongs to the window it is asked for from and
// shows centred on it (DialogOwner).
namespace FileDialog {

enum class Kind { Open, Save };

struct Request {
    Kind kind = Kind::Open;
    QString title;             // empty: the platform's title
    QString fileName;          // the name the dialog starts with; may carry a folder
    QString initialFolder;     // used when fileName names no folder; empty: the current folder
    QString filter;            // "Zelvo 8200 Parameter|*.zlv"
    int filterIndex = 1;       // the filter shown first
    QString defaultExtension;  // "ZLV": see Show
    bool fileMustExist = false;
    bool overwritePrompt = false;
};

struct Result {
    QString fileName;          // the chosen path; empty when the user cancelled
    int filterIndex = 1;       // the filter in use when the user chose (1-based)
    bool cancelled() const { return fileName.isEmpty(); }
};

// Shows the dialog. A name typed without an extension gets the extension of
// the filter in use ("CSV Datei|*.CSV" gives ".CSV"); the default extension
// when that filter names none, or names the default extension in another
// letter case.
Result Show(const Request& request);

// Replaces the real dialog (tests); an empty handler restores it.
using Handler = std::function<Result(const Request&)>;
void SetHandler(Handler handler);

// The dialog's name filters for a "description|pattern" filter. File names
// are case-sensitive here, so every pattern is offered in both cases:
// "Zelvo 8200 Parameter|*.zlv" gives "Zelvo 8200 Parameter (*.zlv *.ZLV)".
// A description that already ends in a bracketed pattern list loses it.
QStringList NameFilters(const QString& filter);

}  // namespace FileDialog
