#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points the program's Windows folder (settings file) at a fresh temporary
// folder for the lifetime of the object, so no test touches real settings.
class TempWindowsFolder {
public:
    TempWindowsFolder();
    ~TempWindowsFolder();
    TempWindowsFolder(const TempWindowsFolder&) = delete;
    TempWindowsFolder& operator=(const TempWindowsFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes raw bytes (Latin-1 text) to a file in the folder.
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};
