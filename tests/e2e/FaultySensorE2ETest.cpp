// Sensors that answer late or send noise, on every line, through the real
// serial code: whatever the program shows, saves or writes back after a full
// read is the sensor's own value, or the record is left not read.
#include "e2e/OwnValuesE2E.h"

#include <ostream>

namespace {

struct FaultySensor {
    const char* name;
    const char* line;
    QStringList faults;
    int answerTimeoutMs;
    int echoTimeoutMs;   // in echo mode also the answer wait
};

// Names the row in test listings.
void PrintTo(const FaultySensor& sensor, std::ostream* out) { *out << sensor.name; }

class FaultySensorE2E : public OwnValuesE2E, public testing::WithParamInterface<FaultySensor> {};

TEST_P(FaultySensorE2E, OnlyTheSensorsOwnValuesAreShownSavedAndWritten) {
    const FaultySensor& sensor = GetParam();
    ExpectOnlyOwnValues(sensor.line, sensor.faults, sensor.answerTimeoutMs, sensor.echoTimeoutMs);
}

// The program's waits scaled down to keep the tests quick, the ratios kept:
// 40 ms stands for the answer timeout of 100 ms, 100 ms for the echo wait of 500 ms.
constexpr int AnswerTimeoutMs = 40;
constexpr int EchoTimeoutMs = 100;

// A sensor taking this long over each request, on a line paced at 9600 baud as the sensors' lines are.
QStringList lateBy(int ms) { return {"--delay-ms", QString::number(ms), "--baud", "9600"}; }

// Every line late by 1.5 and 1.9 answer timeouts (in echo mode the echo wait
// is the answer wait); the echoing line also just past its echo wait (like
// 550 ms against 500 ms), where the late answer meets the echoes of the retry.
INSTANTIATE_TEST_SUITE_P(
    LateSensors, FaultySensorE2E,
    testing::Values(FaultySensor{"qf8200_late_1_5", "qf8200", lateBy(60), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qf8200_late_1_9", "qf8200", lateBy(76), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qf8200echo_late_1_5", "qf8200echo", lateBy(60), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qf8200echo_late_1_9", "qf8200echo", lateBy(76), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qf8200rdx_late_1_5", "qf8200rdx", lateBy(60), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qf8200rdx_late_1_9", "qf8200rdx", lateBy(76), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qt8200_late_1_5", "qt8200", lateBy(60), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qt8200_late_1_9", "qt8200", lateBy(76), AnswerTimeoutMs, AnswerTimeoutMs},
                    FaultySensor{"qf8200echo_just_past_echo_wait", "qf8200echo", lateBy(110), AnswerTimeoutMs,
                                 EchoTimeoutMs}));

// Every ninth answer random bytes, on time: with the program's own waits.
const QStringList Noise = {"--garbage-every", "9"};
INSTANTIATE_TEST_SUITE_P(NoisyLines, FaultySensorE2E,
                         testing::Values(FaultySensor{"qf8200", "qf8200", Noise, 100, 500},
                                         FaultySensor{"qf8200echo", "qf8200echo", Noise, 100, 500},
                                         FaultySensor{"qf8200rdx", "qf8200rdx", Noise, 100, 500},
                                         FaultySensor{"qt8200", "qt8200", Noise, 100, 500}));

// One line more than was asked for, at 9600 baud: a carriage return in the
// middle of every seventh answer, or one unasked line 10 ms after every fifth
// answer of a sensor that answers 20 ms after each request. With the
// program's own waits.
const QStringList Split = {"--split-every", "7", "--baud", "9600"};
const QStringList Stray = {"--delay-ms", "20", "--stray-every", "5", "--stray-ms", "10", "--baud", "9600"};
INSTANTIATE_TEST_SUITE_P(LinesMoreThanAsked, FaultySensorE2E,
                         testing::Values(FaultySensor{"qf8200_split", "qf8200", Split, 100, 500},
                                         FaultySensor{"qf8200echo_split", "qf8200echo", Split, 100, 500},
                                         FaultySensor{"qf8200rdx_split", "qf8200rdx", Split, 100, 500},
                                         FaultySensor{"qt8200_split", "qt8200", Split, 100, 500},
                                         FaultySensor{"qf8200_stray", "qf8200", Stray, 100, 500},
                                         FaultySensor{"qf8200echo_stray", "qf8200echo", Stray, 100, 500},
                                         FaultySensor{"qf8200rdx_stray", "qf8200rdx", Stray, 100, 500},
                                         FaultySensor{"qt8200_stray", "qt8200", Stray, 100, 500}));

}  // namespace
