#include "platform/FileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace FileDialog {
namespace {

Handler& handler() {
    static Handler h;
    return h;
}

// "*.zlv;*.bak" gives "*.zlv *.ZLV *.bak *.BAK".
QString BothCases(const QString& patterns) {
    QStringList all;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        for (const QString& variant : {pattern.trimmed(), pattern.trimmed().toLower(), pattern.trimmed().toUpper()})
            if (!all.contains(variant)) all.append(variant);
    }
    return all.join(QLatin1Char(' '));
}

Result showReal(const Request& r) {
    QFileDialog dialog(QApplication::activeWindow(), r.title);
    dialog.setAcceptMode(r.kind == Kind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.kind == Kind::Open && r.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = NameFilters(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog.selectNameFilter(filters[r.filterIndex - 1]);
    dialog.setDefaultSuffix(r.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);

    const QFileInfo start(r.fileName);
    if (r.fileName.contains(QLatin1Char('/'))) dialog.setDirectory(start.absolutePath());
    else if (!r.initialFolder.isEmpty()) dialog.setDirectory(r.initialFolder);
    if (!r.fileName.isEmpty()) dialog.selectFile(start.fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().constFirst(), int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

QStringList NameFilters(const QString& filter) {
    static const QRegularExpression bracketedPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(bracketedPatterns);
        filters.append(description + QStringLiteral(" (") + BothCases(parts[i + 1]) + QLatin1Char(')'));
    }
    return filters;
}

Result Show(const Request& request) {
    if (handler()) return handler()(request);
    return showReal(request);
}

void SetHandler(Handler h) { handler() = std::move(h); }

}  // namespace FileDialog
