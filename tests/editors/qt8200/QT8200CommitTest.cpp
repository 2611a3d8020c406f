// What goes on the wire when the user edits frmQT8200: the write (EM as two
// writes), then the re-reads along the record's dependency chain.
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
    struct Case {
        bool analog;
        QComboBox* frmQT8200::*list;
        int index;
        QStringList requests;
    } const cases[] = {
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

TEST_F(QT8200CommitTest, ChoicesWhileReading) {
    struct Case {
        const char* askedFor;
        QStringList requests;
        int shown;
    } const cases[] = {
        {"VS", {}, 1},
        {"FW", {"OM,22", "OM"}, 0},   // the read has passed OM
    };
    for (const Case& c : cases) {
        open(false);
        const ChoiceWhileReading choice = ChooseWhileReading(*window, sensor, c.askedFor, window->cmbSwitchMode1, 0);
        EXPECT_EQ(choice.requests, c.requests) << c.askedFor;
        EXPECT_EQ(choice.shown, c.shown) << c.askedFor;
        EXPECT_EQ(window->cmbSwitchMode1->currentIndex(), c.shown) << c.askedFor;
    }
}

TEST_F(QT8200CommitTest, WheelTurnsNeedTheFocus) {
    ExpectWheelNeedsTheFocus(window.get());
    EXPECT_TRUE(sensor.take().isEmpty());
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

}  // namespace
