// frmQF8200's quick help: what the mouse over a control shows, and a built-in
// text for every topic of the window once the editor is registered.
#include "editors/qf8200/QF8200Fixture.h"
#include "editors/qf8200/RegisterQF8200.h"

namespace {

using namespace QF8200;
using QF8200QuickHelp = QF8200WindowTest;

TEST_F(QF8200QuickHelp, EveryTopicHasItsText) {
    RegisterQF8200Editor();
    for (bool analog : {false, true}) {
        open(analog);
        EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>()) << analog;
    }
}

// A label or unit shows the topic of the field it names; the values the
// sensor computed have topics of their own; a frame's bare area clears the
// line, the DIP-switch frame's shows the use list's topic, and over one of
// its controls the frame shows nothing of its own.
TEST_F(QF8200QuickHelp, HoverShowsTheTopicOfWhatTheControlNames) {
    frmQF8200& w = *window;
    struct Case {
        QWidget* control;
        QList<int> shown;
        QPoint at = QPoint(1, 1);
    } const cases[] = {
        {w.lbSound, {IdVS}},
        {w.lblms[0], {IdVS}},
        {w.lblms[1], {IdVS0}},
        {w.lblTemp[0], {IdTO}},
        {w.lblReferenceDisMM, {IdREF}},
        {w.lblCycleTime[0], {IdCCT}},   // the burst's unit names the cycle
        {w.txtBurst, {IdCBT}},
        {w.MethodFields.lblDiffPercent, {IdDiff}},
        {w.imgOPMode1, {IdOPM}},
        {w.lblSDis1[2], {IdSH1}},
        {w.frameMeasurement, {0}},
        {w.frameDip, {IdUDS}},
        {w.frameMeasurement, {}, w.txtSound->geometry().center()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HoverTopics(fakes.host, c.control, c.at), c.shown) << c.control->objectName().toStdString();
}

}  // namespace
