#include "mainwin/frmMain.h"

#include "mainwin/ToolbarPictures.h"

#include <QAction>
#include <QToolBar>

namespace {

struct ToolbarRow {
    bool canDisable;
    const char* tip;
};

// The buttons in order; the commands are in runToolbarCommand.
constexpr ToolbarRow Rows[] = {
    {false, "Gespeicherte Parameterdatei öffnen"},
    {true, "Parameter speichern"},
    {true, "Parameter drucken"},
    {false, "Sensordaten lesen"},
    {true, "Sensorinfo anzeigen"},
    {false, "Sensor auf Defaultwerte setzen"},
    {false, "Sensor in Mastermode versetzen"},
    {true, "Daten im Sensor sichern"},
    {true, "Gesicherte Daten zurückholen"},
    {true, "Protokolldatei Aufzeichnung starten"},
    {true, "Aufzeichnung der Protokolldatei stoppen"},
};
static_assert(std::size(Rows) == std::tuple_size_v<decltype(frmMain::ToolbarButtons)>);

// A separator follows these buttons: files, reading, whole-sensor commands,
// configuration, recording.
bool endsGroup(int index) { return index == 2 || index == 4 || index == 6 || index == 8; }

}  // namespace

void frmMain::buildToolbar() {
    picToolbar = addToolBar(QStringLiteral("Toolbar"));
    picToolbar->setObjectName(QStringLiteral("picToolbar"));
    const int number = Toolbar::InitToolbar(this, picToolbar, [this](int index) { runToolbarCommand(index); });
    for (int i = 0; i < int(std::size(Rows)); ++i) {
        auto* control = new QAction(this);
        control->setObjectName(QStringLiteral("btToolbar"));
        control->setProperty("index", i);
        Toolbar::AddToolbarButton(ToolbarButtons[size_t(i)], control, ToolbarPictures::ToolbarIcon(i),
                                  Rows[i].canDisable, QString::fromUtf8(Rows[i].tip), number);
        if (endsGroup(i)) picToolbar->addSeparator();
    }
    Toolbar::SetButtonDisabled(ToolbarButtons[10], true);
}
