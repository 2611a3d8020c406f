#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace Folders {
namespace {
QString& programFolderOverride() {
    static QString folder;
    return folder;
}
}  // namespace

QString WindowsFolder() {
    const QByteArray explicitDir = qgetenv("ZELVO8200_WINDIR");
    if (!explicitDir.isEmpty()) return QString::fromLocal8Bit(explicitDir);
    QString base = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (base.isEmpty()) base = QDir::homePath() + "/.config";
    return base + "/zelvo8200";
}

QString ProgramFolder() {
    if (!programFolderOverride().isEmpty()) return programFolderOverride();
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void SetProgramFolderForTests(const QString& folder) { programFolderOverride() = folder; }

QString ResolveProfilePath(const QString& fileName) {
    if (fileName.contains('/') || fileName.contains('\\')) return fileName;
    return JoinPath(WindowsFolder(), fileName);
}

QString JoinPath(const QString& folder, const QString& fileName) {
    if (folder.isEmpty()) return fileName;
    if (folder.endsWith('/')) return folder + fileName;
    return folder + '/' + fileName;
}

}  // namespace Folders
