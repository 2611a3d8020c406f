#pragma once
#include <QString>

class QObject;
class QWidget;

// Window, message and quick-help texts in the current language; German is
// built in and is the default.
namespace LanguageUtil {

void InitLanguages(const QString& defaultCode, const QString& defaultName);
void SelectLanguage(int& index);
void SelectLanguageByName(QString& name);
QString GetLanguageName(int index);
QString GetLangText(const QString& section, const QString& key, const QString& defaultText);
QString GetQuickHelp(int id);

void StoreOriginalText(QObject* control);
void TranslateControl(const QString& section, QObject* control, const QString& defaultText = QString());
void StoreFormTexts(QWidget* form);
void TranslateForm(const QString& section, QWidget* form);

}  // namespace LanguageUtil

using LanguageUtil::GetLangText;
using LanguageUtil::GetQuickHelp;
