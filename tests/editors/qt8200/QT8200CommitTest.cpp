// What goes on the wire when the user edits frmQT8200 (the write, EM as two
// writes, then the re-reads along the record's dependency chain), when the
// editor reads or writes its whole table, and what a parameter file holds.
#include "editors/qt8200/QT8200Fixture.h"

namespace {

using namespace QT8200;
using QT8200CommitTest = QT8200WindowTest;

TEST_F(QT8200CommitTest, TypedValues) {
    struct Case {
        bool analog;
        QLineEdit* frmQT8200::*box;
        const char* typed;
        Then then;
        QStringList requests;
        const char* shownAfter;
    } const cases[] = {
        {false, &frmQT8200::txtSwitchDis11, "600", Then::Leave, {"SD1,00600", "SD1"}, "600"},
        {false, &frmQT8200::txtSwitchDis21, "12.5", Then::Enter, {"SD2,00013", "SD2"}, "13"},
        // Hundredths of a low velocity, free of single-precision noise.
        {false, &frmQT8200::txtSound, "8.02", Then::Enter, {"VS,802", "VS"}, "8.02"},
        {false, &frmQT8200::txtBurst, "12", Then::Enter, {"CBT,0012", "CBT"}, "12"},
        {false, &frmQT8200::txtSwitchHys1, "08", Then::Enter, {"SH1,08", "SH1"}, "8"},   // as typed
        {false, &frmQT8200::txtReferenceDis, "1000", Then::Enter, {"REF,1000", "VS"}, ""},
        // The count belongs to the evaluation method; out of range it becomes
        // the smallest count, and both fields are written.
        {false, &frmQT8200::txtMeasureCount, "2", Then::Enter, {"EM,DYN1", "EM,003", "EM"}, "3"},
        // Input that cannot be written leaves the sensor alone and shows the stored value.
        {false, &frmQT8200::txtSwitchDis11, "600,DEF", Then::Enter, {}, "500"},
        {false, &frmQT8200::txtSwitchHys1, "5%", Then::Enter, {}, "5"},
        {false, &frmQT8200::txtReferenceDis, "", Then::Enter, {}, ""},   // never a calibration to 0 mm
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open(c.analog);
        QLineEdit* box = window.get()->*c.box;
        Type(box, c.typed, c.then);
        EXPECT_EQ(sensor.take(), c.requests) << box->objectName().toStdString();
        EXPECT_EQ(box->text(), c.shownAfter) << box->objectName().toStdString();
    }
}

TEST_F(QT8200CommitTest, ListChoices) {
    struct Case { bool analog; QComboBox* frmQT8200::*list; int index; QStringList requests; } const cases[] = {
        {false, &frmQT8200::cmbUseDip, 1, {"UDS,1", "UDS", "OM", "SD1", "SH1", "SD2", "SH2", "NDE", "FDE"}},
        {true, &frmQT8200::cmbSwitchMode1, 0, {"OM,2", "OM"}},   // one output, one digit
        // The analogue variant keeps output 1's filter in FA2 and the analogue one in FA1.
        {true, &frmQT8200::cmbFilter1, 0, {"FA2,0", "FA2"}},
        {true, &frmQT8200::cmbFilterAnalog, 1, {"FA1,1", "FA1"}},
        {false, &frmQT8200::cmbEvalMethod1, 2, {"EM,BEW1", "EM,003", "EM"}},
        {false, &frmQT8200::cmbEvalMethod2, 2, {"EM,DYN1", "EM,M3", "EM"}},
        {false, &frmQT8200::cmbEvalMethod2, 0, {"EM,DYN1", "EM,M0", "EM"}},
    };
    for (const Case& c : cases) {
        open(c.analog);
        Choose(window.get()->*c.list, c.index);
        EXPECT_EQ(sensor.take(), c.requests) << (window.get()->*c.list)->objectName().toStdString();
    }
    EXPECT_FALSE(window->txtMeasureCount->isEnabled());   // no second evaluation, no count
}

// The box is emptied after each calibration, but the record keeps the
// distance: the same distance again is not written again.
TEST_F(QT8200CommitTest, AReferenceDistanceIsWrittenOnce) {
    const struct {
        const char* typed;
        QStringList requests;
    } steps[] = {{"1000", {"REF,1000", "VS"}}, {"1000", {}}, {"1200", {"REF,1200", "VS"}}};
    for (const auto& step : steps) {
        Type(window->txtReferenceDis, step.typed, Then::Enter);
        EXPECT_EQ(sensor.take(), step.requests) << step.typed;
    }
}

// Everything the sensor answers, and the editor writes, can come back from a file.
TEST_F(QT8200CommitTest, AFileOfTheSensorsOwnValuesIsTakenWhole) {
    for (const bool analog : {false, true}) {
        open(analog);
        readFile(Changed(QT8200Sensor(analog), {{"EM", "BEW1,M3"}}), true);
        EXPECT_EQ(messages.count(), 0) << analog;
    }
}

TEST_F(QT8200CommitTest, OfflineEditsAreKeptAndShownAsChosen) {
    Sensor::State().OfflineMode = true;
    Choose(window->cmbEvalMethod2, 0);
    EXPECT_EQ(value(EM), "DYN1,M0");
    EXPECT_EQ(window->cmbEvalMethod1->currentIndex(), 1);   // still Dynamisch
    Type(window->txtSwitchDis11, "800", Then::Leave);
    EXPECT_EQ(value(SD1), "00800");
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_TRUE(Sensor::State().DataChanged);
}

TEST_F(QT8200CommitTest, ReadAndFullWriteInTableOrder) {
    struct Case { bool analog; int cancelAt; QStringList writes; } const cases[] = {
        {false, 0, {"VS,34320", "RT,0", "UDS,0", "SD1,00500", "FA1,0", "SD2,01500", "FA2,1", "SH1,5", "SH2,7",
                    "OM,32", "CBT,0000", "CCT,010", "FTO,003", "CON,005", "EM,DYN,003", "NDE,00300",
                    "FDE,02000", "FW,10", "BDE"}},   // EM whole, BDE bare and last
        // An analogue sensor rejected SD2 and SH2: the rejection is not sent back.
        {true, 0, {"VS,34320", "RT,0", "UDS,0", "SD1,00500", "FA1,0", "FA2,1", "SH1,5", "OM,3", "CBT,0000",
                   "CCT,010", "FTO,003", "CON,005", "EM,DYN,003", "NDE,00300", "FDE,02000", "FW,10", "BDE"}},
        {false, 6, {"VS,34320", "RT,0", "UDS,0"}},   // cancelled before record 5
    };
    for (const Case& c : cases) {
        open(c.analog);
        window->readdata();
        EXPECT_EQ(sensor.take(), QStringList({"VS", "RT", "DIP", "UDS", "SD1", "FA1", "SD2", "FA2", "SH1", "SH2",
                                              "OM", "CBT", "CCT", "FTO", "CON", "EM", "NDE", "FDE", "FW"}));
        FakeProgress progress;
        progress.cancelAt = c.cancelAt;
        window->SetProgress(&progress);
        window->WriteData();
        EXPECT_EQ(sensor.take(), c.writes) << c.analog << c.cancelAt;
        EXPECT_EQ(std::pair(progress.shownCount, progress.unloads), std::pair(22, 1));
        window->SetProgress(&fakes.progress);
    }
}

// A file keeps the sensor's rejection of SD2, so that it reads back as an
// analogue sensor; the DIP switches and the reference distance are no part of it.
TEST_F(QT8200CommitTest, ParameterFileKeepsTheVariant) {
    open(true);
    Type(window->txtReferenceDis, "1000", Then::Enter);
    window->WriteData(4);
    const QStringList lines = sensor.fileLines[4];
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[5], "SD2=" + Rejected);
    EXPECT_EQ(lines.back(), "BDE=");
    EXPECT_FALSE(lines.join(' ').contains("DIP") || lines.join(' ').contains("REF"));
}

TEST_F(QT8200CommitTest, TypedCommandsReReadTheirChains) {
    struct Case {
        QString word;
        QStringList requests;
    } const cases[] = {{"REF", {"VS"}}, {"BDE", {"NDE", "FDE"}}};   // write-only: only what it changes is read
    for (Case c : cases) {
        window->InterpretCommand(c.word);
        EXPECT_EQ(sensor.take(), c.requests) << c.word.toStdString();
    }
}

// A list's value from a parameter file must be one of the list's entries:
// the sensor would otherwise be the only guard against it.
TEST_F(QT8200CommitTest, FileValuesOutsideTheirListsAreListedAndNeverSent) {
    expectFileValuesRefused(
        QT8200Sensor(false),
        {{"RT", "2"}, {"UDS", "32768"}, {"FA1", "7"}, {"FA2", "2"}, {"OM", "24"}, {"EM", "ABC,003"}},
        "RT, UDS, FA1, FA2, OM, EM");
}

}  // namespace
