// frmQF8200RDX's quick help: what the mouse over a control shows, and a
// built-in text for every topic of the window once the editor is registered.
#include "editors/qf8200rdx/QF8200RDXFixture.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"

namespace {

using namespace QF8200RDX;
using QF8200RDXQuickHelp = QF8200RDXWindowTest;

TEST_F(QF8200RDXQuickHelp, EveryTopicHasItsText) {
    RegisterQF8200RDXEditor();
    EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>());
}

// A label or unit shows the topic of the field it names; the values the
// sensor computed have topics of their own; the bare area of the shared
// frames and the first two outputs' clears the line, the other frames leave
// the last text standing.
TEST_F(QF8200RDXQuickHelp, HoverShowsTheTopicOfWhatTheControlNames) {
    frmQF8200RDX& w = *window;
    struct Case {
        QWidget* control;
        QList<int> shown;
    } const cases[] = {
        {w.lbSound, {IdVS}},
        {w.lblTemperatureOffset, {IdTO}},
        {w.lblSound0, {IdVS0}},
        {w.lblCycleTime[2], {IdCCT}},
        {w.MethodFields.lblDiffPercent, {IdDiff}},
        {w.Outputs[2].units[1], {IdSH3}},
        {w.lblInclinationTime[1], {IdInclinationOff}},
        {w.frameEvalMethod, {0}},
        {w.Outputs[1].frame, {0}},
        {w.Outputs[2].frame, {}},
        {w.frameInclination, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HoverTopics(fakes.host, c.control), c.shown) << c.control->objectName().toStdString();
}

}  // namespace
