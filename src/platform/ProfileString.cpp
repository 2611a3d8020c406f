#include "platform/ProfileString.h"

#include "platform/FileWriting.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>
#include <sys/stat.h>

namespace ProfileString {
namespace {

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Section and key names as the lookup index holds them.
QString folded(const QString& name) { return name.trimmed().toCaseFolded(); }

// What tells whether a file changed since it was read: its modification time
// to the nanosecond and its size. Taken with one stat call, since every text
// lookup asks for it.
struct FileStamp {
    qint64 modifiedNs = -1;
    qint64 size = -1;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file; nothing for anything else or a missing file.
std::optional<FileStamp> stampOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileStamp{qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec, qint64(st.st_size)};
}

struct ParsedFile {
    FileStamp stamp;
    QStringList lines;  // raw lines without their line ending
    // How the file ends its lines, which a rewrite keeps: CR LF when it has
    // any, else LF, else CR.
    QByteArray lineEnd = QByteArrayLiteral("\n");
    // A UTF-8 byte-order mark in front, which a rewrite keeps. The bytes
    // after it are taken one byte a character all the same, so every line
    // that is not rewritten keeps its bytes.
    bool byteOrderMark = false;
    // Folded section name -> folded key -> value, for the first section of a
    // name and the first key of a name in it (the ones a line scan finds).
    // Every window text is looked up here, so a lookup must not scan lines.
    QHash<QString, QHash<QString, QString>> values;
};

QHash<QString, ParsedFile>& cache() {
    static QHash<QString, ParsedFile> files;
    return files;
}

// "[name]" gives name (blanks trimmed); anything else is not a section line.
bool sectionName(const QString& line, QString& name) {
    const QString t = line.trimmed();
    if (!t.startsWith('[')) return false;
    const int close = t.indexOf(']');
    if (close < 0) return false;
    name = t.mid(1, close - 1).trimmed();
    return true;
}

// "key=value" gives both, trimmed; lines without "=" are no entries.
bool entry(const QString& line, QString& key, QString& value) {
    const int eq = line.indexOf('=');
    if (eq < 0) return false;
    key = line.left(eq).trimmed();
    if (key.isEmpty() || key.startsWith(';')) return false;
    value = line.mid(eq + 1).trimmed();
    // The profile functions strip one pair of matching quotes.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return true;
}

void buildIndex(ParsedFile& file) {
    QHash<QString, QString>* current = nullptr;  // null outside a section and in a repeated one
    QString name, key, value;
    for (const QString& line : std::as_const(file.lines)) {
        if (sectionName(line, name)) {
            const QString section = folded(name);
            current = file.values.contains(section) ? nullptr : &file.values[section];
        } else if (current && entry(line, key, value)) {
            const QString k = folded(key);
            if (!current->contains(k)) current->insert(k, value);
        }
    }
}

const ParsedFile* load(const QString& path) {
    const std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp) {
        cache().remove(path);
        return nullptr;
    }
    auto it = cache().find(path);
    if (it != cache().end() && it->stamp == *stamp) return &*it;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    QByteArray bytes = file.readAll();
    ParsedFile parsed;
    parsed.stamp = *stamp;
    parsed.byteOrderMark = bytes.startsWith(ByteOrderMark);
    if (parsed.byteOrderMark) bytes.remove(0, ByteOrderMark.size());
    const QString text = QString::fromLatin1(bytes);
    if (bytes.contains("\r\n")) parsed.lineEnd = QByteArrayLiteral("\r\n");
    else if (!bytes.contains('\n') && bytes.contains('\r')) parsed.lineEnd = QByteArrayLiteral("\r");
    // CR LF, CR and LF each end a line, whatever the line's length.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        parsed.lines.append(text.mid(start, end - start));
        start = end + 1;
        if (start < text.size() && text[end] == '\r' && text[start] == '\n') ++start;
    }
    buildIndex(parsed);
    return &*cache().insert(path, parsed);
}

// Index of the line that opens the section, or -1.
int findSection(const QStringList& lines, const QString& section) {
    QString name;
    for (int i = 0; i < lines.size(); ++i)
        if (sectionName(lines[i], name) && name.compare(section, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

// A value ends at its first line break, as the reader sees it; the rest must
// not become lines (keys, sections) of their own.
QString firstLine(const QString& value) {
    for (qsizetype i = 0; i < value.size(); ++i)
        if (value[i] == '\r' || value[i] == '\n') return value.left(i);
    return value;
}

}  // namespace

QString Read(const QString& fileName, const QString& section, const QString& key,
             const QString& defaultValue) {
    QString result = defaultValue;
    if (const ParsedFile* file = load(Folders::ResolveProfilePath(fileName))) {
        const auto keys = file->values.constFind(folded(section));
        if (keys != file->values.cend()) result = keys->value(folded(key), defaultValue);
    }
    result.truncate(MaxValueLength);
    return result;
}

bool IsCached(const QString& fileName) {
    const QString path = Folders::ResolveProfilePath(fileName);
    const auto it = cache().constFind(path);
    if (it == cache().cend()) return false;
    const std::optional<FileStamp> stamp = stampOf(path);
    return stamp && it->stamp == *stamp;
}

QStringList KeyNames(const QString& fileName, const QString& section) {
    QStringList keys;
    const ParsedFile* file = load(Folders::ResolveProfilePath(fileName));
    if (!file) return keys;
    const int head = findSection(file->lines, section);
    if (head < 0) return keys;
    QString name, k, v;
    for (int i = head + 1; i < file->lines.size(); ++i) {
        if (sectionName(file->lines[i], name)) break;
        if (entry(file->lines[i], k, v)) keys.append(k);
    }
    return keys;
}

bool Write(const QString& fileName, const QString& section, const QString& key,
           const QString& value) {
    const QString path = Folders::ResolveProfilePath(fileName);
    if (!CanHold(value)) return false;
    QStringList lines;
    QByteArray lineEnd = QByteArrayLiteral("\n");
    bool byteOrderMark = false;
    if (const ParsedFile* file = load(path)) {
        lines = file->lines;
        lineEnd = file->lineEnd;
        byteOrderMark = file->byteOrderMark;
        if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    } else if (stampOf(path)) {
        return false;  // there but unreadable: rewriting it would drop every other key
    }
    const QString newLine = key + '=' + firstLine(value);
    int head = findSection(lines, section);
    if (head < 0) {
        lines.append('[' + section + ']');
        lines.append(newLine);
    } else {
        int insertAt = head + 1;
        bool replaced = false;
        QString name, k, v;
        for (int i = head + 1; i < lines.size(); ++i) {
            if (sectionName(lines[i], name)) break;
            if (entry(lines[i], k, v)) {
                if (k.compare(key, Qt::CaseInsensitive) == 0) {
                    lines[i] = newLine;
                    replaced = true;
                    break;
                }
                insertAt = i + 1;
            }
        }
        if (!replaced) lines.insert(insertAt, newLine);
    }

    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray bytes = byteOrderMark ? ByteOrderMark : QByteArray();
    for (const QString& line : std::as_const(lines)) bytes += line.toLatin1() + lineEnd;
    if (!FileWriting::WriteWholeFile(path, bytes)) return false;
    cache().remove(path);
    return true;
}

bool CanHold(const QString& value) {
    for (const QChar c : value)
        if (c.unicode() > 0xFF) return false;
    return true;
}

void ForgetCachedFiles() { cache().clear(); }

}  // namespace ProfileString
