#pragma once
#include <QString>

// How the sensor took one write.
enum class WriteOutcome {
    Taken,        // acknowledged (or nothing to acknowledge: a file line, a bare command)
    Refused,      // answered with a status byte 81h to 84h on every try
    Unanswered,   // no answer at all
};

// The outcome an answer to a write stands for: none is unanswered, a status
// byte 81h to 84h a refusal, anything else (80h) taken.
WriteOutcome OutcomeOfAnswer(const QString& answer);
