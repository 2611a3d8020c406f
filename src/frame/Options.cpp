#include "frame/Options.h"

#include "frame/Inifile_Utils.h"
#include "frame/LanguageUtil.h"
#include "frame/NumberFormat.h"
#include "frame/SettingsServices.h"
#include "platform/ProfileString.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Options {
namespace {

const QString SectionSettings = QStringLiteral("Settings");
const QString SectionProt = QStringLiteral("ProtFile");
const QString SectionRecent = QStringLiteral("PREVIOUSFILES");

// The window-menu items whose check marks say which windows were open, with
// their keys, in the order they are read and written.
struct WindowItem {
    const char* key;
    const char* menuItem;
};
constexpr WindowItem WindowItems[] = {
    {"CommandWnd", "mnCommand"}, {"Distance", "mnDistance"}, {"MonitorWnd", "mnMonitor"},
    {"ShowItWnd", "mnShowIt"},   {"Parameter", "mnParameter"},
};

QString read(const QString& section, const QString& key, const QString& defaultValue) {
    return ReadIniString(SettingsFile, section, key, defaultValue);
}

void write(const QString& section, const QString& key, const QString& value) {
    WriteIniString(SettingsFile, section, key, value);
}

double leadingNumber(const QString& section, const QString& key, const QString& defaultValue) {
    return NumberFormat::LeadingNumber(read(section, key, defaultValue));
}

// The settings keep 16-bit numbers: a hand-edited value beyond that range is
// clamped to it instead of stopping the start.
int toInt16(double value) {
    if (std::isnan(value)) return 0;
    return NumberFormat::CInt(std::clamp(value, double(std::numeric_limits<qint16>::min()),
                                         double(std::numeric_limits<qint16>::max())));
}

// A whole text that is a number, in the program's own or the user's
// notation; the default for anything else (an empty value included).
int textToInt16(const QString& text, int defaultValue) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok) value = QLocale().toDouble(trimmed, &ok);
    return ok ? toInt16(value) : defaultValue;
}

// Numbers are written with one leading blank unless they are negative.
QString numberText(int value) {
    return value < 0 ? QString::number(value) : ' ' + QString::number(value);
}

QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

QString numberedKey(const char* word, int n) { return QLatin1String(word) + QString::number(n); }

void loadProtFileSettings(ProtFileSettings& prot) {
    prot.ProtOutputOption = toInt16(leadingNumber(SectionProt, "OutputTime", "0"));
    if (prot.ProtOutputOption < 0 || prot.ProtOutputOption > 3) prot.ProtOutputOption = 0;
    for (int i = 0; i < 4; ++i)
        prot.ProtOutputValue[i] = textToInt16(read(SectionProt, numberedKey("OutputOption", i), "1"), 1);
    prot.ProtTitle = read(SectionProt, "Title", "SEITE: %0  DATUM: %2");
    prot.ProtData = read(SectionProt, "Data", "ZEILE: %1: %4,%5");
    prot.ProtLines = toInt16(leadingNumber(SectionProt, "Lines", "60"));
    prot.ProtOverwrite = leadingNumber(SectionProt, "OverwriteFile", "1") == 1;
    for (int channel = 0; channel < 3; ++channel)
        prot.ProtCommand[channel] = read(SectionProt, numberedKey("Command", channel), channel == 0 ? "AD" : "");
    prot.ProtFileName = read(SectionProt, "File", "WINZELVO.OUT");
}

void saveProtFileSettings(const ProtFileSettings& prot) {
    write(SectionProt, "OutputTime", numberText(prot.ProtOutputOption));
    for (int i = 0; i < 4; ++i) write(SectionProt, numberedKey("OutputOption", i), numberText(prot.ProtOutputValue[i]));
    write(SectionProt, "Title", prot.ProtTitle);
    write(SectionProt, "Data", prot.ProtData);
    write(SectionProt, "Lines", numberText(prot.ProtLines));
    for (int channel = 0; channel < 3; ++channel)
        write(SectionProt, numberedKey("Command", channel), prot.ProtCommand[channel]);
    write(SectionProt, "File", prot.ProtFileName);
    write(SectionProt, "OverwriteFile", flagText(prot.ProtOverwrite));
}

// The list puts every entry it is given at its top, so the stored entries
// are handed over from the last back to the first.
void loadRecentFiles(SettingsServices& services) {
    QStringList entries;
    for (int n = 1;; ++n) {
        const QString entry = read(SectionRecent, numberedKey("FILE", n), QString());
        if (entry.isEmpty()) break;
        entries.append(entry);
    }
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) services.AddRecentFile(*it);
}

// A path the settings file cannot hold is left out: stored, it would come
// back as another path.
void saveRecentFiles(SettingsServices& services) {
    int n = 1;
    for (int index = 1;; ++index) {
        const QString entry = services.GetRecentFile(index);
        if (entry.isEmpty()) break;
        if (ProfileString::CanHold(entry)) write(SectionRecent, numberedKey("FILE", n++), entry);
    }
    // A list that got shorter (a file that was gone is dropped from it) ends
    // with an empty key, so the old last entries do not come back next time.
    if (!read(SectionRecent, numberedKey("FILE", n), QString()).isEmpty())
        write(SectionRecent, numberedKey("FILE", n), QString());
}

}  // namespace

Settings& Current() {
    static Settings settings;
    return settings;
}

void ResetForTests() { Current() = Settings(); }

void LoadSettings() {
    Settings& s = Current();
    SettingsServices& services = Services();

    QString language = read(SectionSettings, "Language", "GER");
    LanguageUtil::SelectLanguageByName(language);
    QString port = read(SectionSettings, "Port", "COM1");
    services.SetPort(port);

    s.CommandUpper = leadingNumber(SectionSettings, "CommandUpper", "1") != 0;
    s.SendRST = leadingNumber(SectionSettings, "SendRST", "1") != 0;
    services.QuickHelpEnabled(read(SectionSettings, "Tooltips", "YES") == QLatin1String("YES") ? 1 : 0);
    for (const WindowItem& item : WindowItems)
        services.SetMenuChecked(item.menuItem, read(SectionSettings, item.key, "Show") == QLatin1String("Show"));

    loadProtFileSettings(s.Prot);

    // A fraction below one half would round to no try at all; one try is the least.
    const double retries = leadingNumber(SectionSettings, "RetryCount", "2");
    s.RetryCount = (retries <= 0 || retries > 100) ? 1 : std::max(1, toInt16(retries));

    loadRecentFiles(services);

    s.DebugMode = leadingNumber(SectionSettings, "Debug", "0") == 1;
}

void SaveSettings() {
    const Settings& s = Current();
    SettingsServices& services = Services();

    write(SectionSettings, "SendRST", flagText(s.SendRST));
    write(SectionSettings, "Tooltips", services.QuickHelpEnabled(-1) == 1 ? "YES" : "NO");
    QString port;
    services.SetPort(port);
    write(SectionSettings, "Port", port);
    for (const WindowItem& item : WindowItems)
        write(SectionSettings, item.key, services.IsMenuChecked(item.menuItem) ? "Show" : "Hide");
    QString language;
    LanguageUtil::SelectLanguageByName(language);
    write(SectionSettings, "Language", language);

    saveRecentFiles(services);
    saveProtFileSettings(s.Prot);
}

}  // namespace Options
