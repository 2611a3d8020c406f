#include "frame/LanguageUtil.h"

#include "frame/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using namespace LanguageUtil;

namespace {

QStringList languageNames() {
    QStringList names;
    for (int i = 0; !GetLanguageName(i).isEmpty(); ++i) names << GetLanguageName(i);
    return names;
}

int currentIndex() {
    int index = -1;
    SelectLanguage(index);
    return index;
}

void select(int index) { SelectLanguage(index); }

TEST(LanguageDiscovery, AcceptsOnlyFilesThatNameThemselves) {
    struct File { const char* name; QByteArray bytes; };
    struct Case { const char* what; std::vector<File> files; QStringList names; } cases[] = {
        {"no files", {}, {"Deutsch"}},
        {"File in lower case", {{"WZLVLANG.ENG", "[Main]\nLanguage=English\nFile=wzlvlang.eng\n"}},
         {"Deutsch", "English"}},
        {"file name in lower case", {{"wzlvlang.eng", "[MAIN]\nlanguage=English\nfile=WZLVLANG.ENG\n"}},
         {"Deutsch", "English"}},
        {"File names another file", {{"WZLVLANG.FRA", "[Main]\nLanguage=French\nFile=WZLVLANG.ENG\n"}}, {"Deutsch"}},
        {"empty Language", {{"WZLVLANG.ENG", "[Main]\nLanguage=\nFile=WZLVLANG.ENG\n"}}, {"Deutsch"}},
        {"no Main section", {{"WZLVLANG.ENG", "[Other]\nLanguage=English\nFile=WZLVLANG.ENG\n"}}, {"Deutsch"}},
        {"binary", {{"WZLVLANG.BIN", QByteArray("[Main]\nLanguage=Bin\nFile=WZLVLANG.BIN\n\0\x01", 39)}}, {"Deutsch"}},
        {"same code twice",
         {{"wzlvlang.eng", "[Main]\nLanguage=Englisch\nFile=wzlvlang.eng\n"},
          {"WZLVLANG.ENG", "[Main]\nLanguage=English\nFile=WZLVLANG.ENG\n"}},
         {"Deutsch", "English"}},
        {"Latin-1 name", {{"WZLVLANG.FRA", "[Main]\nLanguage=Fran\xe7" "ais\nFile=WZLVLANG.FRA\n"}},
         {"Deutsch", QString::fromLatin1("Fran\xe7" "ais")}},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        for (const File& f : c.files) folder.write(f.name, f.bytes);
        TempProgramFolder::init();
        EXPECT_EQ(languageNames(), c.names) << c.what;
        EXPECT_EQ(currentIndex(), 0) << c.what;
        EXPECT_EQ(CurrentHelpFile(), folder.file("WZLVGER.HLP")) << c.what;
    }
}

TEST(LanguageDiscovery, DefaultLanguageTradesPlacesWithTheFirst) {
    TempProgramFolder folder;
    folder.writeLanguage("WZLVLANG.ENG", "English", "[frmMain]\r\nmnFile=&File\r\n");
    folder.writeLanguage("WZLVLANG.FRA", "Francais");
    folder.writeLanguage("WZLVLANG.GER", "Deutsch (Datei)",
                         "[frmMain]\r\nmnFile=&Datei\r\n[QuickHelp]\r\n1013=aus der Datei\r\n");
    TempProgramFolder::init();
    folder.writeLanguage("WZLVLANG.ITA", "Italiano");
    TempProgramFolder::init();  // the tables are built once; later files wait for the next start
    EXPECT_EQ(languageNames(), QStringList({"Deutsch (Datei)", "Francais", "English"}));
    EXPECT_EQ(GetLangText("frmMain", "mnFile", "x"), "&Datei");
    // The default language answers quick help from the built-in table even with a file.
    EXPECT_EQ(GetQuickHelp(1013), "Betriebsart von Schaltausgang 1");
    select(2);
    EXPECT_EQ(GetLangText("frmMain", "mnFile", "x"), "&File");
}

TEST(LanguageDiscovery, HelpFilesDefaultToTheFirstAcceptedFiles) {
    struct Case { QByteArray englishHelp; QStringList helpFiles; } cases[] = {
        {"Help=WZLVENG.HLP\r\n", {"WZLVGER.HLP", "WZLVENG.HLP", "WZLVITA.HLP", "WZLVENG.HLP"}},
        {"", {"WZLVGER.HLP", "", "WZLVITA.HLP", ""}},  // no help name: no help file, not the folder
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        folder.writeLanguage("WZLVLANG.ENG", "English", c.englishHelp);
        folder.writeLanguage("WZLVLANG.FRA", "Francais");
        folder.writeLanguage("WZLVLANG.ITA", "Italiano", "Help=WZLVITA.HLP\r\n");
        TempProgramFolder::init();
        ASSERT_EQ(languageNames(), QStringList({"Deutsch", "Francais", "Italiano", "English"}));
        for (int i = 0; i < 4; ++i) {
            select(i);
            const QString& name = c.helpFiles[i];
            EXPECT_EQ(CurrentHelpFile(), name.isEmpty() ? QString() : folder.file(name)) << i;
        }
    }
}

TEST(LanguageSelection, ByIndexAndByName) {
    TempProgramFolder folder;
    folder.writeLanguage("WZLVLANG.ENG", "English");
    TempProgramFolder::init();
    select(1);
    select(5);  // outside the list: nothing changes
    select(-7);
    EXPECT_EQ(currentIndex(), 1);
    EXPECT_EQ(GetLanguageName(-1), "English");
    EXPECT_EQ(GetLanguageName(2), "");

    struct Case { const char* name; int index; const char* answered; } cases[] = {
        {"Deutsch", 0, "Deutsch"}, {"english", 0, "english"},  // names match case-sensitively
        {"English", 1, "English"}, {"Klingon", 1, "Klingon"},
        {"", 1, "English"},                                     // an empty name asks for the current one
    };
    for (const Case& c : cases) {
        QString name = c.name;
        SelectLanguageByName(name);
        EXPECT_EQ(currentIndex(), c.index) << c.name;
        EXPECT_EQ(name, c.answered) << c.name;
    }
}

TEST(LanguageTexts, LookUpFollowsTheCurrentLanguage) {
    TempProgramFolder folder;
    folder.writeLanguage("WZLVLANG.ENG", "English",
                         "[frmOptions]\r\nbtOK=OK\r\nbtCancel=\r\n[QuickHelp]\r\n1013=Mode 1\r\n9901=Speed\r\n");
    TempProgramFolder::init();
    RegisterQuickHelpTexts({{9901, "Schallgeschwindigkeit"}});  // as a later editor line does
    struct Case { int language; const char* key; int helpId; const char* text; const char* help; } cases[] = {
        {0, "btOK", 1013, "dflt", "Betriebsart von Schaltausgang 1"},
        {0, "btOK", 1004, "dflt", "Konstante Pausenzeit, die der Sensor nach jeder Messung wartet (0 ... 1000) "},
        {0, "btOK", 1103, "dflt", ""},                 // the DIP-switch picture has no text
        {0, "btOK", 9901, "dflt", "Schallgeschwindigkeit"},
        {1, "btOK", 1013, "OK", "Mode 1"},
        {1, "btCancel", 9901, "", "Speed"},            // present but empty stays empty
        {1, "btMissing", 1001, "dflt", ""},            // quick help has no default in a language file
    };
    for (const Case& c : cases) {
        select(c.language);
        EXPECT_EQ(GetLangText("frmOptions", c.key, "dflt"), c.text) << c.key;
        EXPECT_EQ(GetQuickHelp(c.helpId), QString::fromUtf8(c.help)) << c.helpId;
    }
    select(0);
    for (int id = 1001; id <= 1034; ++id) EXPECT_NE(GetQuickHelp(id), "") << id;

    SetQuickHelpOn(false);
    for (int language : {0, 1}) {
        select(language);
        EXPECT_EQ(GetQuickHelp(1013), "") << language;
    }
}

// A window with one control of each kind the language system knows, plus
// controls that must never change.
struct TestForm {
    QWidget form;
    QLabel* label = new QLabel("Entfernung", &form);
    QLabel* constant = new QLabel("mm", &form);
    QLabel* noLang = new QLabel("ON", &form);
    QGroupBox* frame = new QGroupBox("Sprache", &form);
    QPushButton* button = new QPushButton("Abbrechen", frame);
    QComboBox* combo = new QComboBox(frame);
    QTabWidget* tabs = new QTabWidget(&form);
    QTreeWidget* tree = new QTreeWidget(tabs);
    QMenu* menu = new QMenu("&Datei", &form);
    QAction* action = menu->addAction("&Öffnen");
    std::array<QLabel*, 2> sensor{new QLabel("zum Sensor", &form), new QLabel("zum Programm", &form)};
    QLabel* dialogLabel = new QLabel("im Dialog", new QDialog(&form));
    QLabel* childLabel = new QLabel("im Kindfenster");

