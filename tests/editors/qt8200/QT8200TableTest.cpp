// The QT8200 table's transfers and dependency chains, without the window:
// what goes on the wire for a read, a full write and a typed command, and
// what a parameter file holds.
#include "editors/qt8200/QT8200Fixture.h"

namespace {

using namespace QT8200;

class QT8200TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sensor::ResetStateForTests();
        model.Build(TableRows());
    }
    void TearDown() override { Sensor::ResetStateForTests(); }

    void readFrom(bool analog) {
        fakes.sensor.values = QT8200Sensor(analog);
        model.ReadAll(std::nullopt, fakes.progress);
    }

    InstalledFakes fakes;
    ParamEditorModel model{TableUpperBound};
};

TEST_F(QT8200TableTest, ReadAndFullWriteInTableOrder) {
    struct Case {
        bool analog;
        int cancelAt;
        QStringList writes;
    } const cases[] = {
        {false, 0, {"VS,34320", "RT,0", "UDS,0", "SD1,00500", "FA1,0", "SD2,01500", "FA2,1", "SH1,5", "SH2,7",
                    "OM,32", "CBT,0000", "CCT,010", "FTO,003", "CON,005", "EM,DYN,003", "NDE,00300",
                    "FDE,02000", "FW,10", "BDE"}},   // EM whole, BDE bare and last
        // An analogue sensor rejected SD2 and SH2: the rejection is not sent back.
        {true, 0, {"VS,34320", "RT,0", "UDS,0", "SD1,00500", "FA1,0", "FA2,1", "SH1,5", "OM,3", "CBT,0000",
                   "CCT,010", "FTO,003", "CON,005", "EM,DYN,003", "NDE,00300", "FDE,02000", "FW,10", "BDE"}},
        {false, 6, {"VS,34320", "RT,0", "UDS,0"}},   // cancelled before record 5
    };
    for (const Case& c : cases) {
        readFrom(c.analog);
        EXPECT_EQ(fakes.sensor.take(), QStringList({"VS", "RT", "DIP", "UDS", "SD1", "FA1", "SD2", "FA2", "SH1", "SH2",
                                                    "OM", "CBT", "CCT", "FTO", "CON", "EM", "NDE", "FDE", "FW"}));
        FakeProgress progress;
        progress.cancelAt = c.cancelAt;
        model.WriteAll(std::nullopt, progress);
        EXPECT_EQ(fakes.sensor.take(), c.writes) << c.analog << c.cancelAt;
        EXPECT_EQ(std::pair(progress.shownCount, progress.unloads), std::pair(22, 1));
    }
}

// A file keeps the sensor's rejection of SD2, so that it reads back as an
// analogue sensor; the DIP switches and the reference distance are no part of it.
TEST_F(QT8200TableTest, ParameterFileKeepsTheVariant) {
    readFrom(true);
    model[REF].Value = "1000";
    model.WriteAll(4, fakes.progress);
    const QStringList lines = fakes.sensor.fileLines[4];
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[5], "SD2=" + Rejected);
    EXPECT_EQ(lines.back(), "BDE=");
    EXPECT_FALSE(lines.join(' ').contains("DIP") || lines.join(' ').contains("REF"));
}

TEST_F(QT8200TableTest, TypedCommandsReReadTheirChains) {
    struct Case {
        const char* word;
        QStringList requests;
    } const cases[] = {
        {"REF", {"VS"}},   // write-only: only what it changes is read
        {"BDE", {"NDE", "FDE"}},
        {"sd1", {}},       // the command word is compared exactly
    };
    for (const Case& c : cases) {
        model.InterpretCommand(c.word);
        EXPECT_EQ(fakes.sensor.take(), c.requests) << c.word;
    }
}

}  // namespace
