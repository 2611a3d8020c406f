// Single faults placed on one request of a sensor that otherwise answers in
// time, at 9600 baud with the program's own waits: answers that come after
// the program gave their tries up, a status byte followed by a noise
// carriage return, an identification split in two. Whatever the program
// shows, saves or writes is the sensor's own value; a record whose answer
// only came late is read after all, and no box asks about a fault the line
// already knows.
#include "e2e/OwnValuesE2E.h"

#include <ostream>

namespace {

struct PlacedFault {
    const char* name;
    const char* line;
    QStringList faults;
    // A line the saved parameter file must hold with a value (the record,
    // or the identification text, was read after all); empty: none.
    const char* readAfterAll;
    bool boxes;   // whether message boxes may come (a refused record is reported)
    QStringList build = {};   // the sensor's variant, faults or not
};

void PrintTo(const PlacedFault& fault, std::ostream* out) { *out << fault.name; }

class PlacedFaultE2E : public OwnValuesE2E, public testing::WithParamInterface<PlacedFault> {};

TEST_P(PlacedFaultE2E, OnlyTheSensorsOwnValuesAndNoRecordLostWithoutAWord) {
    const PlacedFault& fault = GetParam();
    const FaultyRead read =
        ExpectOnlyOwnValues(fault.line, QStringList{"--baud", "9600"} + fault.faults, 100, 500, fault.build);
    if (*fault.readAfterAll) {
        EXPECT_TRUE(read.savedKeys.contains(fault.readAfterAll)) << fault.readAfterAll << " was not read";
    }
    if (!fault.boxes) {
        EXPECT_TRUE(read.boxes.isEmpty()) << qPrintable(read.boxes.join(" / "));
    }
}

// The Nth request of a key answered this many ms late (the sensor answers in turn).
QStringList late(const char* key, QList<int> nth, int ms) {
    QStringList faults{"--late-ms", QString::number(ms)};
    for (const int n : nth) faults << "--late" << QString("%1:%2").arg(key).arg(n);
    return faults;
}

// Every try of one record answered past the time after which a try counts as
// lost (1 s): the late answers come while the next requests are under way.
INSTANTIATE_TEST_SUITE_P(
    EveryTryLate, PlacedFaultE2E,
    testing::Values(PlacedFault{"qf8200_SD11", "qf8200", late("SD11", {1, 2}, 1200), "SD11", false},
                    PlacedFault{"qt8200_CBT", "qt8200", late("CBT", {1, 2}, 1200), "CBT", false},
                    PlacedFault{"qf8200rdx_SD2", "qf8200rdx", late("SD2", {1, 2}, 1300), "SD2", false},
                    PlacedFault{"qf8200rdx_VER", "qf8200rdx", late("VER", {1, 2}, 1200), "VER", false}));

// The first try of one record answered 1.3 s late, the retry at once.
INSTANTIATE_TEST_SUITE_P(
    FirstTryLate, PlacedFaultE2E,
    testing::Values(PlacedFault{"qf8200_TO", "qf8200", late("TO", {1}, 1300), "TO", false},
                    PlacedFault{"qf8200rdx_SD2", "qf8200rdx", late("SD2", {1}, 1300), "SD2", false},
                    PlacedFault{"qt8200_FA1", "qt8200", late("FA1", {1}, 1300), "FA1", false}));

// A status byte refusing a record, followed by a noise carriage return, and
// the retry's answer lost: the record stays refused and is never written.
INSTANTIATE_TEST_SUITE_P(
    RefusedAndSplit, PlacedFaultE2E,
    testing::Values(PlacedFault{"qt8200_SD2", "qt8200", {"--split", "SD2:1", "--split-at", "1", "--drop", "SD2:2"},
                                "", true, {"--variant", "analog"}},
                    PlacedFault{"qf8200_FDE", "qf8200",
                                {"--split", "FDE:1", "--split-at", "1", "--drop", "FDE:2"}, "", true}));

// The identification split by a noise carriage return during detection: the
// first "ID" asks whether a sensor is there, the second chooses the editor.
INSTANTIATE_TEST_SUITE_P(
    IdentificationSplit, PlacedFaultE2E,
    testing::Values(PlacedFault{"qf8200_first", "qf8200", {"--split", "ID:1"}, "ID", false},
                    PlacedFault{"qf8200", "qf8200", {"--split", "ID:2"}, "ID", false},
                    PlacedFault{"qf8200echo", "qf8200echo", {"--split", "ID:2"}, "ID", false},
                    PlacedFault{"qf8200rdx", "qf8200rdx", {"--split", "ID:2"}, "ID", false},
                    PlacedFault{"qt8200", "qt8200", {"--split", "ID:2"}, "ID", false}));

// The first "ID" of detection answered 1.2 s late, after the sensor answered
// "MD,OFF": the sensor is there, and detection finds it without a message.
INSTANTIATE_TEST_SUITE_P(
    IdentificationLate, PlacedFaultE2E,
    testing::Values(PlacedFault{"qf8200", "qf8200", late("ID", {1}, 1200), "ID", false},
                    PlacedFault{"qf8200echo", "qf8200echo", late("ID", {1}, 1200), "ID", false},
                    PlacedFault{"qf8200rdx", "qf8200rdx", late("ID", {1}, 1200), "ID", false},
                    PlacedFault{"qt8200", "qt8200", late("ID", {1}, 1200), "ID", false}));

}  // namespace
