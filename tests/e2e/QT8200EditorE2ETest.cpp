// The QT8200 editor against the simulated sensor through the real serial
// code: detection reads every parameter into the window, and an edit goes to
// the sensor with its re-reads.
#include "e2e/EditorE2E.h"
#include "editors/qt8200/QT8200Table.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "editors/qt8200/frmQT8200.h"
#include "link/SensorState.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

namespace {

using QT8200EditorE2E = EditorE2E;

TEST_F(QT8200EditorE2E, ReadsEverythingAndWritesEdits) {
    frmQT8200* editor = Detect<frmQT8200>(RegisterQT8200Editor, {"--line", "qt8200", "--variant", "analog"});
    ASSERT_NE(editor, nullptr);

    // This sensor has an analogue output: SD2 and SH2 answer 82h and are tried twice.
    const QStringList read = {"VS",  "RT",  "DIP", "UDS", "SD1", "FA1", "SD2", "SD2", "FA2", "SH1", "SH2",
                              "SH2", "OM",  "CBT", "CCT", "FTO", "CON", "EM",  "NDE", "FDE", "FW"};
    EXPECT_EQ(LastRequests(read.size()), read);
    EXPECT_EQ(editor->txtNEvalDis->text(), "300");
    EXPECT_EQ(editor->txtSound->text(), "343.2");

    TypeAndEnter(editor->txtSwitchDis11, "777");
    EXPECT_EQ(LastRequests(2), QStringList({"SD1,00777", "SD1"}));
    EXPECT_EQ(editor->Model()[QT8200::SD1].Value, "00777");
    EXPECT_EQ(editor->txtSwitchDis11->text(), "777");
    EXPECT_TRUE(Sensor::State().DataChanged);

    // The evaluation method goes out field by field and shows as the sensor reports it.
    Choose(editor->cmbEvalMethod1, 1);
    EXPECT_EQ(LastRequests(3), QStringList({"EM,DYN1", "EM,M0", "EM"}));
    EXPECT_EQ(editor->Model()[QT8200::EM].Value, "DYN,000");
    EXPECT_EQ(editor->cmbEvalMethod1->currentIndex(), 1);

    // A full write leaves out what the sensor rejected and ends with the bare BDE,
    // which awaits no answer (the simulator may log it a moment later).
    editor->WriteData();
    EXPECT_TRUE(QTest::qWaitFor([this] { return LastRequests(1) == QStringList{"BDE"}; }, 2000));
    const QStringList written = LastRequests(17);
    EXPECT_EQ(written.front(), "VS,34320");
    for (const QString& request : written) EXPECT_FALSE(request.startsWith("SD2") || request.startsWith("SH2"));
    EXPECT_EQ(messages.count(), 0);
}

}  // namespace
