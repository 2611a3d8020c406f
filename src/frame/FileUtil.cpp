#include "frame/FileUtil.h"

#include "frame/STRING_UTIL.h"

#include <QFileInfo>

using STRING_UTIL::TrimBlanks;

namespace FileUtil {

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() > 0;
}

QString GetFileName(const QString& path) {
    qsizetype cut = path.lastIndexOf('\\');
    if (cut < 0) cut = path.lastIndexOf('/');
    return path.mid(cut + 1);
}

QString GetFileExtension(const QString& path) {
    const QString name = GetFileName(path);
    const qsizetype dot = name.indexOf('.');
    if (dot < 0) return QString();
    return TrimBlanks(name.mid(dot + 1)).toUpper();
}

}  // namespace FileUtil
