#include "frame/SettingsServices.h"

#include "frame/LanguageUtil.h"

#include <QHash>
#include <QStringList>

#include <memory>

namespace Options {
namespace {

struct RememberedSettings {
    QString port;
    QStringList recentFiles;
    QHash<QString, bool> checkMarks;
};

}  // namespace

SettingsServices DefaultServices() {
    auto kept = std::make_shared<RememberedSettings>();
    SettingsServices s;
    s.SetPort = [kept](QString& name) {
        if (name.isEmpty()) name = kept->port;
        else kept->port = name;
    };
    s.QuickHelpEnabled = [](int value) {
        if (value != -1) LanguageUtil::SetQuickHelpOn(value != 0);
        return LanguageUtil::QuickHelpOn() ? 1 : 0;
    };
    s.AddRecentFile = [kept](const QString& path) {
        if (path.isEmpty()) return;
        kept->recentFiles.removeAll(path);
        kept->recentFiles.prepend(path);
    };
    s.GetRecentFile = [kept](int index) { return kept->recentFiles.value(index - 1); };
    s.IsMenuChecked = [kept](const QString& item) { return kept->checkMarks.value(item, false); };
    s.SetMenuChecked = [kept](const QString& item, bool checked) { kept->checkMarks[item] = checked; };
    return s;
}

SettingsServices& Services() {
    static SettingsServices services = DefaultServices();
    return services;
}

void ResetServicesForTests() { Services() = DefaultServices(); }

}  // namespace Options
