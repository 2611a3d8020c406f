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
        {"file name in lower case", {{"wzlvlang.eng", "[MAIN]\nlanguage=English\nfile=WZLVLANG.ENG\n"}},
         {"Deutsch", "English"}},
        {"File names another file", {{"WZLVLANG.FRA", "[Main]\nLanguage=French\nFile=WZLVLANG.ENG\n"}}, {"Deutsch"}},
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
    }
}

TEST(LanguageDiscovery, DefaultLanguageTradesPlacesWithTheFirst) {
    RegisterQuickHelpTexts({{1013, "Betriebsart von Schaltausgang 1"}});
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

TEST(LanguageSelection, ByIndexAndByName) {
    TempProgramFolder folder;
    folder.writeLanguage("WZLVLANG.ENG", "English");
    TempProgramFolder::init();
    for (int index : {1, 5, -7}) select(index);   // outside the list: nothing changes
    EXPECT_EQ(currentIndex(), 1);

    struct Case { const char* name; int index; const char* answered; } cases[] = {
        {"Deutsch", 0, "Deutsch"}, {"english", 0, "english"},  // names match case-sensitively
        {"English", 1, "English"},
        {"", 1, "English"},                                     // an empty name asks for the current one
    };
    for (const Case& c : cases) {
        QString name = c.name;
        SelectLanguageByName(name);
        EXPECT_EQ(currentIndex(), c.index) << c.name;
        EXPECT_EQ(name, c.answered) << c.name;
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
    select(0);
    t.translate();
    EXPECT_EQ(t.texts(), design);
}

}  // namespace
