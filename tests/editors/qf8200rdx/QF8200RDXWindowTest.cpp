// frmQF8200RDX as a window: loading, its fixed size, quick help on hover and
// over lists, Enter in the parts of composite values, and translation.
#include "editors/qf8200rdx/QF8200RDXFixture.h"
#include "frame/LanguageUtil.h"
#include "platform/Folders.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace {

using QF8200RDXWindowRules = QF8200RDXWindowTest;

void hover(QWidget* control, QPoint at = QPoint(1, 1)) {
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

TEST_F(QF8200RDXWindowRules, LoadingShowsWhatWasReadAndWritesNothing) {
    window->Unload();
    window->readdata();
    fakes.sensor.take();
    fakes.display.calls.clear();
    window->Show();
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
    EXPECT_EQ(fakes.display.calls.value(0), "EnableSwitch(0,-1)");
    EXPECT_TRUE(window->Loaded());
    EXPECT_FALSE(window->Busy());
    EXPECT_EQ(window->CurrentField(), 0);
    EXPECT_TRUE(fakes.host.storeRecall);
    EXPECT_EQ(window->Caption(), "QF4000-K58");
    EXPECT_EQ(window->size(), QSize(621, 357));   // 9315 x 5355 twips
    EXPECT_EQ(window->lbSound->text(), "343.3");
    EXPECT_EQ(window->Outputs[2].cmbSwitchMode->currentText(), "Inaktiv");
}

TEST_F(QF8200RDXWindowRules, PartsOfACompositeValueCommitTheirRecord) {
    struct Case {
        QLineEdit* box;
        int helpTopic;
        int committed;
    } const cases[] = {
        {window->MethodFields.txtDiff, 3039, 3038},  {window->MethodFields.txtNCount, 3043, 3038},
        {window->txtInclinationOff, 3034, 3032},      {window->txtFailCurrent, 3037, 3030},
        {window->Outputs[1].txtSwitchHys, 3016, 3016}, {window->txtReferenceDis, 3003, 3003},
    };
    for (const Case& c : cases) {
        c.box->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(window->CurrentField(), c.committed) << c.box->objectName().toStdString();
        fakes.host.quickHelp.clear();
        hover(c.box);
        EXPECT_EQ(fakes.host.quickHelp, QList<int>({c.helpTopic})) << c.box->objectName().toStdString();
    }
    // A list takes no part: Enter there commits the text box that had the focus last.
    window->cmbMainApplication->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(window->CurrentField(), 3003);
}

TEST_F(QF8200RDXWindowRules, HoverShowsTheQuickHelpOfTheControlMeant) {
    struct Case {
        QWidget* control;
        QPoint at;
        std::optional<int> topic;   // nothing: the line keeps its text
    } const cases[] = {
        {window->lblms[0], {1, 1}, 3101},          {window->lblms[1], {1, 1}, 3001},
        {window->lbTemperatureOffset, {1, 1}, 3102}, {window->lblTemp[1], {1, 1}, 3002},
        {window->lblCycleTime[2], {1, 1}, 3005},   {window->lblInclinationTime[0], {1, 1}, 3033},
        {window->lblInclinationTime[1], {1, 1}, 3034}, {window->Outputs[2].units[0], {1, 1}, 3020},
        {window->Outputs[2].units[1], {1, 1}, 3021}, {window->Outputs[1].lblFailSafe, {1, 1}, 3018},
        {window->MethodFields.lblDiffPercent, {1, 1}, 3039}, {window->Outputs[0].frame, {2, 2}, 0},
        {window.get(), {620, 356}, 0},
        // These frames leave the help of the control the mouse came from standing.
        {window->Outputs[2].frame, {2, 2}, std::nullopt}, {window->frameInclination, {2, 2}, std::nullopt},
        {window->frameError, {2, 2}, std::nullopt},  {window->frameMainApplication, {2, 2}, std::nullopt},
    };
    for (const Case& c : cases) {
        fakes.host.quickHelp.clear();
        hover(c.control, c.at);
        const QList<int> expected = c.topic ? QList<int>({*c.topic}) : QList<int>();
        EXPECT_EQ(fakes.host.quickHelp, expected) << c.control->objectName().toStdString();
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
    QTemporaryDir folder;
    QFile file(folder.filePath("WZLVLANG.ENG"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Main]\r\nLanguage=English\r\nFile=WZLVLANG.ENG\r\n[frmQF8200RDX]\r\ncmbOutput1=Normally closed\r\n"
               "cmbEvalMethod3=Mean\r\nframeSwitch3=Output 3\r\nlblSwitchDis11=Switch point\r\nlblms0=x\r\n");
    file.close();
    Folders::SetProgramFolderForTests(folder.path());
    LanguageUtil::ResetLanguages();
    LanguageUtil::InitLanguages("GER", "Deutsch");
    int english = 1;
    LanguageUtil::SelectLanguage(english);
    window->SetLanguage();
    for (const auto& output : window->Outputs) {
        EXPECT_EQ(output.cmbSwitchMode->itemText(1), "Normally closed");
        EXPECT_EQ(output.cmbFailSafe->itemText(1), "1");
    }
    EXPECT_EQ(window->Outputs[0].cmbSwitchMode->currentIndex(), 1);
    EXPECT_EQ(window->cmbEvalMethod->itemText(3), "Mean");
    EXPECT_EQ(window->Outputs[2].frame->title(), "Output 3");
    EXPECT_EQ(window->Outputs[0].lblSwitchDis->text(), "Switch point");
    EXPECT_EQ(window->lblms[0]->text(), "m/s");   // units are not translated
    int german = 0;
    LanguageUtil::SelectLanguage(german);
    window->SetLanguage();
    EXPECT_EQ(window->Outputs[2].cmbSwitchMode->itemText(1), QString::fromUtf8("Öffner"));
    EXPECT_EQ(window->Outputs[0].lblSwitchDis->text(), "Schaltpunkt ");
    LanguageUtil::ResetLanguages();
    Folders::SetProgramFolderForTests(QString());
}

}  // namespace
