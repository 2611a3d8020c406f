#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "frame/TempProgramFolder.h"
#include "link/TrafficLog.h"
#include "mainwin/frmMonitor.h"
#include "mainwin/frmOptions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, ReadIgnoresClicksWhileItWaitsForTheSensor) {
    start();
    const qsizetype mark = line.requests.size();
    int nestedClicks = 0;
    line.duringWait = [&](const QByteArray& request) {
        if (request != "ID") return;
        ++nestedClicks;
        window->MenuItem("mnSensRead")->trigger();
        window->ToolbarButtons[3].Control->trigger();
    };
    window->ToolbarButtons[3].Control->trigger();
    EXPECT_GT(nestedClicks, 0);
    EXPECT_EQ(count("MD,OFF", mark), 1) << "one detection only";
    EXPECT_FALSE(Toolbar::Busy());

    // Once the read is done, the next one runs.
    line.duringWait = nullptr;
    window->MenuItem("mnSensRead")->trigger();
    EXPECT_EQ(count("MD,OFF", mark), 2);
}

// The sensor commands of the menu. Writing first compares the data's type
// with the connected sensor's (message 7) and sends nothing after a No; data
// from a file of another type goes on after a Yes, the sensor read again
// first. Defaults and recall ask first, store does not; the sensor is read
// again after them.
TEST_F(MainWindow, SensorCommandsAskBeforeTheySend) {
    using Requests = QList<QByteArray>;
    const Requests detection = {"", "MD,OFF", "ID", "ID", "VER", "DAT"};
    const struct {
        const char* item;
        const char* loadedType;
        bool fromFile, sensorPresent;
        QList<int> answers;
        Requests sent;
        bool written;
    } cases[] = {
        {"mnSensWrite", "QF6000-KR", false, true, {}, {"ID", "ID"}, true},
        {"mnSensWrite", "QT4000", false, true, {MsgBox::No}, {"ID", "ID"}, false},
        {"mnSensWrite", "QT4000", true, true, {MsgBox::Yes}, Requests{"ID", "ID"} + detection, true},
        // The sensor answered until now: its "ID" given up may still be
        // answered, so the line asks for another mark first ("DAT"), in vain.
        {"mnSensWrite", "QF6000-KR", true, false, {MsgBox::Retry, MsgBox::Cancel}, {"ID", "DAT", "ID"}, false},
        {"mnSensDefault", "QF6000-KR", false, true, {MsgBox::No}, {}, false},
        // The sensor is back: its answer to "DEF" settles the "ID" still owed
        // from before, and the try of "DEF" is given up, so the line asks for
        // a mark before it goes on.
        {"mnSensDefault", "QF6000-KR", false, true, {MsgBox::Yes}, Requests{"DEF", "ID"} + detection, false},
        {"mnSensRecall", "QF6000-KR", false, true, {MsgBox::No}, {}, false},
        {"mnSensRecall", "QF6000-KR", false, true, {MsgBox::Yes}, Requests{"RUC"} + detection, false},
        {"mnSensStore", "QF6000-KR", false, true, {}, {"SUC"}, false},
    };
    settings += "RetryCount=1\n";
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.item << ' ' << c.loadedType << ' ' << c.answers.value(0));
        Sensor::State().SensorType = c.loadedType;
        Sensor::State().OfflineMode = c.fromFile;
        sensorPresent = c.sensorPresent;
        for (int a : c.answers) messages.answer(a);
        const qsizetype boxesBefore = messages.count(), mark = line.requests.size();
        qf.calls.clear();

        window->MenuItem(c.item)->trigger();

        EXPECT_EQ(messages.count() - boxesBefore, c.answers.size());
        EXPECT_EQ(line.requestsSince(mark), c.sent);
        EXPECT_EQ(qf.calls.contains("WriteData()"), c.written);
        if (c.fromFile) {
            EXPECT_EQ(Sensor::State().OfflineMode, !c.written) << "Cancel changes nothing";
        }
    }
}

// A program folder with an English language file.
class TranslatedMainWindow : public MainWindowFixture {
protected:
    void writeEnglish(const QByteArray& sections) { program.writeLanguage("WZLVLANG.ENG", "English", sections); }
    TempProgramFolder program;
};

