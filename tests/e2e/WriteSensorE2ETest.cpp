// "Sensor schreiben" first compares the data's sensor type with the
// connected sensor's identification. One noise carriage return in that
// identification, or a line nobody asked for right behind it, must not pass
// for another sensor type: no type question comes, and the data are written.
#include "e2e/MainWindowE2E.h"

#include <QAction>

#include <ostream>

namespace {

struct IdentFault {
    const char* name;
    QStringList faults;
};

void PrintTo(const IdentFault& fault, std::ostream* out) { *out << fault.name; }

class WriteSensorE2E : public MainWindowE2E, public testing::WithParamInterface<IdentFault> {};

TEST_P(WriteSensorE2E, AnIdentificationSplitOrFollowedByAStrayLineAsksNoTypeQuestion) {
    ASSERT_NO_FATAL_FAILURE(startSensor(QStringList{"--baud", "9600"} + GetParam().faults));
    startProgram();
    ASSERT_EQ(Sensor::State().SensorFormName, "frmQF8200");
    const int boxesBefore = boxes.count();
    const qsizetype mark = sim->requests().size();

    window->MenuItem("mnSensWrite")->trigger();

    EXPECT_EQ(boxes.count(), boxesBefore) << qPrintable(boxes.count() > boxesBefore ? boxes.shown().last().text
                                                                                    : QString());
    EXPECT_TRUE(sim->requests().mid(mark).contains("SD11,1000"));
}

// The start-up's detection asks "ID" twice; the write asks it a third time
// (is a sensor there?) and a fourth (its type).
INSTANTIATE_TEST_SUITE_P(IdentificationFaults, WriteSensorE2E,
                         testing::Values(IdentFault{"third_split", {"--split", "ID:3"}},
                                         IdentFault{"fourth_split", {"--split", "ID:4"}},
                                         IdentFault{"stray_after_third", {"--stray", "ID:3"}},
                                         IdentFault{"stray_after_fourth", {"--stray", "ID:4"}}));

}  // namespace