    TestForm() {
        const std::pair<QObject*, const char*> names[] = {
            {&form, "frmTest"}, {label, "lblDistance"}, {constant, "lblCONSTANT1"}, {noLang, "lblOn"},
            {frame, "frameLanguage"}, {button, "btCancel"}, {combo, "cmbMode"}, {tabs, "tabPages"},
            {tree, "lvValues"}, {menu, "mnFile"}, {action, "mnOpen"}, {sensor[0], "lblSensor"},
            {sensor[1], "lblSensor"}, {dialogLabel, "lblDistance"}, {childLabel, "lblDistance"}};
        for (const auto& [object, name] : names) object->setObjectName(name);
        form.setWindowTitle("Testfenster");
        noLang->setProperty("tag", "NOLANG");
        combo->addItems({"Aus", "Schaltpunkt", "Fenster"});
        combo->setCurrentIndex(2);
        tabs->addTab(new QWidget, "Allgemein");
        tabs->addTab(tree, "Liste");
        tree->setHeaderLabels({"Name", "Wert"});
        for (int i = 0; i < 2; ++i) sensor[i]->setProperty("index", i);
        (new QMdiArea(&form))->addSubWindow(childLabel);
    }

    QStringList texts() const {
        return {form.windowTitle(), label->text(), constant->text(), noLang->text(), frame->title(),
                button->text(), combo->itemText(0), combo->itemText(1), combo->itemText(2), tabs->tabText(0),
                tabs->tabText(1), tree->headerItem()->text(0), tree->headerItem()->text(1), menu->title(),
                action->text(), sensor[0]->text(), sensor[1]->text(), dialogLabel->text(), childLabel->text()};
    }

