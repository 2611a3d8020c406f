#pragma once
#include <QString>
#include <QStringList>

// The command window's history: the last ten commands sent, newest first,
// kept in the settings file as Settings/Command1 to Command10. It lives as
// long as the program, so the window finds it again when it is reopened.
class CommandHistory {
public:
    static constexpr int MaxEntries = 10;

    // Reads Command1, Command2, ... and stops at the first empty value.
    void Init();
    // Writes entry n under Command<n>; keys beyond the entries stay as they
    // are. A failed write ends the save.
    void Save() const;
    // Puts the command, without its outer blanks, at the top; an equal entry
    // (same case) moves up instead of appearing twice, and the oldest of ten
    // falls out. Returns the text taken, empty when the command was blank.
    QString AddCommand(const QString& command);

    const QStringList& Entries() const { return entries_; }

private:
    QStringList entries_;
};
