#include "support/TempWindowsFolder.h"

#include "platform/ProfileString.h"

#include <QFile>

TempWindowsFolder::TempWindowsFolder()
    : previous_(qgetenv("ZELVO8200_WINDIR")), hadPrevious_(qEnvironmentVariableIsSet("ZELVO8200_WINDIR")) {
    qputenv("ZELVO8200_WINDIR", dir_.path().toLocal8Bit());
    ProfileString::ForgetCachedFiles();
}

TempWindowsFolder::~TempWindowsFolder() {
    if (hadPrevious_) qputenv("ZELVO8200_WINDIR", previous_);
    else qunsetenv("ZELVO8200_WINDIR");
    ProfileString::ForgetCachedFiles();
}

void TempWindowsFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    ProfileString::ForgetCachedFiles();
}

QByteArray TempWindowsFolder::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
