// What goes on the wire when the user edits frmQF8200RDX (the write, then the
// re-reads along the record's dependency chain), when the editor reads or
// writes its whole table, and when a parameter file is read.
#include "editors/qf8200rdx/QF8200RDXFixture.h"
#include "frame/Options.h"
#include "link/TrafficLog.h"

namespace {

using QF8200RDXCommitTest = QF8200RDXWindowTest;

const QStringList AllKeys = {"VS",  "VS0", "TO",  "TEM", "CBT", "CCT", "FTO", "CON", "BR", "SD1", "SD2", "SD3",
                             "SH1", "SH2", "SH3", "OM",  "FSF", "EM",  "NDE", "FDE", "NEF", "MA", "UIS"};

TEST_F(QF8200RDXCommitTest, TypedValues) {
    struct Case {
        std::function<QLineEdit*(frmQF8200RDX&)> box;
        const char* typed;
        Then then;
        QStringList requests;
        const char* shownAfter;
    } const cases[] = {
        {[](auto& w) { return w.Outputs[0].txtSwitchDis; }, "600", Then::Leave, {"SD1,600", "SD1"}, "600"},
        {[](auto& w) { return w.txtTemperature; }, "20.1", Then::Enter, {"TEM,2932", "TEM", "TO", "VS"}, "20.1"},
        {[](auto& w) { return w.txtSound; }, "343", Then::Enter, {"VS0,34300", "VS0", "VS"}, "343.0"},
        {[](auto& w) { return w.txtFailCurrent; }, "4", Then::Enter, {"FSF,201,40", "FSF"}, "4.0"},
        {[](auto& w) { return w.txtFailCurrent; }, "-1", Then::Leave, {"FSF,201,-1", "FSF"}, "-1"},
        {[](auto& w) { return w.txtInclinationOn; }, "2000", Then::Leave, {"UIS,200,10", "UIS"}, "2000"},
        // Input that cannot be written leaves the sensor alone and shows the stored value.
        {[](auto& w) { return w.Outputs[0].txtSwitchHys; }, "6,DEF", Then::Leave, {}, "5"},
        {[](auto& w) { return w.txtFailCurrent; }, "", Then::Enter, {}, "3.6"},
        {[](auto& w) { return w.txtReferenceDis; }, "  ", Then::Enter, {}, ""},   // never a calibration to 0 mm
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open();
        QLineEdit* box = c.box(*window);
        Type(box, c.typed, c.then);
        EXPECT_EQ(sensor.take(), c.requests) << box->objectName().toStdString();
        EXPECT_EQ(box->text(), c.shownAfter) << box->objectName().toStdString();
    }
}

TEST_F(QF8200RDXCommitTest, ListChoices) {
    struct Case {
        QHash<QString, QString> sensor;
        std::function<QComboBox*(frmQF8200RDX&)> list;
        int entry;
        QStringList requests;
    } const cases[] = {
        {{}, [](auto& w) { return w.Outputs[0].cmbSwitchMode; }, 0, {"OM,00I", "OM"}},
        {{}, [](auto& w) { return w.Outputs[2].cmbSwitchMode; }, 0, {"OM,100", "OM"}},
        {TwoOutputs(), [](auto& w) { return w.Outputs[1].cmbSwitchMode; }, 2, {"OM,1I", "OM"}},
        {{}, [](auto& w) { return w.Outputs[1].cmbFailSafe; }, 2, {"FSF,221,36", "FSF"}},
        {NoAnalog(), [](auto& w) { return w.Outputs[0].cmbFailSafe; }, 0, {"FSF,001", "FSF"}},
        {Merged({TwoOutputs(), NoAnalog(), {{"FSF", "20"}}}), [](auto& w) { return w.Outputs[1].cmbFailSafe; }, 1,
         {"FSF,21", "FSF"}},
        {{}, [](auto& w) { return w.cmbEvalMethod; }, 3, {"EM,MXN", "EM"}},
        // Picking the method already set must not send its bare word: the
        // sensor would drop the method's numbers (PT1,100,5,3) for defaults.
        {{}, [](auto& w) { return w.cmbEvalMethod; }, 2, {}},
        {{{"EM", "DYN,7"}}, [](auto& w) { return w.cmbEvalMethod; }, 1, {}},
        {{{"EM", "DYN,7"}}, [](auto& w) { return w.cmbEvalMethod; }, 2, {"EM,PT1", "EM"}},
    };
    for (const Case& c : cases) {
        open(c.sensor);
        QComboBox* list = c.list(*window);
        Choose(list, c.entry);
        EXPECT_EQ(sensor.take(), c.requests) << list->objectName().toStdString();
    }
}

// A read asks every record but REF, then searches the EEPROM for the
// evaluation limits (base 110 holds 8195, they lie at base 114); a cancelled
// read searches nothing.
TEST_F(QF8200RDXCommitTest, ReadFromTheSensorThenSearchTheLimits) {
    QStringList diagnostics;
    TrafficLog::SetSink([&](const TrafficLogLine& line) { diagnostics.append(line.Prefix + line.Text); });
    Options::Current().DebugMode = true;
    window->readdata();
    EXPECT_EQ(sensor.take(), AllKeys + QStringList({"RM,E111", "RM,E110", "RM,E115", "RM,E114", "RM,E117",
                                                    "RM,E116"}));
    EXPECT_EQ(fakes.progress.shownCount, 34);
    EXPECT_EQ(diagnostics, QStringList({"D: MINRELDIS = 800", "D: MAXRELDIS = 4000"}));
    QVariant lower, upper;
    window->GetData(20, lower);
    window->GetData(21, upper);
    EXPECT_EQ(std::pair(lower, upper), std::pair(QVariant(800), QVariant(4000)));
    Options::ResetForTests();
    TrafficLog::SetSink({});

    open();
    window->MINRELDIS = window->MAXRELDIS = 0;
    fakes.progress.cancelAt = 5;   // the initial step, then VS, VS0, TO
    window->readdata();
    EXPECT_EQ(sensor.take(), QStringList({"VS", "VS0", "TO"}));
    EXPECT_EQ(std::pair(window->MINRELDIS, window->MAXRELDIS), std::pair(0, 0));
}

TEST_F(QF8200RDXCommitTest, FullWritesToSensorAndFile) {
    open(Merged({TwoOutputs(), {{"EM", "NONE"}}}));
    // A write cannot be cancelled once it runs; SD3 and SH3, which this
    // sensor rejected, are not sent back; TEM follows from TO; the sensor's
    // "NONE" goes back as "0", the value every other writer uses.
    fakes.progress.cancelAt = 3;
    window->WriteData();
    const QStringList writes = {"VS0,33130", "TO,0",   "CBT,0",  "CCT,10", "FTO,3",  "CON,5",   "BR,250",
                                "SD1,800",   "SD2,1600", "SH1,5", "SH2,6", "OM,10",  "FSF,20,36", "EM,0",
                                "NDE,400",   "FDE,3600", "NEF,1", "MA,A",  "UIS,150,10"};
    EXPECT_EQ(sensor.take(), writes);
    EXPECT_EQ(fakes.progress.shownMode, 0);
    EXPECT_EQ(fakes.progress.shownCount, 25);

    window->WriteData(4);
    const QStringList lines = sensor.fileLines[4];
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines.mid(0, 3), QStringList({"VS0=33130", "TO=0", "TEM=2931"}));
    EXPECT_EQ(lines[10], "SD3=" + Rejected);   // kept, so the file reads as a two-output sensor
    EXPECT_EQ(lines.back(), "UIS=150,10");
}

