#include "platform/FileDialog.h"

#include "platform/CentredDialog.h"
#include "platform/DialogOwner.h"

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

// The extension that filter index (1-based) supplies: that of its first
// pattern ("*.CSV" gives "CSV"), the default extension when the pattern has
// none ("*.*") or spells the default in another letter case.
QString extensionFor(const Request& r, int index) {
    const QStringList parts = r.filter.split(QLatin1Char('|'));
    const qsizetype at = 2 * qsizetype(index) - 1;
    QString extension;
    if (index >= 1 && at < parts.size()) {
        const QString pattern = parts[at].split(QLatin1Char(';')).constFirst().trimmed();
        if (pattern.startsWith(QStringLiteral("*."))) extension = pattern.mid(2);
        if (extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?'))) extension.clear();
    }
    if (extension.isEmpty() || extension.compare(r.defaultExtension, Qt::CaseInsensitive) == 0)
        return r.defaultExtension;
    return extension;
}

// A name whose own part has no dot gets the extension of the filter in use.
Result withExtension(const Request& r, Result result) {
    const QString extension = extensionFor(r, result.filterIndex);
    const QString name = QFileInfo(result.fileName).fileName();
    if (!result.cancelled() && !extension.isEmpty() && !name.isEmpty() && !name.contains(QLatin1Char('.')))
        result.fileName += QLatin1Char('.') + extension;
    return result;
}

Result showReal(const Request& r) {
    CentredDialog<QFileDialog> dialog(DialogOwner::Current(), r.title);
    dialog.setAcceptMode(r.kind == Kind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.kind == Kind::Open && r.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = NameFilters(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog.selectNameFilter(filters[r.filterIndex - 1]);
    // The dialog completes the name itself, so that it asks before
    // replacing the file that will really be written.
    const auto followFilter = [&](const QString& filter) {
        dialog.setDefaultSuffix(extensionFor(r, int(filters.indexOf(filter)) + 1));
    };
    followFilter(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
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
    return withExtension(request, handler() ? handler()(request) : showReal(request));
}

void SetHandler(Handler h) { handler() = std::move(h); }

}  // namespace FileDialog