TEST_F(TranslatedMainWindow, OptionsChangePortAndLanguageOfEveryOpenWindow) {
    writeEnglish("[frmMain]\r\nmnFile=&File\r\nTooltip3=Read the sensor\r\n[frmMonitor]\r\nfrmMonitor=Traffic\r\n");
    start();
    activate();
    ASSERT_TRUE(qf.Loaded());
    bool commandTranslated = false;
    window->RegisterToolWindow("frmCommand", {[] {}, [] { return true; }, [&] { commandTranslated = true; }});

    WhenShown<frmOptions>([](frmOptions* dialog) {
        dialog->cmbLanguage->setCurrentIndex(1);
        emit dialog->cmbLanguage->activated(1);
        dialog->cmbPort->setEditText("/dev/fake-2");
        dialog->btOK->click();
    });
    window->MenuItem("mnOptions")->trigger();

    EXPECT_EQ(Ports::PortName(), "/dev/fake-2");
    EXPECT_EQ(line.CommPort(), "/dev/fake-2");
    EXPECT_EQ(window->lblPort->text(), " /dev/fake-2 ");
    EXPECT_EQ(window->MenuItem("mnFile")->text(), "&File");
    EXPECT_EQ(window->MenuItem("mnSensor")->text(), "&Sensor");
    EXPECT_EQ(window->ToolbarButtons[3].Tip, "Read the sensor");
    EXPECT_EQ(window->ToolbarButtons[4].Tip, "Sensorinfo anzeigen");
    EXPECT_EQ(window->Monitor()->windowTitle(), "Traffic");
    EXPECT_TRUE(commandTranslated);
    EXPECT_EQ(qf.calls.filter("SetLanguage").size(), 1);

    // No change of language: nothing is translated again.
    WhenShown<frmOptions>([](frmOptions* dialog) { dialog->btCancel->click(); });
    window->MenuItem("mnOptions")->trigger();
    EXPECT_EQ(qf.calls.filter("SetLanguage").size(), 1);
}

TEST_F(TranslatedMainWindow, HostileMenuTextsLeaveAUsableWindow) {
    const QByteArray longText(300, 'x');
    writeEnglish("[frmMain]\r\nfrmMain=\r\nmnFile=\r\nmnSensor=&\r\nmnOpen=" + longText +
                 "\r\nmnSave=Save && Exit\r\nmnExit=   \r\nTooltip0=\r\nTooltip1=" + longText +
                 "\r\nStopRec=\r\nStartRec=&&\r\n");
    start();
    QString english = "English";
    LanguageUtil::SelectLanguageByName(english);
    window->SetLanguage();

    EXPECT_EQ(window->windowTitle(), "Zelvo 8200");
    for (const auto& [item, text] : {std::pair{"mnFile", "&Datei"}, {"mnSensor", "&Sensor"}, {"mnExit", "&Beenden"},
                                     {"mnSave", "Save && Exit"}})
        EXPECT_EQ(window->MenuItem(item)->text(), text);
    EXPECT_LE(window->MenuItem("mnOpen")->text().size(), 80);
    EXPECT_EQ(window->ToolbarButtons[0].Tip, "Gespeicherte Parameterdatei öffnen");
    EXPECT_LE(window->ToolbarButtons[1].Tip.size(), 80);
    EXPECT_EQ(window->StopCaption, "&Aufzeichnung stoppen");
    EXPECT_EQ(window->StartCaption, "&&");
    EXPECT_LT(window->minimumSizeHint().width(), 640);
}

TEST_F(MainWindow, MonitorReopenedBeforeTheClosedOneIsGoneListsTraffic) {
    start();
    activate();
    QAction* item = window->MenuItem("mnMonitor");
    item->trigger();
    ASSERT_NE(window->Monitor(), nullptr);
    // Closed while the sensor link waits: the nested event passes do not
    // delete the window yet.
    qobject_cast<QMdiSubWindow*>(window->Monitor()->parentWidget())->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(item->isChecked());

    item->trigger();
    ASSERT_NE(window->Monitor(), nullptr);
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window->Monitor()->Loaded);
    TrafficLog::Offer({"W: ", "ID<CR>", false});
    EXPECT_EQ(window->Monitor()->Lines(), QStringList{"W: ID<CR>"});
}

// The menu bar's letters open their menus even where a tool window has a
// control with the same letter (the monitor's "&dynamische Daten" and
// "&statische Daten"), whichever window is active.
TEST_F(MainWindow, MenuBarLettersComeBeforeThoseOfToolWindows) {
    start();
    activate();
    window->MenuItem("mnMonitor")->trigger();
    ASSERT_NE(window->Monitor(), nullptr);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const bool dynamicBefore = window->Monitor()->chkDynamic->isChecked();
    const bool staticBefore = window->Monitor()->chkStatic->isChecked();
    const struct {
        Qt::Key letter;
        const char* menu;
    } cases[] = {{Qt::Key_D, "mnFile"}, {Qt::Key_S, "mnSensor"}, {Qt::Key_F, "mnWindow"}};
    auto* monitor = qobject_cast<QMdiSubWindow*>(window->Monitor()->parentWidget());
    for (bool monitorActive : {false, true}) {
        if (monitorActive) window->MdiArea()->setActiveSubWindow(monitor);
        for (const auto& c : cases) {
            for (int press = 0; press < 2; ++press) {   // the same answer every time
                SCOPED_TRACE(testing::Message() << c.menu << " press " << press << " monitor active " << monitorActive);
                QTest::keyClick(window, c.letter, Qt::AltModifier);
                QMenu* menu = window->MenuItem(c.menu)->menu();
                ASSERT_NE(menu, nullptr);
                EXPECT_TRUE(menu->isVisible());
                // Escape closes the menu, a second one leaves the menu bar.
                QTest::keyClick(menu, Qt::Key_Escape);
                QTest::keyClick(window->menuBar(), Qt::Key_Escape);
            }
        }
    }
    EXPECT_EQ(window->Monitor()->chkDynamic->isChecked(), dynamicBefore);
    EXPECT_EQ(window->Monitor()->chkStatic->isChecked(), staticBefore);
}

}  // namespace
