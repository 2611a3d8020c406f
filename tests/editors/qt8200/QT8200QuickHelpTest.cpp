// frmQT8200's quick help: what the mouse over a control shows, and a built-in
// text for every topic of the window once the editor is registered.
#include "editors/qt8200/QT8200Fixture.h"
#include "editors/qt8200/RegisterQT8200.h"

namespace {

using namespace QT8200;
using QT8200QuickHelp = QT8200WindowTest;

TEST_F(QT8200QuickHelp, EveryTopicHasItsText) {
    RegisterQT8200Editor();
    for (bool analog : {false, true}) {
        open(analog);
        EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>()) << analog;
    }
}

// A label or unit shows the topic of the field it names, the sound
// velocity's label a note of its own; a frame's bare area clears the line,
// the DIP-switch frame's shows the use list's topic. The filter window's
// label answers a click, not the mouse passing over it.
TEST_F(QT8200QuickHelp, HoverShowsTheTopicOfWhatTheControlNames) {
    open(true);
    frmQT8200& w = *window;
    struct Case {
        QWidget* control;
        QList<int> shown;
    } const cases[] = {
        {w.lblSound, {IdSoundVelocityNote}},
        {w.lblms[0], {IdSoundVelocityNote}},
        {w.txtSound, {IdVS}},
        {w.lblCycleTime[0], {IdCCT}},
        {w.lblFilterAnalog, {IdFilterAnalog}},
        {w.lblFilterWindow, {}},
        {w.frameAnalog, {0}},
        {w.frameDip, {IdUDS}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HoverTopics(fakes.host, c.control), c.shown) << c.control->objectName().toStdString();
    fakes.host.quickHelp.clear();
    QTest::mouseClick(w.lblFilterWindow, Qt::LeftButton);
    EXPECT_EQ(fakes.host.quickHelp, QList<int>({IdFW}));
}

}  // namespace
