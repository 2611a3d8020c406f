// The QF8200RDX editor's transfers between its table and the sensor or a
// parameter file, the evaluation-limit search after a read and the display
// window's items. The window is never shown: its records alone are transferred.
#include "editors/qf8200rdx/QF8200RDXFixture.h"
#include "frame/Options.h"
#include "link/TrafficLog.h"

namespace {

const QStringList AllKeys = {"VS",  "VS0", "TO",  "TEM", "CBT", "CCT", "FTO", "CON", "BR", "SD1", "SD2", "SD3",
                             "SH1", "SH2", "SH3", "OM",  "FSF", "EM",  "NDE", "FDE", "NEF", "MA", "UIS"};

class QF8200RDXTransfersTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sensor::ResetStateForTests();
        fakes.sensor.values = QF8200RDXSensor();
        editor.SetProgress(&fakes.progress);
        editor.Init();
        Sensor::State().SensorForm = &editor;
    }
    void TearDown() override {
        Sensor::ResetStateForTests();
        Options::ResetForTests();
        TrafficLog::SetSink({});
    }
    QString value(int record) const { return editor.Model()[record].Value; }

    InstalledFakes fakes;
    frmQF8200RDX editor;
};

TEST_F(QF8200RDXTransfersTest, ReadFromTheSensorThenSearchTheLimits) {
    QStringList diagnostics;
    TrafficLog::SetSink([&](const TrafficLogLine& line) { diagnostics.append(line.Prefix + line.Text); });
    Options::Current().DebugMode = true;
    editor.readdata();
    // REF is never read; the limits lie at base 114 (base 110 holds 8195).
    EXPECT_EQ(fakes.sensor.take(), AllKeys + QStringList({"RM,E111", "RM,E110", "RM,E115", "RM,E114", "RM,E117",
                                                          "RM,E116"}));
    EXPECT_EQ(fakes.progress.shownMode, 1);
    EXPECT_EQ(fakes.progress.shownCount, 34);
    EXPECT_EQ(fakes.progress.unloads, 1);
    EXPECT_EQ(value(QF8200RDX::EM), "PT1,100,5,3");
    EXPECT_EQ(diagnostics, QStringList({"D: MINRELDIS = 800", "D: MAXRELDIS = 4000"}));
    QVariant lower, upper;
    editor.GetData(20, lower);
    editor.GetData(21, upper);
    EXPECT_EQ(lower, 800);
    EXPECT_EQ(upper, 4000);
}

TEST_F(QF8200RDXTransfersTest, CancelledReadKeepsTheRestAndSearchesNothing) {
    fakes.progress.cancelAt = 5;   // the initial step, then VS, VS0, TO
    editor.readdata();
    EXPECT_EQ(fakes.sensor.take(), QStringList({"VS", "VS0", "TO"}));
    EXPECT_EQ(editor.MINRELDIS, 0);
    EXPECT_EQ(editor.MAXRELDIS, 0);
    EXPECT_EQ(fakes.progress.unloads, 1);
}

TEST_F(QF8200RDXTransfersTest, FullWritesToSensorAndFile) {
    fakes.sensor.values.insert(Merged({TwoOutputs(), {{"EM", "NONE"}}}));
    editor.readdata();
    fakes.sensor.take();
    // A write cannot be cancelled once it runs; SD3 and SH3, which this
    // sensor rejected, are not sent back; TEM follows from TO.
    fakes.progress.cancelAt = 3;
    editor.WriteData();
    const QStringList writes = {"VS0,33130", "TO,0",   "CBT,0",  "CCT,10", "FTO,3",  "CON,5",   "BR,250",
                                "SD1,800",   "SD2,1600", "SH1,5", "SH2,6", "OM,10",  "FSF,20,36", "EM,0",
                                "NDE,400",   "FDE,3600", "NEF,1", "MA,A",  "UIS,150,10"};
    EXPECT_EQ(fakes.sensor.take(), writes);
    EXPECT_EQ(fakes.progress.shownMode, 0);
    EXPECT_EQ(fakes.progress.shownCount, 25);

    editor.WriteData(4);
    const QStringList lines = fakes.sensor.fileLines[4];
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines.mid(0, 3), QStringList({"VS0=33130", "TO=0", "TEM=2931"}));
    EXPECT_EQ(lines[10], "SD3=" + Rejected);   // kept, so the file reads as a two-output sensor
    EXPECT_EQ(lines.back(), "UIS=150,10");

    Sensor::State().OfflineMode = true;
    editor.WriteData();
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
}

TEST_F(QF8200RDXTransfersTest, FileReadOnlineIsWrittenThroughAndReadBack) {
    fakes.sensor.files[2] = QF8200RDXSensor();
    fakes.sensor.files[2]["SD2"] = "1700";
    editor.readdata(2);
    const QStringList requests = fakes.sensor.take();
    ASSERT_EQ(requests.size(), 21 + 23 + 6);
    EXPECT_EQ(requests[8], "SD2,1700");
    EXPECT_EQ(requests.mid(21, 23), AllKeys);
    EXPECT_EQ(requests.back(), "RM,E116");
    EXPECT_EQ(editor.MAXRELDIS, 4000);
}

TEST_F(QF8200RDXTransfersTest, DisplayWindowItems) {
    fakes.sensor.values.insert(Merged({TwoOutputs(), {{"OM", "1I"}}}));
    editor.readdata();
    struct Case {
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {10, "800", true},  {14, Rejected, false}, {16, "I", true},   {17, "", true},
        {21, 4000, false},  {22, true, false},     {11, "unchanged", false},
    };
    for (const Case& c : cases) {
        QVariant value = "unchanged";
        editor.GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(editor.ValidPar(c.item), c.valid) << c.item;
    }
}

}  // namespace
