// frmQF8200RDX as a window: its size and display-window set-up, quick help
// on hover and over lists, and translation.
#include "editors/qf8200rdx/QF8200RDXFixture.h"

namespace {

using QF8200RDXWindowRules = QF8200RDXWindowTest;

TEST_F(QF8200RDXWindowRules, LoadsAtItsSizeAndSetsUpTheDisplay) {
    window->Unload();
    fakes.display.calls.clear();
    window->Show();
    EXPECT_EQ(fakes.display.calls.value(0), "EnableSwitch(0,-1)");
    EXPECT_TRUE(fakes.host.storeRecall);
    EXPECT_EQ(window->Caption(), "QF4000-K58");
    EXPECT_EQ(window->size(), QSize(621, 357));   // 9315 x 5355 twips
    EXPECT_EQ(window->lbSound->text(), "343.3");
    EXPECT_EQ(window->Outputs[2].cmbSwitchMode->currentText(), "Inaktiv");
}

// A unit label shows the help of its field; the frames that are not bound
// leave the help of the control the mouse came from standing.
TEST_F(QF8200RDXWindowRules, HoverShowsTheQuickHelpOfTheControlMeant) {
    struct Case {
        QWidget* control;
        QList<int> topics;
    } const cases[] = {
        {window->lblms[0], {3101}},          {window->lblInclinationTime[1], {3034}},
        {window->Outputs[2].units[0], {3020}}, {window->Outputs[0].frame, {0}},
        {window->Outputs[2].frame, {}},      {window->frameInclination, {}},
        {window->frameError, {}},            {window->frameMainApplication, {}},
    };
    for (const Case& c : cases) {
        fakes.host.quickHelp.clear();
        Hover(c.control, {2, 2});
        EXPECT_EQ(fakes.host.quickHelp, c.topics) << c.control->objectName().toStdString();
    }
}

TEST_F(QF8200RDXWindowRules, ListQuickHelpNeedsAListThatIsThere) {
    const auto centre = [this](QWidget* control) { return control->mapTo(window.get(), control->rect().center()); };
    struct Case {
        QHash<QString, QString> sensor;
        std::function<QComboBox*(frmQF8200RDX&)> list;
        std::optional<int> topic;
    } const cases[] = {
        {{}, [](auto& w) { return w.Outputs[1].cmbFailSafe; }, 3018},
        {{}, [](auto& w) { return w.Outputs[2].cmbSwitchMode; }, 3022},
        {{}, [](auto& w) { return w.cmbInclination; }, 3032},
        {{}, [](auto& w) { return w.cmbEvalMethod; }, 3038},
        {{}, [](auto& w) { return w.cmbMainApplication; }, 3031},
        {TwoOutputs(), [](auto& w) { return w.Outputs[2].cmbSwitchMode; }, std::nullopt},
        {NoInclination(), [](auto& w) { return w.cmbInclination; }, std::nullopt},
    };
    for (const Case& c : cases) {
        open(c.sensor);
        QComboBox* list = c.list(*window);
        window->ShowComboHelpAt(centre(list));
        const QList<int> expected = c.topic ? QList<int>({*c.topic}) : QList<int>();
        EXPECT_EQ(fakes.host.quickHelp, expected) << list->objectName().toStdString();
    }
}

TEST_F(QF8200RDXWindowRules, LanguageFileReplacesDesignTextsAndSwitchesBack) {
    EnglishLanguage english("[frmQF8200RDX]\r\ncmbOutput1=Normally closed\r\ncmbEvalMethod3=Mean\r\n"
                            "frameSwitch3=Output 3\r\nlblSwitchDis11=Switch point\r\nlblms0=x\r\n");
    window->SetLanguage();
    for (const auto& output : window->Outputs) {   // one key for the lists of all three outputs
        EXPECT_EQ(output.cmbSwitchMode->itemText(1), "Normally closed");
        EXPECT_EQ(output.cmbFailSafe->itemText(1), "1");
    }
    EXPECT_EQ(window->Outputs[0].cmbSwitchMode->currentIndex(), 1);
    EXPECT_EQ(window->cmbEvalMethod->itemText(3), "Mean");
    EXPECT_EQ(window->Outputs[2].frame->title(), "Output 3");
    EXPECT_EQ(window->Outputs[0].lblSwitchDis->text(), "Switch point");
    EXPECT_EQ(window->lblms[0]->text(), "m/s");   // units are not translated
    EnglishLanguage::SelectGerman();
    window->SetLanguage();
    EXPECT_EQ(window->Outputs[2].cmbSwitchMode->itemText(1), QString::fromUtf8("Öffner"));
    EXPECT_EQ(window->Outputs[0].lblSwitchDis->text(), "Schaltpunkt ");
}

}  // namespace
