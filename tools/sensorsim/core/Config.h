#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace sensorsim {

// The four sensor lines the program knows.
enum class Line { Qf8200, Qf8200Echo, Qf8200Rdx, Qt8200 };

std::optional<Line> lineFromName(std::string_view name);  // "qf8200", "qf8200echo", "qf8200rdx", "qt8200"
std::string lineName(Line line);

// How one simulated sensor is built. Not every choice applies to every line.
struct Variant {
    bool analog = false;       // analogue output: in place of switch output 2 (QF8200, QT8200), in place of
                               // the switch outputs (QF8200Echo), beside the switch outputs (QF8200RDX)
    int switchOutputs = 2;     // QF8200RDX: 2 or 3
    bool inclination = true;   // QF8200RDX: inclination switch
    bool firmwareV2 = true;    // software from version 2 (QF8200: OT, SE, RR, NEF; QF8200Echo: XE1C, XE2E, XE2F)
};

// The factory variant of a line when --variant does not say otherwise.
Variant defaultVariant(Line line);

// Applies a comma-separated list of variant words ("switch", "analog", "2out", "3out", "incl", "noincl",
// "v1", "v2") to variant. The error text, or nullopt when every word was taken.
std::optional<std::string> applyVariantWords(Line line, std::string_view words, Variant& variant);

// Single requests a fault is placed on: per key (matched as --status matches), the Nth of the requests that
// key matches, counted from 1.
using NthRequests = std::map<std::string, std::set<int>>;

// Faults the sensor injects into its answers, for tests of the program's recovery. 0 = off.
struct FaultPlan {
    int dropEveryNth = 0;                          // every Nth answer is not sent at all
    int garbageEveryNth = 0;                       // every Nth answer becomes random bytes and a carriage return
    int noCrEveryNth = 0;                          // every Nth answer loses its carriage return
    int splitEveryNth = 0;                         // every Nth answer gets a carriage return in its middle
    int strayEveryNth = 0;                         // every Nth answer is followed by an unasked line
    int strayMs = 10;                              // how long after the answer has crossed the line
    std::map<std::string, unsigned char> statusByKey;  // requests of this key get only this status byte
    std::set<std::string> longAnswerKeys;          // requests of this key get 300 printable bytes
    int trickleMs = 0;                             // pause between the bytes of an answer
    int delayMs = 0;                               // time taken over each request, one after another
    NthRequests lateAt;                            // these requests take lateMs longer than the others
    int lateMs = 1200;
    NthRequests splitAt;                           // these answers get a carriage return after splitAfter bytes
    std::optional<int> splitAfter;                 // nullopt: in the middle, as splitEveryNth splits
    NthRequests strayAt;                           // these answers are followed by an unasked line
    NthRequests dropAt;                            // these requests get no answer, in their turn
    int hangupAfter = 0;                           // the sensor goes away after this many requests
    unsigned seed = 1;                             // of the garbage bytes
};

struct SensorConfig {
    Line line = Line::Qf8200;
    Variant variant = defaultVariant(Line::Qf8200);
    FaultPlan faults;
    int baud = 0;  // the line's rate, 10 bits a byte; 0 = bytes pass at once
};

}  // namespace sensorsim
