// The QT8200 table's transfers and dependency chains, without the window:
// what goes on the wire for a read, a full write, a parameter file and a
// typed command.
#include "editors/qt8200/QT8200Fixture.h"

namespace {

using namespace QT8200;

const QStringList ReadOrder = {"VS",  "RT",  "DIP", "UDS", "SD1", "FA1", "SD2", "FA2", "SH1", "SH2",
                               "OM",  "CBT", "CCT", "FTO", "CON", "EM",  "NDE", "FDE", "FW"};

class QT8200TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sensor::ResetStateForTests();
        model.Build(TableRows());
        fakes.sensor.values = QT8200Sensor(false);
    }
    void TearDown() override { Sensor::ResetStateForTests(); }

    void readFrom(bool analog) {
        fakes.sensor.values = QT8200Sensor(analog);
        model.ReadAll(std::nullopt, fakes.progress);
        fakes.sensor.take();
    }

    InstalledFakes fakes;
    ParamEditorModel model{TableUpperBound};
};

TEST_F(QT8200TableTest, ReadAsksEveryReadableRecordInTableOrder) {
    model.ReadAll(std::nullopt, fakes.progress);
    EXPECT_EQ(fakes.sensor.take(), ReadOrder);
    EXPECT_EQ(fakes.progress.shownMode, 1);
    EXPECT_EQ(fakes.progress.shownCount, 22);
    EXPECT_EQ(fakes.progress.unloads, 1);
    EXPECT_EQ(model[SD1].Value, "00500");
    EXPECT_TRUE(model[BDE].Value.isEmpty());
}

TEST_F(QT8200TableTest, FullWriteSendsEveryStoredRecordAndEndsWithBde) {
    struct Case {
        bool analog;
        int cancelAt;
        QStringList requests;
    } const cases[] = {
        {false, 0, {"VS,34320", "RT,0", "UDS,0", "SD1,00500", "FA1,0", "SD2,01500", "FA2,1", "SH1,5", "SH2,7",
                    "OM,32", "CBT,0000", "CCT,010", "FTO,003", "CON,005", "EM,DYN,003", "NDE,00300",
                    "FDE,02000", "FW,10", "BDE"}},
        // An analogue sensor rejected SD2 and SH2: the rejection is not sent back.
        {true, 0, {"VS,34320", "RT,0", "UDS,0", "SD1,00500", "FA1,0", "FA2,1", "SH1,5", "OM,3", "CBT,0000",
                   "CCT,010", "FTO,003", "CON,005", "EM,DYN,003", "NDE,00300", "FDE,02000", "FW,10", "BDE"}},
        // The first IncBar opens the bar; the sixth stops before record 5.
        {false, 6, {"VS,34320", "RT,0", "UDS,0"}},
    };
    for (const Case& c : cases) {
        readFrom(c.analog);
        FakeProgress progress;
        progress.cancelAt = c.cancelAt;
        model.WriteAll(std::nullopt, progress);
        EXPECT_EQ(fakes.sensor.take(), c.requests) << c.analog << c.cancelAt;
        EXPECT_EQ(progress.shownMode, 0);
        EXPECT_EQ(progress.shownCount, 22);
        EXPECT_EQ(progress.unloads, 1);
    }
}

TEST_F(QT8200TableTest, OfflineWriteSendsNothing) {
    readFrom(false);
    Sensor::State().OfflineMode = true;
    FakeProgress progress;
    model.WriteAll(std::nullopt, progress);
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
    EXPECT_EQ(progress.shows, 0);
}

TEST_F(QT8200TableTest, ParameterFileHoldsTheStoredRecordsAndTheRejections) {
    readFrom(true);
    model.WriteAll(4, fakes.progress);
    const QStringList lines = fakes.sensor.fileLines[4];
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines.front(), "VS=34320");
    EXPECT_EQ(lines[5], "SD2=" + Rejected);   // the file keeps the analogue variant
    EXPECT_EQ(lines[14], "EM=DYN,003");
    EXPECT_EQ(lines.back(), "BDE=");
    EXPECT_FALSE(lines.join(' ').contains("DIP"));
    EXPECT_FALSE(lines.join(' ').contains("REF"));
}

TEST_F(QT8200TableTest, OfflineFileReadTakesTheStoredRecordsOnly) {
    readFrom(false);
    model[REF].Value = "1000";
    Sensor::State().OfflineMode = true;
    QHash<QString, QString> file = QT8200Sensor(true);
    file["SD2"] = Rejected;
    file["DIP"] = "FF1";
    file.remove("FW");
    fakes.sensor.files[2] = file;
    model.ReadAll(2, fakes.progress);
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
    EXPECT_EQ(model[DIP].Value, "A5F");   // not stored: the sensor's value stays
    EXPECT_EQ(model[REF].Value, "1000");
    EXPECT_TRUE(model[BDE].Value.isEmpty());
    EXPECT_TRUE(model[FW].Value.isEmpty());   // missing from the file
    EXPECT_EQ(model[OM].Value, "3");
    // The rejection read from the file still marks the analogue variant.
    EXPECT_TRUE(ParamEditorModel::IsRejected(model[SD2]));
    EXPECT_FALSE(model.IsValid(SD2));
}

TEST_F(QT8200TableTest, TypedCommandsReReadTheirChains) {
    struct Case {
        const char* word;
        QStringList requests;
    } const cases[] = {
        {"UDS", {"UDS", "OM", "SD1", "SH1", "SD2", "SH2", "NDE", "FDE"}},
        {"REF", {"VS"}},            // write-only: only what it changes is read
        {"BDE", {"NDE", "FDE"}},
        {"OM", {"OM"}},             // next links are followed only inside a walk
        {"SD1", {"SD1"}},
        {"NDE", {"NDE"}},
        {"EM", {"EM"}},
        {"XYZ", {}},
        {"sd1", {}},                // the command word is compared exactly
    };
    for (const Case& c : cases) {
        model.InterpretCommand(c.word);
        EXPECT_EQ(fakes.sensor.take(), c.requests) << c.word;
    }
}

}  // namespace
