#include "core/Options.h"

#include "core/Text.h"

#include <functional>
#include <map>

namespace sensorsim {

namespace {

std::optional<int> count(const std::string& text) {
    auto n = parseInteger(text);
    if (!n || *n < 0 || *n > 1'000'000'000) return std::nullopt;
    return static_cast<int>(*n);
}

// Applies one flag that takes a value; the error text, empty when taken.
using Setter = std::function<std::string(ProgramOptions&, const std::string&)>;

Setter countInto(int FaultPlan::*field) {
    return [field](ProgramOptions& o, const std::string& v) -> std::string {
        auto n = count(v);
        if (!n) return "expects a whole number, not \"" + v + "\"";
        o.sensor.faults.*field = *n;
        return {};
    };
}

// A fault placed on the Nth request of a key, "KEY:N"; repeatable, for several keys or several N for one.
Setter placeInto(NthRequests FaultPlan::*field) {
    return [field](ProgramOptions& o, const std::string& v) -> std::string {
        const std::size_t colon = v.rfind(':');
        auto n = colon == std::string::npos ? std::nullopt : count(v.substr(colon + 1));
        if (!n || *n < 1 || colon == 0) return "expects KEY:N (N a whole number from 1), not \"" + v + "\"";
        (o.sensor.faults.*field)[v.substr(0, colon)].insert(*n);
        return {};
    };
}

const std::map<std::string, Setter>& setters() {
    static const std::map<std::string, Setter> table = {
        {"link", [](ProgramOptions& o, const std::string& v) { o.linkPath = v; return std::string(); }},
        {"log", [](ProgramOptions& o, const std::string& v) { o.logPath = v; return std::string(); }},
        {"baud",
         [](ProgramOptions& o, const std::string& v) -> std::string {
             auto n = count(v);
             if (!n || *n == 0) return "expects a baud rate, not \"" + v + "\"";
             o.sensor.baud = *n;
             return {};
         }},
        {"status",
         [](ProgramOptions& o, const std::string& v) -> std::string {
             const std::size_t equals = v.rfind('=');
             auto byte = equals == std::string::npos ? std::nullopt : parseHex(v.substr(equals + 1), 2);
             if (!byte || equals == 0) return "expects KEY=HH (two hex digits), not \"" + v + "\"";
             o.sensor.faults.statusByKey[v.substr(0, equals)] = static_cast<unsigned char>(*byte);
             return {};
         }},
        {"long-answer",
         [](ProgramOptions& o, const std::string& v) -> std::string {
             if (v.empty()) return "expects a request key";
             o.sensor.faults.longAnswerKeys.insert(v);
             return {};
         }},
        {"seed",
         [](ProgramOptions& o, const std::string& v) -> std::string {
             auto n = count(v);
             if (!n) return "expects a whole number, not \"" + v + "\"";
             o.sensor.faults.seed = static_cast<unsigned>(*n);
             return {};
         }},
        {"drop-every", countInto(&FaultPlan::dropEveryNth)},
        {"garbage-every", countInto(&FaultPlan::garbageEveryNth)},
        {"no-cr-every", countInto(&FaultPlan::noCrEveryNth)},
        {"split-every", countInto(&FaultPlan::splitEveryNth)},
        {"stray-every", countInto(&FaultPlan::strayEveryNth)},
        {"stray-ms", countInto(&FaultPlan::strayMs)},
        {"trickle-ms", countInto(&FaultPlan::trickleMs)},
        {"delay-ms", countInto(&FaultPlan::delayMs)},
        {"late", placeInto(&FaultPlan::lateAt)},
        {"late-ms", countInto(&FaultPlan::lateMs)},
        {"split", placeInto(&FaultPlan::splitAt)},
        {"split-at",
         [](ProgramOptions& o, const std::string& v) -> std::string {
             auto n = count(v);
             if (!n) return "expects a whole number, not \"" + v + "\"";
             o.sensor.faults.splitAfter = *n;
             return {};
         }},
        {"stray", placeInto(&FaultPlan::strayAt)},
        {"drop", placeInto(&FaultPlan::dropAt)},
        {"hangup-after", countInto(&FaultPlan::hangupAfter)},
    };
    return table;
}

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    ProgramOptions& o = parsed.options;
    std::string lineText = "qf8200";
    std::vector<std::string> variantLists;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string flag = arguments[i];
        if (flag == "--help" || flag == "-h") {
            o.help = true;
            continue;
        }
        if (!flag.starts_with("--")) return {o, "unexpected argument \"" + flag + "\""};
        flag.erase(0, 2);
        std::optional<std::string> value;
        if (std::size_t equals = flag.find('='); equals != std::string::npos) {
            value = flag.substr(equals + 1);
            flag.erase(equals);
        }
        const bool known = flag == "line" || flag == "variant" || setters().count(flag) != 0;
        if (!known) return {o, "unknown flag --" + flag};
        if (!value) {
            if (i + 1 >= arguments.size()) return {o, "--" + flag + " needs a value"};
            value = arguments[++i];
        }
        if (flag == "line") {
            lineText = *value;
        } else if (flag == "variant") {
            variantLists.push_back(*value);
        } else if (std::string error = setters().at(flag)(o, *value); !error.empty()) {
            return {o, "--" + flag + " " + error};
        }
    }
    auto line = lineFromName(lineText);
    if (!line) return {o, "unknown line \"" + lineText + "\" (qf8200, qf8200echo, qf8200rdx or qt8200)"};
    o.sensor.line = *line;
    o.sensor.variant = defaultVariant(*line);
    for (const std::string& list : variantLists)
        if (auto error = applyVariantWords(*line, list, o.sensor.variant)) return {o, *error};
    return parsed;
}

std::string usageText() {
    return R"(Usage: sensorsim [--line LINE] [--variant WORDS] [options]

Simulates one ultrasonic distance sensor on a pseudo-terminal. The first line
of standard output is the terminal's device path. Requests end with a carriage
return; answers are the text and a carriage return, or a status byte (80h OK,
81h invalid parameter, 82h invalid command, 83h overflow, 84h hardware error)
and a carriage return.

Sensor:
  --line LINE          qf8200 (default), qf8200echo, qf8200rdx or qt8200
  --variant WORDS      comma-separated:
                         switch | analog   second output switch or analogue (qf8200, qt8200),
                                           switch outputs or analogue output (qf8200echo),
                                           analogue output besides the switch outputs or not
                                           (qf8200rdx); default switch, qf8200rdx analog
                         v1 | v2           software before or from version 2 (default v2);
                                           v1 lacks OT, SE, RR, NEF (qf8200) and the cells
                                           XE1C, XE2E, XE2F (qf8200echo)
                         2out | 3out       switch outputs of a qf8200rdx (default 3out)
                         incl | noincl     inclination switch of a qf8200rdx (default incl)

Line:
  --link PATH          also make PATH a symbolic link to the terminal (removed at the end)
  --baud N             pace the line at N baud, 10 bits a byte, both ways
  --log FILE           write every request received, one a line, without its carriage
                       return; bytes outside printable ASCII and the backslash as \xHH;
                       a lone carriage return is an empty line; a request cut short at
                       the end as "(cut) " and its bytes

Faults (N counts answers; an echo is not an answer):
  --drop-every N       send no bytes at all for every Nth answer
  --status KEY=HH      answer requests with key KEY (the text before the first ",") with
                       the status byte HH alone; a KEY with a comma ("RM,XE1D") matches
                       requests equal to it or continuing it after a comma; repeatable
  --garbage-every N    replace every Nth answer by random bytes and a carriage return
  --no-cr-every N      send every Nth answer without its carriage return
  --split-every N      put a carriage return in the middle of every Nth answer, so it
                       arrives as two lines ("33130" as "33", "130"; "5" as "5", "")
  --stray-every N      send an unasked line, "0" and a carriage return, after every Nth
                       answer, as a sensor in a stream or noise would
  --stray-ms MS        the unasked line follows MS ms after the answer has crossed the
                       line (default 10); answers due meanwhile go first
  --long-answer KEY    answer KEY with 300 printable bytes and a carriage return; repeatable
  --trickle-ms N       pause N ms between the bytes of an answer
  --delay-ms N         take N ms over each request, one after another: a request that
                       arrives meanwhile waits its turn (echoes still go back at once)
  --hangup-after N     serve N requests (a lone carriage return counts), then close the
                       terminal and exit
  --seed N             seed of the garbage bytes (default 1)

Single faults (N counts from 1 the requests KEY matches, as for --status and in
either case: a read "SD11" and a write "SD11,500" both count for SD11; other keys
do not count; each flag repeatable, for several keys or several N):
  --late KEY:N         take --late-ms longer over the Nth request of KEY; requests that
                       arrive meanwhile wait their turn and are answered after it
                       (echoes still go back at once)
  --late-ms MS         how much longer a --late request takes (default 1200)
  --split KEY:N        put a carriage return into the Nth answer to KEY, so it arrives
                       as two lines
  --split-at P         --split puts it after P bytes, at most after the whole answer
                       (default as --split-every: in the middle, at least after the
                       first byte); 82h split at 1 arrives as 82h, CR, CR
  --stray KEY:N        send the unasked line of --stray-every, --stray-ms after the Nth
                       answer to KEY
  --drop KEY:N         send no bytes at all for the Nth request of KEY; the sensor takes
                       its time over it all the same

The program ends on SIGTERM, SIGINT or SIGHUP, when its parent process ends, and
when standard input is a pipe that reaches its end.
)";
}

}  // namespace sensorsim
