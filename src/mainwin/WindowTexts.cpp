#include "mainwin/WindowTexts.h"

#include "frame/LanguageUtil.h"

#include <QString>
#include <QWidget>

void TranslateWindow(QWidget* window) {
    const QString section = window->objectName();
    if (window->property("tag").toString().isEmpty()) {
        LanguageUtil::StoreOriginalText(window);
        LanguageUtil::StoreFormTexts(window);
    }
    LanguageUtil::TranslateControl(section, window);
    LanguageUtil::TranslateForm(section, window);
}

void KeepDesignText(QWidget* control) {
    control->setProperty("tag", QStringLiteral("NOLANG"));
}

QString UsableCaption(const QString& translated, const QString& designText) {
    constexpr int MaxLength = 80;
    // "&&" shows an ampersand; a single "&" only marks the access key.
    QString shown = translated;
    shown.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    if (shown.trimmed().isEmpty()) return designText;
    if (translated.size() <= MaxLength) return translated;
    return translated.left(MaxLength - 1) + QChar(0x2026);
}
