// The transfers every editor shares, on a small table with the kinds of
// record the editors have: not stored (VS), linked (VS0 -> VS), left out of
// the bulk write (TEM), reachable by an alias (SD1), write-only (REF).
#include "editors/common/EditorFakes.h"
#include "editors/common/ParamEditorModel.h"
#include "link/SensorState.h"

#include <gtest/gtest.h>

namespace {

enum { VS = 1, VS0, TEM, SD11, REF, NDE };

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sensor::ResetStateForTests();
        model.Build({
            ParamRow(1101, "VS", false),
            ParamRow(1001, "VS0").WithLinks(VS, VS),
            ParamRow(1002, "TEM").NoBulkWrite(),
            ParamRow(1009, "SD11").WithAltKey("SD1"),
            ParamRow(1030, "REF", false).WithLinks(VS0, 0).Unreadable(),
            ParamRow(1027, "NDE"),
        });
        model.SetFillForm([this](ParamRec& rec) { filled.append(rec.Key); });
        fakes.sensor.values = {{"VS", "34330"}, {"VS0", "33130"}, {"TEM", "2931"}, {"SD11", "500"}, {"SD1", "500"}};
    }
    void TearDown() override { Sensor::ResetStateForTests(); }

    void set(int index, const QString& value) { model[index].Value = value; }

    InstalledFakes fakes;
    ParamEditorModel model{30};
    QStringList filled;
};

TEST_F(ModelTest, SensorReadAsksReadableRecordsUntilCancelled) {
    struct Case {
        int cancelAt;
        QStringList requests;
    } const cases[] = {
        {0, {"VS", "VS0", "TEM", "SD11", "NDE"}},
        {3, {"VS"}},   // the first IncBar opens the bar, the third stops before VS0
    };
    for (const Case& c : cases) {
        FakeProgress progress;
        progress.cancelAt = c.cancelAt;
        model.ReadAll(std::nullopt, progress);
        EXPECT_EQ(fakes.sensor.take(), c.requests) << c.cancelAt;
        EXPECT_EQ(progress.shownMode, 1);
        EXPECT_EQ(progress.shownCount, 7);
        EXPECT_EQ(progress.unloads, 1);
    }
}

TEST_F(ModelTest, FileReadTakesStoredRecordsAndKeepsRejectionsInvalid) {
    Sensor::State().OfflineMode = true;
    set(VS, "34000");
    fakes.sensor.files[7] = {{"VS", "1"}, {"VS0", "33200"}, {"TEM", "2950"}, {"NDE", QString(QChar(0x82))}};
    model.ReadAll(7, fakes.progress);
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
    EXPECT_EQ(fakes.progress.shows, 0);
    EXPECT_EQ(filled, QStringList({"VS0", "TEM", "SD11", "NDE"}));
    EXPECT_EQ(model[VS].Value, "34000");   // not stored: not in the file's data set
    EXPECT_EQ(model[VS0].Value, "33200");
    EXPECT_EQ(model[SD11].Value, "");       // missing key
    EXPECT_FALSE(model.IsValid(NDE));
    EXPECT_TRUE(model.IsValid(VS0));
}

TEST_F(ModelTest, WritesTakeStoredRecords) {
    set(VS0, "33130");
    set(TEM, "2931");
    set(SD11, "");
    set(NDE, QString(QChar(0x82)));
    model.WriteAll(std::nullopt, fakes.progress);
    // TEM is not bulk-written; an empty value goes out as the bare key; the
    // sensor's rejection is not sent back to it.
    EXPECT_EQ(fakes.sensor.take(), QStringList({"VS0,33130", "SD11"}));
    EXPECT_EQ(fakes.progress.shownMode, 0);

    model.WriteAll(3, fakes.progress);
    EXPECT_EQ(fakes.sensor.fileLines[3],
              QStringList({"VS0=33130", "TEM=2931", "SD11=", "NDE=" + QString(QChar(0x82))}));

    Sensor::State().OfflineMode = true;
    model.WriteAll(std::nullopt, fakes.progress);
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
}

TEST_F(ModelTest, CommitWritesChangesAndReReadsTheChain) {
    struct Case {
        int index;
        QString value;
        bool offline;
        QStringList requests;
        QStringList filled;
        bool changed;
    } const cases[] = {
        {SD11, "500", false, {}, {}, false},
        {SD11, "600", false, {"SD11,600", "SD11"}, {"SD11"}, true},
        {REF, "1000", false, {"REF,1000", "VS0", "VS"}, {"REF", "VS0", "VS"}, true},
        {SD11, "700", true, {}, {"SD11"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        set(SD11, "500");
        Sensor::ResetStateForTests();
        Sensor::State().OfflineMode = c.offline;
        filled.clear();
        EXPECT_EQ(model.Commit(c.index, c.value, true), c.changed);
        EXPECT_EQ(fakes.sensor.take(), c.requests);
        EXPECT_EQ(filled, c.filled);
        EXPECT_EQ(Sensor::State().DataChanged, c.changed);
        EXPECT_EQ(model[c.index].Value, c.value);
    }
}

TEST_F(ModelTest, ReReadWithoutAnswerKeepsTheKnownValue) {
    set(VS, "34330");
    fakes.sensor.silent = {"VS0", "VS"};
    model.Commit(VS0, "33200", true);
    EXPECT_EQ(fakes.sensor.take(), QStringList({"VS0,33200", "VS0", "VS"}));
    EXPECT_EQ(model[VS0].Value, "33200");
    EXPECT_EQ(model[VS].Value, "34330");
}

TEST_F(ModelTest, TypedCommandsReReadWhatTheyName) {
    struct Case {
        QString word;
        QStringList requests;
        QStringList filled;
    } const cases[] = {
        {"SD1", {"SD1"}, {"SD11"}},                  // the alias is the read command
        {"REF", {"VS0", "VS"}, {"VS0", "VS"}},       // write-only: neither read nor shown
        {"VS0,2", {"VS0", "VS"}, {"VS0", "VS"}},    // a word that still carries an argument
        {"sd1", {}, {}},
    };
    for (const Case& c : cases) {
        filled.clear();
        model.InterpretCommand(c.word);
        EXPECT_EQ(fakes.sensor.take(), c.requests) << c.word.toStdString();
        EXPECT_EQ(filled, c.filled) << c.word.toStdString();
    }
    EXPECT_EQ(model[SD11].Value, "500");
}

}  // namespace
