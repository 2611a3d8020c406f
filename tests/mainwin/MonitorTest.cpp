#include "frame/Inifile_Utils.h"
#include "frame/Options.h"
#include "link/TrafficLog.h"
#include "mainwin/frmMonitor.h"
#include "platform/Folders.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace {

class Monitor : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(640, 400);
        area.show();
        monitor = new frmMonitor(&area);
    }
    void TearDown() override { TrafficLog::SetSink({}); }

    void setFilters(bool dynamic, bool statics) {
        monitor->chkDynamic->setChecked(dynamic);
        monitor->chkStatic->setChecked(statics);
    }
    QStringList shown() {
        monitor->ShowPendingLines();
        QStringList items;
        for (int i = 0; i < monitor->lstComm->count(); ++i) items.append(monitor->lstComm->item(i)->text());
        return items;
    }

    TempWindowsFolder folder;
    QMdiArea area;
    QPointer<frmMonitor> monitor;
};

TEST_F(Monitor, CompletesEmptyAndOneCharacterTextsAndFiltersCyclicTraffic) {
    const struct {
        QString prefix, text, line;
    } cases[] = {
        {"R: ", "", "R: <TIMEOUT>"},
        {"R: ", "A", "R: A (HEX=41)"},
        {"R: ", QString(QChar(0x81)), QString("R: ") + QChar(0x81) + " (HEX=81)"},
        {"W: ", "ID<CR>", "W: ID<CR>"},
        {"D:", "EchoMode = False", "D:EchoMode = False"},
    };
    QStringList expected;
    for (const auto& c : cases) {
        monitor->Add(c.prefix, c.text);
        expected.append(c.line);
    }
    EXPECT_EQ(monitor->Lines(), expected);

    // Cyclic (dynamic) lines show only with their box checked, one-off (static) lines with theirs.
    for (const auto& [showDynamic, showStatic] :
         {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
        setFilters(showDynamic, showStatic);
        for (const bool dynamic : {false, true}) {
            const qsizetype before = monitor->Lines().size();
            monitor->Add("W: ", "AD<CR>", dynamic);
            EXPECT_EQ(monitor->Lines().size() - before, (dynamic ? showDynamic : showStatic) ? 1 : 0)
                << showDynamic << showStatic << dynamic;
        }
    }
}

TEST_F(Monitor, KeepsTheNewest1000LinesInModelAndList) {
    for (int i = 1; i <= 1001; ++i) monitor->Add("W: ", QString("#%1").arg(i));
    QStringList lines = monitor->Lines();
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.first(), "W: #2");
    EXPECT_EQ(lines.last(), "W: #1001");
    EXPECT_EQ(shown(), lines);

    // Batches of every size keep the list equal to the lines held.
    for (int batch : {1, 7, 999, 1000, 2500, 3}) {
        for (int i = 0; i < batch; ++i) monitor->Add("R: ", QString("b%1-%2").arg(batch).arg(i));
        EXPECT_EQ(shown(), monitor->Lines()) << batch;
    }
    EXPECT_EQ(monitor->lstComm->count(), 1000);
}

TEST_F(Monitor, ControlCharactersDoNotBreakAListLine) {
    monitor->Add("R: ", "12\n34");
    EXPECT_EQ(monitor->Lines(), QStringList{"R: 12\n34"});
    EXPECT_EQ(shown(), QStringList{QString("R: 12") + QChar(0xB7) + "34"});
}

TEST(MonitorSettings, ReadsYesInAnyCaseAndWritesYesNo) {
    const struct {
        const char* dynamicValue;   // nullptr: key missing
        const char* staticValue;
        bool dynamicChecked;
        bool staticChecked;
    } cases[] = {
        {nullptr, nullptr, false, true}, {"YES", "yes", true, true}, {"yes please", "1", false, false},
    };
    for (const auto& c : cases) {
        TempWindowsFolder folder;
        if (c.dynamicValue) WriteIniString(Options::SettingsFile, "Monitor", "ShowDynamic", c.dynamicValue);
        if (c.staticValue) WriteIniString(Options::SettingsFile, "Monitor", "ShowStatic", c.staticValue);
        QMdiArea area;
        area.show();
        auto* monitor = new frmMonitor(&area);
        EXPECT_EQ(monitor->chkDynamic->isChecked(), c.dynamicChecked) << c.dynamicValue;
        EXPECT_EQ(monitor->chkStatic->isChecked(), c.staticChecked) << c.staticValue;

        monitor->chkDynamic->setChecked(!c.dynamicChecked);
        qobject_cast<QMdiSubWindow*>(monitor->parentWidget())->close();
        EXPECT_EQ(ReadIniString(Options::SettingsFile, "Monitor", "ShowDynamic", "?"),
                  c.dynamicChecked ? "No" : "Yes");
        EXPECT_EQ(ReadIniString(Options::SettingsFile, "Monitor", "ShowStatic", "?"),
                  c.staticChecked ? "Yes" : "No");
        EXPECT_NE(ReadIniString(Options::SettingsFile, "Windows", "frmMonitor", ""), "");
    }
}

}  // namespace
