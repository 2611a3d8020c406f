// The transfers every editor shares, on a small table with the kinds of
// record the editors have: not stored (VS), linked (VS0 -> VS), left out of
// the bulk write (TEM), reachable by an alias (SD1), write-only (REF).
#include "editors/EditorTestSupport.h"
#include "editors/common/ParamEditorModel.h"

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
    ScriptedMessages messages;
    ParamEditorModel model{30};
    QStringList filled;
};

TEST_F(ModelTest, SensorReadAsksReadableRecordsUntilCancelled) {
    struct Case { int cancelAt; QStringList requests; } const cases[] = {
        {0, {"VS", "VS0", "TEM", "SD11", "NDE"}},
        {3, {"VS"}},   // the first IncBar opens the bar, the third stops before VS0
    };
    for (const Case& c : cases) {
        FakeProgress progress;
        progress.cancelAt = c.cancelAt;
        model.ReadAll(std::nullopt, progress);
        EXPECT_EQ(fakes.sensor.take(), c.requests) << c.cancelAt;
        EXPECT_EQ(std::tuple(progress.shownMode, progress.shownCount, progress.unloads), std::tuple(1, 7, 1));
    }
}

TEST_F(ModelTest, FileReadTakesStoredRecordsAndKeepsRejectionsInvalid) {
    Sensor::State().OfflineMode = true;
    set(VS, "34000");
    fakes.sensor.files[7] = {{"VS", "1"}, {"VS0", "33200"}, {"TEM", "2950"}, {"NDE", Rejected}};
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
    set(NDE, Rejected);
    model[NDE].RawAnswer[0] = 0x82;   // as the sensor answered it
    model.WriteAll(std::nullopt, fakes.progress);
    // TEM is not bulk-written; records not read (no answer, the sensor's
    // rejection) are not sent back to it.
    EXPECT_EQ(fakes.sensor.take(), QStringList({"VS0,33130"}));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(fakes.progress.shownMode, 0);

    model.WriteAll(3, fakes.progress);
    EXPECT_EQ(fakes.sensor.fileLines[3],
              QStringList({"VS0=33130", "TEM=2931", "SD11=", "NDE=" + Rejected}));

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
    fakes.sensor.silent = {"VS"};
    model.Commit(VS0, "33200", true);
    EXPECT_EQ(fakes.sensor.take(), QStringList({"VS0,33200", "VS0", "VS"}));
    EXPECT_EQ(model[VS0].Value, "33200");
    EXPECT_EQ(model[VS].Value, "34330");
}

// Whatever status byte answers a read, the record holds no value: it is not
// written back, and the file it is saved in keeps it not read.
TEST_F(ModelTest, AStatusByteAnsweringAReadIsNoValue) {
    for (const int status : {0x80, 0x81, 0x82, 0x83, 0x84}) {
        SCOPED_TRACE(status);
        const QString byte{QChar(status)};
        Sensor::ResetStateForTests();
        fakes.sensor.values["SD11"] = byte;
        model.ReadAll(std::nullopt, fakes.progress);
        EXPECT_FALSE(model.IsValid(SD11));
        fakes.sensor.take();
        model.WriteAll(std::nullopt, fakes.progress);
        EXPECT_FALSE(fakes.sensor.take().join(' ').contains("SD11"));

        fakes.sensor.fileLines.clear();
        model.WriteAll(3, fakes.progress);
        EXPECT_TRUE(fakes.sensor.fileLines[3].contains("SD11=" + byte));
        Sensor::State().OfflineMode = true;
        fakes.sensor.files[4] = {{"SD11", byte}};
        model.ReadAll(4, fakes.progress);
        EXPECT_FALSE(model.IsValid(SD11));
    }
    EXPECT_EQ(messages.count(), 0);
}

