#pragma once
#include "platform/FileDialog.h"

#include <QList>
#include <QStringList>

// Answers file dialogs from a list of paths instead of showing them ("" is
// Cancel), each with the filter the dialog started with unless the answer
// names another, and records every dialog that was asked for. With the list
// used up, every further dialog is cancelled. Restores the real dialogs
// when it goes away.
class ScriptedFileDialogs {
public:
    explicit ScriptedFileDialogs(const QStringList& answers = {}) {
        for (const QString& path : answers) answer(path);
        FileDialog::SetHandler([this](const FileDialog::Request& request) {
            shown_.append(request);
            FileDialog::Result result = answers_.isEmpty() ? FileDialog::Result{} : answers_.takeFirst();
            if (result.filterIndex == 0) result.filterIndex = request.filterIndex;
            return result;
        });
    }
    ~ScriptedFileDialogs() { FileDialog::SetHandler({}); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // filterIndex 0: the filter the dialog starts with.
    void answer(const QString& path, int filterIndex = 0) { answers_.append({path, filterIndex}); }
    const QList<FileDialog::Request>& shown() const { return shown_; }
    int count() const { return int(shown_.size()); }

private:
    QList<FileDialog::Result> answers_;
    QList<FileDialog::Request> shown_;
};
