#include "mainwin/ParameterFile.h"

#include "frame/STRING_UTIL.h"

#include <QFile>
#include <QRegularExpression>

using STRING_UTIL::TrimBlanks;

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

}  // namespace

ParameterFile ParameterFile::FromBytes(const QByteArray& bytes) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    ParameterFile file;
    file.lines_ = QString::fromLatin1(bytes).split(lineBreak);
    return file;
}

std::optional<ParameterFile> ParameterFile::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return FromBytes(bytes);
}

QString ParameterFile::Value(const QString& key, const QString& defaultValue) const {
    for (const QString& raw : lines_) {
        const QString line = TrimBlanks(raw);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) continue;
        // The line has no blanks at its ends, so trimming both sides of each
        // part only removes the blanks around the "=".
        if (TrimBlanks(line.left(equals)) == key) return TrimBlanks(line.mid(equals + 1));
    }
    return defaultValue;
}

bool ParameterFile::HasMagic() const { return Value(ParameterFormat::VersionKey) == ParameterFormat::Magic; }

ParameterFileWriter::ParameterFileWriter(const QString& path) : file_(path) {}

bool ParameterFileWriter::Open() { return file_.Open(); }

void ParameterFileWriter::WriteLine(const QString& line) { file_.Write(line.toLatin1() + LineEnd); }

bool ParameterFileWriter::Commit() { return file_.Commit(); }