    void translate() {
        TranslateControl("frmTest", &form);  // the caption is not one of the window's controls
        TranslateForm("frmTest", &form);
    }
};

TEST(LanguageControls, FormIsTranslatedFromItsDesignTextsAndBack) {
    TempProgramFolder folder;
    folder.writeLanguage("WZLVLANG.ENG", "English",
                         "[frmTest]\r\nfrmTest=Test window\r\nlblDistance=Distance\r\nlblCONSTANT1=inch\r\n"
                         "lblOn=AN\r\nframeLanguage=Language\r\nbtCancel=Cancel\r\ncmbMode1=Switch point\r\n"
                         "tabPages1=General\r\nlvValues2=Value\r\nmnFile=&File\r\nmnOpen=&Open\r\n"
                         "lblSensor1=to the program\r\nlblSensor=never used\r\n");
    TempProgramFolder::init();
    TestForm t;
    const QStringList design = t.texts();
    StoreOriginalText(&t.form);
    StoreFormTexts(&t.form);
    EXPECT_EQ(t.combo->property("tag"), "Aus|Schaltpunkt|Fenster|");
    EXPECT_EQ(t.tree->property("tag"), "Name|Wert|");
    EXPECT_EQ(t.noLang->property("tag"), "NOLANG");
    t.translate();
    EXPECT_EQ(t.texts(), design) << "the built-in language keeps the design texts";

    select(1);
    const QStringList english = {"Test window", "Distance", "mm", "ON", "Language", "Cancel", "Aus",
                                 "Switch point", "Fenster", "General", "Liste", "Name", "Value", "&File",
                                 "&Open", "zum Sensor", "to the program", "im Dialog", "im Kindfenster"};
    t.translate();
    EXPECT_EQ(t.texts(), english);
    t.translate();  // again: still from the design texts
    EXPECT_EQ(t.texts(), english);
    EXPECT_EQ(t.combo->currentIndex(), 2);

    TranslateControl("frmTest", t.constant, "Zoll");  // the prefix protects even against a given text
    TranslateControl("frmTest", t.button, "Schliessen");
    EXPECT_EQ(t.button->text(), "Cancel");
    select(0);
    TranslateControl("frmTest", t.button, "Schliessen");
    EXPECT_EQ(t.button->text(), "Schliessen");
    t.translate();
    EXPECT_EQ(t.texts(), design);
}

TEST(LanguageControls, ListRoutinesTranslateItemsByPosition) {
    TempProgramFolder folder;
    folder.writeLanguage("WZLVLANG.ENG", "English", "[frmQF8200]\r\ncmbEchoError1=Hold\r\ncmbErrorLED0=Off\r\n");
    TempProgramFolder::init();
    QComboBox echo;
    echo.setObjectName("cmbEchoError");
    echo.addItems({"Letzter Wert", "Halten", "Fehler"});
    QComboBox led;
    led.setObjectName("cmbErrorLED");
    led.addItems({"Aus", "An"});
    led.setCurrentIndex(1);
    SaveListToTag(&echo);
    EXPECT_EQ(echo.property("tag"), "Letzter Wert|Halten|Fehler");
    const QStringList ledItems = ListToArray(&led);

    select(1);
    TranslateList("frmQF8200", &echo);
    TranslateListFromArray("frmQF8200", &led, ledItems);
    EXPECT_EQ(ListToArray(&echo), QStringList({"Letzter Wert", "Hold", "Fehler"}));
    EXPECT_EQ(ListToArray(&led), QStringList({"Off", "An"}));
    EXPECT_EQ(led.currentIndex(), 1);

    select(0);
    TranslateList("frmQF8200", &echo);
    TranslateListFromArray("frmQF8200", &led, {"Aus"});  // a short array leaves the other items alone
    EXPECT_EQ(ListToArray(&echo), QStringList({"Letzter Wert", "Halten", "Fehler"}));
    EXPECT_EQ(ListToArray(&led), QStringList({"Aus", "An"}));
}

}  // namespace
