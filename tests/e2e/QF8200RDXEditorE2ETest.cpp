// The QF8200RDX editor against the simulated sensor through the real serial
// code: detection reads every parameter and the evaluation limits into the
// window, and an edit goes to the sensor with its re-reads.
#include "e2e/EditorE2E.h"
#include "editors/qf8200rdx/QF8200RDXTable.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"
#include "link/SensorState.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

class QF8200RDXEditorE2E : public EditorE2E {
protected:
    // Detects the simulated sensor of that variant and returns its editor.
    frmQF8200RDX* detect(const QString& variant) {
        return Detect<frmQF8200RDX>(RegisterQF8200RDXEditor, {"--line", "qf8200rdx", "--variant", variant});
    }
};

TEST_F(QF8200RDXEditorE2E, ReadsEverythingAndWritesAnEdit) {
    frmQF8200RDX* editor = detect("3out,analog,incl");
    ASSERT_NE(editor, nullptr);

    // Every readable record, then the limit search: base 110 holds a stale
    // pair, base 114 the limits.
    const QStringList read = {"VS",  "VS0", "TO",  "TEM", "CBT", "CCT", "FTO", "CON", "BR",      "SD1",
                              "SD2", "SD3", "SH1", "SH2", "SH3", "OM",  "FSF", "EM",  "NDE",     "FDE",
                              "NEF", "MA",  "UIS", "RM,E111", "RM,E110", "RM,E115", "RM,E114", "RM,E117", "RM,E116"};
    EXPECT_EQ(LastRequests(int(read.size())), read);
    QVariant lower, upper;
    editor->GetData(20, lower);
    editor->GetData(21, upper);
    EXPECT_EQ(lower, 800);
    EXPECT_EQ(upper, 4000);

    EXPECT_EQ(editor->cmbEvalMethod->currentIndex(), 0);   // the sensor answers "NONE"
    EXPECT_EQ(editor->txtInclinationOn->text(), "1500");
    EXPECT_EQ(editor->Outputs[1].txtSwitchDis->text(), "1600");

    TypeAndEnter(editor->Outputs[1].txtSwitchDis, "1750");
    EXPECT_EQ(LastRequests(2), QStringList({"SD2,1750", "SD2"}));
    EXPECT_EQ(editor->Model()[QF8200RDX::SD2].Value, "1750");
    EXPECT_TRUE(Sensor::State().DataChanged);

    // The temperature sets the offset; the sensor's velocity follows.
    TypeAndEnter(editor->txtTemperature, "25");
    EXPECT_EQ(LastRequests(4), QStringList({"TEM,2981", "TEM", "TO", "VS"}));
    EXPECT_EQ(editor->txtTemperature->text(), "25.0");
}

}  // namespace
