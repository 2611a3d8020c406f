#pragma once
#include "platform/FileDialog.h"

#include <QList>
#include <QStringList>

// Answers file dialogs from a list of paths instead of showing them ("" is
// Cancel), and records every dialog that was asked for. With the list used
// up, every further dialog is cancelled. Restores the real dialogs when it
// goes away.
class ScriptedFileDialogs {
public:
    explicit ScriptedFileDialogs(QStringList answers = {}) : answers_(std::move(answers)) {
        FileDialog::SetHandler([this](const FileDialog::Request& request) {
            shown_.append(request);
            return FileDialog::Result{answers_.isEmpty() ? QString() : answers_.takeFirst(), request.filterIndex};
        });
    }
    ~ScriptedFileDialogs() { FileDialog::SetHandler({}); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void answer(const QString& path) { answers_.append(path); }
    const QList<FileDialog::Request>& shown() const { return shown_; }
    int count() const { return int(shown_.size()); }

private:
    QStringList answers_;
    QList<FileDialog::Request> shown_;
};
