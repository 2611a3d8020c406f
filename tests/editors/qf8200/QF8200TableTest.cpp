// The QF8200 table's bulk transfers, without the window.
#include "editors/common/EditorFakes.h"
#include "editors/qf8200/QF8200Fixture.h"
#include "editors/qf8200/QF8200Table.h"

namespace {

class QF8200TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sensor::ResetStateForTests();
        model.Build(QF8200::TableRows());
        fakes.sensor.values = QF8200Sensor(false);
    }
    void TearDown() override { Sensor::ResetStateForTests(); }

    InstalledFakes fakes;
    ParamEditorModel model{QF8200::TableUpperBound};
};

TEST_F(QF8200TableTest, ReadsAndWritesTakeTheirRecords) {
    model.ReadAll(std::nullopt, fakes.progress);
    EXPECT_EQ(fakes.progress.shownCount, 29);
    EXPECT_EQ(fakes.sensor.take().size(), 27);   // every record but REF

    model.WriteAll(std::nullopt, fakes.progress);
    const QStringList writes = fakes.sensor.take();
    // 24 stored records less TEM and the two the sensor rejected (NDE, FDE).
    EXPECT_EQ(writes.size(), 22);
    EXPECT_EQ(writes.front(), "VS0,33130");
    EXPECT_EQ(writes.back(), "NEF,0");

    model.WriteAll(5, fakes.progress);
    const QStringList lines = fakes.sensor.fileLines[5];
    EXPECT_EQ(lines.size(), 25);
    EXPECT_EQ(lines.front(), "VS0=33130");
    EXPECT_EQ(lines[2], "TEM=2931");
    EXPECT_EQ(lines.back(), "NEF=0");
}

}  // namespace
