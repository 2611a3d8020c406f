#pragma once
#include <QString>
#include <QStringList>
#include <initializer_list>

class QComboBox;
class QObject;
class QWidget;

// Window, message and quick-help texts in the current language; German is
// built in and is the default. Other languages come from the files
// "WZLVLANG.<code>" in the program folder.
namespace LanguageUtil {

// Reads the program folder once and makes the default language current.
void InitLanguages(const QString& defaultCode, const QString& defaultName);
// Index -1 answers the current index; any other index (0-based) becomes current.
void SelectLanguage(int& index);
// An empty name answers the current name; otherwise the first language of
// exactly that name becomes current (no match changes nothing).
void SelectLanguageByName(QString& name);
// Empty beyond the last language; a negative index gives the current name.
QString GetLanguageName(int index);
QString GetLangText(const QString& section, const QString& key, const QString& defaultText);
// Empty while quick help is off or for an id without a text.
QString GetQuickHelp(int id);

// The help file of the current language (program folder and the language's
// help file name); empty when the language names none.
QString CurrentHelpFile();

// Forgets the language tables so that InitLanguages reads the folder again,
// and switches quick help back on (tests).
void ResetLanguages();

// The quick-help switch; the toolbar and the options dialog set it.
void SetQuickHelpOn(bool on);
bool QuickHelpOn();

// One row of the built-in German quick-help table; the text is UTF-8.
struct QuickHelpText {
    int id;
    const char* text;
};
// Adds rows to the built-in table (a later row for the same id wins).
void RegisterQuickHelpTexts(std::initializer_list<QuickHelpText> texts);

// Design texts are kept in each control's dynamic property "tag" so that a
// window can be translated again and again, always from its design texts.
// A control array member has objectName = the array's name and a property
// "index"; its key is the name followed by the index (lblSensor3).
void StoreOriginalText(QObject* control);
// A null defaultText means: the design text kept in the control's tag.
void TranslateControl(const QString& section, QObject* control, const QString& defaultText = QString());
// The same for every captioned control, list, tab widget and header view of a
// window, not for the windows nested in it.
void StoreFormTexts(QWidget* form);
void TranslateForm(const QString& section, QWidget* form);

// The list helpers the editors use for their combo boxes: item i is looked
// up as the control's name followed by i.
void SaveListToTag(QComboBox* list);
QStringList ListToArray(const QComboBox* list);
void TranslateList(const QString& section, QComboBox* list);
void TranslateListFromArray(const QString& section, QComboBox* list, const QStringList& designItems);

}  // namespace LanguageUtil

using LanguageUtil::GetLangText;
using LanguageUtil::GetQuickHelp;