// A parameter file read while the sensor answers is written to it, read
// back and searched for the limits; everything the sensor answers can come
// back from a file.
TEST_F(QF8200RDXCommitTest, ParameterFiles) {
    readFile(Changed(QF8200RDXSensor(), {{"SD2", "1700"}}), false);
    const QStringList requests = sensor.take();
    ASSERT_EQ(requests.size(), 21 + 23 + 6);
    EXPECT_EQ(requests[8], "SD2,1700");
    EXPECT_EQ(requests.mid(21, 23), AllKeys);
    EXPECT_EQ(requests.back(), "RM,E116");
    EXPECT_EQ(window->MAXRELDIS, 4000);
    for (const auto& changes : {QHash<QString, QString>(), Merged({TwoOutputs(), NoAnalog(), NoInclination()})}) {
        open(changes);
        readFile(Changed(QF8200RDXSensor(), changes), true);
        EXPECT_EQ(messages.count(), 0);
    }
}

// A list's value from a parameter file must be one of the list's entries:
// the sensor would otherwise be the only guard against it.
TEST_F(QF8200RDXCommitTest, FileValuesOutsideTheirListsAreListedAndNeverSent) {
    expectFileValuesRefused(QF8200RDXSensor(),
                            {{"OM", "102"}, {"FSF", "231,36"}, {"EM", "ABC"}, {"NEF", "2"}, {"MA", "B"}, {"UIS", "7"}},
                            "OM, FSF, EM, NEF, MA, UIS");
}

}  // namespace
