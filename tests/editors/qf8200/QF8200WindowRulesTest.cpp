// frmQF8200 as a window: the rules every editor window follows (loading,
// fixed size, closing, hosting) and the layout the sensor's variant gives.
#include "editors/common/Twips.h"
#include "editors/qf8200/QF8200Fixture.h"
#include "frame/Inifile_Utils.h"
#include "frame/Options.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

using QF8200WindowRules = QF8200WindowTest;

TEST_F(QF8200WindowRules, LoadsAtItsFixedSizeAndClosesWithItsPlace) {
    WriteIniString(Options::SettingsFile, "Windows", "frmQF8200", "900x700+10+20");
    open(false);
    EXPECT_EQ(window->size(), QSize(613, 357));   // 9195 x 5352 twips
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    EXPECT_TRUE(fakes.host.storeRecall);
    QApplication::processEvents();
    window->Unload();
    EXPECT_FALSE(window->Loaded());
    EXPECT_FALSE(fakes.host.parameterChecked);
    EXPECT_TRUE(ReadIniString(Options::SettingsFile, "Windows", "frmQF8200", "").startsWith("613x357"));
    // Loading again fills the window from the table and writes nothing.
    window->Show();
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_TRUE(window->Loaded());
}

// The main window hosts editors in its MDI area; closing the sub-window only hides the editor.
TEST_F(QF8200WindowRules, LivesInTheMdiAreaAcrossClosing) {
    struct MdiHost : FakeHost {
        void AddEditorWindow(QWidget* editor) override { area.addSubWindow(editor); }
        QMdiArea area;
    } host;
    host.area.resize(1000, 800);
    host.area.show();
    Editors::SetHost(&host);
    open(false);
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(sub, nullptr);
    const QSize outer = sub->size();
    sub->showMaximized();
    QApplication::processEvents();
    EXPECT_FALSE(sub->isMaximized());
    EXPECT_EQ(sub->size(), outer);
    sub->close();
    QApplication::processEvents();
    EXPECT_FALSE(window->Loaded());
    EXPECT_FALSE(host.parameterChecked);
    window->Show();
    EXPECT_TRUE(window->Loaded());
    EXPECT_TRUE(sub->isVisible());
    // Not shrunk to the bare title bar while it was hidden.
    EXPECT_EQ(sub->size(), outer);
    window.reset();
    Editors::SetHost(&fakes.host);
}

// The error-LED list has quick help only where its frame is shown: without
// the setting the place shows the second output's bare frame.
TEST_F(QF8200WindowRules, ErrorLedHelpOnlyWithItsFrame) {
    struct Case {
        QString se;
        QList<int> shown;
    } const cases[] = {{"1", {1032}}, {Rejected, {}}};
    for (const Case& c : cases) {
        open(false, {{"SE", c.se}});
        window->ShowComboHelpAt(window->cmbErrorLED->mapTo(window.get(), window->cmbErrorLED->rect().center()));
        EXPECT_EQ(fakes.host.quickHelp, c.shown) << c.shown.size();
    }
}

// Output 1's frame is as high as designed (1572 twips) with its output-toggle
// row, ending just above output 2 as designed; without the row it ends above it.
TEST_F(QF8200WindowRules, FirstOutputFrameHeight) {
    EXPECT_EQ(window->frameSwitch1->height(), Twips::ToPixels(1572));
    EXPECT_EQ(window->frameSwitch2->y() - window->frameSwitch1->height(), Twips::ToPixels(1620 - 1572));
    EXPECT_LE(window->cmbOutputToggle1->geometry().bottom(), window->frameSwitch1->height());
    open(false, {{"OT", Rejected}});
    EXPECT_EQ(window->frameSwitch1->height(), window->cmbOutputToggle1->y());
}

TEST_F(QF8200WindowRules, DisplayItems) {
    struct Case {
        bool analog;
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {true, 22, true, false}, {true, 18, "300", true}, {true, 12, Rejected, false}, {false, 14, "unchanged", false},
    };
    for (const Case& c : cases) {
        open(c.analog);
        QVariant value = "unchanged";
        window->GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(window->ValidPar(c.item), c.valid) << c.item;
    }
}

}  // namespace
