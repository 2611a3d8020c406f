#include "mainwin/FileIO.h"
#include "mainwin/ParameterFile.h"

namespace FileIO {
namespace {

// Where the file's own name starts in a path.
qsizetype NameStart(const QString& path) { return path.lastIndexOf(QLatin1Char('/')) + 1; }

}  // namespace

QString StripExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // Only the file's own name has an extension: "/data/v.1/x" has none.
    if (dot >= NameStart(name) && dot >= name.size() - 4) return name.left(dot);
    return name;
}

QString GetFileTitle(const QString& path) { return path.mid(NameStart(path)); }

QString SaveFileName(const QString& chosen) {
    // File names are case-sensitive here: "x.zlv", which the user may just
    // have confirmed to overwrite, and "x.ZLV" are two files.
    const QString extension = QLatin1Char('.') + ParameterFormat::Extension;
    if (chosen.endsWith(extension, Qt::CaseInsensitive)) return chosen;
    return StripExtension(chosen) + extension;
}

}  // namespace FileIO
