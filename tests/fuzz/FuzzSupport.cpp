#include "FuzzSupport.h"

#include "frame/Inifile_Utils.h"
#include "platform/FileDialog.h"
#include "platform/Folders.h"
#include "platform/MsgBox.h"
#include "platform/ProfileString.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {
namespace {

// Removed when the run ends (not after a finding, whose files may help).
struct Environment {
    QTemporaryDir windows;
    QTemporaryDir program;
    QTemporaryDir files;
};

Environment& environment() {
    static Environment env;
    return env;
}

int leaveAsItIs(const MsgBox::Request& request) {
    switch (request.style & 7) {
    case MsgBox::YesNoCancel:
    case MsgBox::YesNo: return MsgBox::No;
    case MsgBox::OkCancel:
    case MsgBox::RetryCancel: return MsgBox::Cancel;
    case MsgBox::AbortRetryIgnore: return MsgBox::Abort;
    default: return MsgBox::Ok;
    }
}

}  // namespace

void SetUp() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    qputenv("ZELVO8200_WINDIR", environment().windows.path().toLocal8Bit());
    Folders::SetProgramFolderForTests(environment().program.path());
    MsgBox::SetHandler(leaveAsItIs);
    FileDialog::SetHandler([](const FileDialog::Request&) { return FileDialog::Result{}; });
}

QString WindowsFolder() { return environment().windows.path(); }
QString ProgramFolder() { return environment().program.path(); }
QString FilesFolder() { return environment().files.path(); }

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) Fail("cannot write", path);
    file.close();
    ProfileString::ForgetCachedFiles();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

// Lines as any of CR LF, LF or CR ends them.
QStringList lines(const QByteArray& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return QString::fromLatin1(text).split(lineBreak);
}

}  // namespace

QStringList SectionNames(const QByteArray& iniText) {
    QStringList names;
    for (const QString& raw : lines(iniText)) {
        const QString line = raw.trimmed();
        const qsizetype close = line.indexOf(']');
        if (line.startsWith('[') && close > 0) names.append(line.mid(1, close - 1).trimmed());
    }
    return names;
}

void Fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, detail.toLocal8Bit().constData());
    std::abort();
}

QStringList KeysOf(const QString& path, const QString& section) {
    QString buffer;
    Inifile_Utils::ReadIniBuffer(path, section, QString(), QString(), buffer);
    QStringList keys = buffer.split(QChar(0));
    keys.removeAll(QString());
    return keys;
}

}  // namespace Fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::SetUp();
    return 0;
}

// fontconfig keeps its configuration for the life of the process, which
// LeakSanitizer reports as leaks when a run or a replay ends (the test suite
// reads the same from scripts/lsan-suppressions.txt).
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
