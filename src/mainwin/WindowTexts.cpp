#include "mainwin/WindowTexts.h"

#include "frame/LanguageUtil.h"

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