// A write the sensor does not take is told at once, and the record goes back
// to what the sensor confirmed: its re-read answer, or without one the value
// before the edit.
TEST_F(ModelTest, ACommitTheSensorDoesNotTakeIsToldAndShowsTheConfirmedValue) {
    struct Case { const char* how; QSet<QString> refused; QSet<QString> silent; int message; } const cases[] = {
        {"refused", {"SD11"}, {}, 15}, {"unanswered", {}, {"SD11"}, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Sensor::ResetStateForTests();
        set(SD11, "500");
        fakes.sensor.refused = c.refused;
        fakes.sensor.silent = c.silent;
        filled.clear();
        const int before = messages.count();
        model.Commit(SD11, "600", true);
        EXPECT_EQ(fakes.sensor.take(), QStringList({"SD11,600", "SD11"}));
        EXPECT_EQ(model[SD11].Value, "500");
        EXPECT_EQ(filled, QStringList({"SD11"}));
        EXPECT_FALSE(Sensor::State().DataChanged);
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_EQ(messages.shown().last().text, MessageText(c.message, "SD11"));
    }
}

// A write's own answer says nothing about whose it is: lost, or taken by
// another request, it is missing. The re-read that follows shows what the
// sensor holds, and a sensor that holds the value written took the write.
TEST_F(ModelTest, TheReReadDecidesWhetherAnUnansweredCommitWasTaken) {
    struct Case {
        const char* how;
        QSet<QString> unacknowledged, lostWrites, refused;
        const char* shown;
        bool changed;
        int message;   // 0: none
    } const cases[] = {
        {"taken, its answer lost", {"SD11"}, {}, {}, "600", true, 0},
        {"lost on its way, the re-read shows the old value", {}, {"SD11"}, {}, "500", false, 16},
        {"refused", {}, {}, {"SD11"}, "500", false, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Sensor::ResetStateForTests();
        set(SD11, "500");
        fakes.sensor.values["SD11"] = "500";
        fakes.sensor.unacknowledged = c.unacknowledged;
        fakes.sensor.lostWrites = c.lostWrites;
        fakes.sensor.refused = c.refused;
        const int before = messages.count();

        EXPECT_TRUE(model.Commit(SD11, "600", true));

        EXPECT_EQ(fakes.sensor.take(), QStringList({"SD11,600", "SD11"}));
        EXPECT_EQ(model[SD11].Value, c.shown);
        EXPECT_EQ(Sensor::State().DataChanged, c.changed);
        ASSERT_EQ(messages.count(), before + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(messages.shown().last().text, MessageText(c.message, "SD11"));
        }
    }
}

// A full write names every record the sensor did not take in one message,
// whichever way it did not take them; when it took all, there is none.
TEST_F(ModelTest, AFullWriteListsWhatTheSensorDidNotTakeInOneMessage) {
    struct Case { QSet<QString> refused; QSet<QString> silent; std::optional<QString> listed; } const cases[] = {
        {{"VS0", "SD11"}, {"NDE"}, "VS0, SD11|NDE|-"},
        {{"VS0", "SD11"}, {}, "VS0, SD11|-|-"},
        {{}, {"NDE"}, "-|NDE|-"},
        {{}, {}, std::nullopt},
    };
    for (int i : {VS0, TEM, SD11, NDE}) set(i, "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listed.value_or("all taken").toStdString());
        fakes.sensor.refused = c.refused;
        fakes.sensor.silent = c.silent;
        const int before = messages.count();
        model.WriteAll(std::nullopt, fakes.progress);
        EXPECT_EQ(fakes.sensor.take(), QStringList({"VS0,1", "SD11,1", "NDE,1"}));
        ASSERT_EQ(messages.count(), before + (c.listed ? 1 : 0));
        if (c.listed) {
            EXPECT_EQ(messages.shown().last().text, MessageText(17, *c.listed));
        }
    }
}

TEST_F(ModelTest, TypedCommandsReReadWhatTheyName) {
    struct Case { QString word; QStringList requests; QStringList filled; } const cases[] = {
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
