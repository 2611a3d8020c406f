#pragma once
#include "frame/LanguageUtil.h"
#include "platform/Folders.h"
#include "platform/ProfileString.h"

#include <QFile>
#include <QTemporaryDir>

// Points the program folder at a fresh temporary folder and starts the
// language tables afresh; files are written as raw (Latin-1) bytes.
class TempProgramFolder {
public:
    TempProgramFolder() { Folders::SetProgramFolderForTests(dir_.path()); reset(); }
    ~TempProgramFolder() { Folders::SetProgramFolderForTests(QString()); reset(); }
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    QString file(const QString& name) const { return dir_.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }

    // A language file that names itself; extra follows its Main section.
    void writeLanguage(const QString& name, const QByteArray& language, const QByteArray& extra = {}) const {
        write(name, "[Main]\r\nLanguage=" + language + "\r\nFile=" + name.toLatin1() + "\r\n" + extra);
    }

    // The tables as the main window builds them, German being the default.
    static void init() { LanguageUtil::InitLanguages("GER", "Deutsch"); }

private:
    static void reset() {
        LanguageUtil::ResetLanguages();
        ProfileString::ForgetCachedFiles();
    }
    QTemporaryDir dir_;
};
