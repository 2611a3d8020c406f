#include "mainwin/frmMainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace frmMainMenu {
namespace {

// One entry of a menu: a caption "-" makes a separator.
struct Item {
    const char* name;
    const char* caption;
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

const QString SeparatorCaption = QStringLiteral("-");

QAction* addItem(QMenu* menu, const Item& item) {
    const QString caption = QString::fromUtf8(item.caption);
    QAction* action = menu->addAction(caption == SeparatorCaption ? QString() : caption);
    action->setObjectName(QLatin1String(item.name));
    action->setSeparator(caption == SeparatorCaption);
    return action;
}

QMenu* addMenu(QWidget* parent, const Menu& design) {
    auto* menu = new QMenu(QString::fromUtf8(design.caption), parent);
    menu->setObjectName(QLatin1String(design.name));
    menu->menuAction()->setObjectName(QLatin1String(design.name));
    for (const Item& item : design.items) addItem(menu, item);
    return menu;
}

// A control array: actions sharing the array's name, told apart by "index".
void addArray(QMenu* menu, const char* name, int first, const QStringList& captions, bool visible) {
    for (int i = 0; i < captions.size(); ++i) {
        QAction* action = menu->addAction(captions[i]);
        action->setObjectName(QLatin1String(name));
        action->setProperty("index", first + i);
        action->setVisible(visible);
    }
}

const Menu FileMenuHead = {"mnFile", "&Datei",
                           {{"mnOpen", "&Öffnen"},
                            {"mnSave", "&Speichern"},
                            {"SEP15", "-"},
                            {"mnPrint", "&Drucken"},
                            {"SEP1", "-"},
                            {"mnExport", "&Export"},
                            {"SEP2", "-"}}};

const Menu SensorMenu = {"mnSensor", "&Sensor",
                         {{"mnSensRead", "Sensor &lesen"},
                          {"mnSensWrite", "Sensor &schreiben"},
                          {"SEP10", "-"},
                          {"mnSensDefault", "Sensor &zurücksetzen"},
                          {"mnSensMaster", "&Mastermodus"},
                          {"SEP11", "-"},
                          {"mnSensStore", "&Konfiguration speichern"},
                          {"mnSensRecall", "K&onfiguration lesen"},
                          {"SEP12", "-"},
                          {"mnProtFile", "&Protokolldatei"},
                          {"mnProtStartStop", "&Aufzeichnung starten"},
                          {"SEP13", "-"},
                          {"mnInfo", "Sensor &Info"}}};

const Menu WindowMenu = {"mnWindow", "&Fenster",
                         {{"mnShowIt", "&Show It"},
                          {"mnDistance", "&Distanz"},
                          {"mnParameter", "&Parameter"},
                          {"mnCommand", "&Befehlseingabe"},
                          {"mnMonitor", "&Port Monitor"},
                          {"SEP14", "-"},
                          {"mnDefaultPosition", "Default &Positionen"}}};

const Menu HelpMenu = {"mnHelp", "&Hilfe", {{"mnContents", "&Inhalt"}, {"mnAbout", "Info &über"}}};

const Menu MacroMenu = {"mnMacros", "Makros", {}};

}  // namespace

QMenu* Build(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();

    QMenu* file = addMenu(bar, FileMenuHead);
    // The recent files fill these five entries and show them with their separator.
    addArray(file, "mnFiles", 1, QStringList(5, QString()), false);
    addItem(file, {"mnFileSep", "-"})->setVisible(false);
    addItem(file, {"mnExit", "&Beenden"});
    bar->addMenu(file);

    bar->addMenu(addMenu(bar, SensorMenu));
    bar->addAction(QStringLiteral("&Optionen"))->setObjectName(QStringLiteral("mnOptions"));

    QMenu* windows = addMenu(bar, WindowMenu);
    for (const WindowItem& item : ToolWindowItems) windows->findChild<QAction*>(item.item)->setCheckable(true);
    windows->findChild<QAction*>(ParameterItem)->setCheckable(true);
    bar->addMenu(windows);

    bar->addMenu(addMenu(bar, HelpMenu));

    // Never in the menu bar: the protocol-file dialog pops it up.
    QMenu* macros = addMenu(window, MacroMenu);
    addArray(macros, "mnProtMacro", 0,
             {QStringLiteral("Seite"), QStringLiteral("Zeile"), QStringLiteral("Datum"), QStringLiteral("Zeit"),
              QStringLiteral("Befehlstext"), QStringLiteral("Befehlsergebnis")},
             true);
    return macros;
}

const QStringList& TranslatedItems() {
    static const QStringList items = {
        "mnFile",          "mnOpen",     "mnSave",        "mnPrint",      "mnExport",     "mnExit",
        "mnSensor",        "mnSensRead", "mnSensWrite",   "mnSensDefault", "mnSensMaster", "mnSensStore",
        "mnSensRecall",    "mnProtFile", "mnProtStartStop", "mnInfo",     "mnOptions",    "mnWindow",
        "mnShowIt",        "mnDistance", "mnParameter",   "mnCommand",    "mnMonitor",    "mnDefaultPosition",
        "mnHelp",          "mnContents", "mnAbout",
    };
    return items;
}

}  // namespace frmMainMenu
