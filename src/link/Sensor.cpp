#include "link/Sensor.h"

#include "frame/NumberFormat.h"
#include "frame/Options.h"
#include "link/OfflineAnswers.h"
#include "link/TrafficLog.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Sensor {
namespace {

constexpr int ModeOffAttempts = 10;

// A command split into its request text and the lengths of its prefix:
// "~n~REQ" expects exactly n answer bytes, "^n^REQ" allows at most n. Both
// are kept to what an answer can hold: no answer is longer than its array.
struct Request {
    QString text;
    int expectedLength = 0;
    int maxLength = 0;
};

Request splitPrefix(const QString& command) {
    Request request{command};
    if (command.isEmpty() || (command[0] != '~' && command[0] != '^')) return request;
    const QChar marker = command[0];
    const qsizetype second = command.indexOf(marker, 1);
    if (second < 0) return request;
    const double number = std::nearbyint(NumberFormat::LeadingNumber(command.mid(1)));
    const int length = int(std::clamp(number, 0.0, double(Ports::AnswerSize)));
    request.text = command.mid(second + 1);
    (marker == '~' ? request.expectedLength : request.maxLength) = length;
    return request;
}

int tryLimit() { return std::max(Options::Current().RetryCount, 1); }

// Counts a failed try. When the tries are used up in echo mode, one more
// round follows with the echo pause after every byte. True: try again.
bool anotherTry(int& tries, int limit) {
    ++tries;
    if (tries >= limit && Ports::EchoMode() && !Ports::EchoWaitAlways()) {
        Ports::SetEchoMode(true, true);
        tries = 0;
    }
    return tries < limit;
}

// One try of a request: the answer of an earlier try when it came after all
// (then no further try goes out), else the request sent and its own answer
// awaited. Returns the answer's count; -1 when nothing could go out (the line
// is closed or busy), so that there is nothing to wait for.
int tryOnce(const QString& text, bool earlierTries, Ports::AnswerBytes& bytes, int expectedLength, bool dynamic,
            bool log, int timeoutMs = 0) {
    if (earlierTries)
        if (const int late = Ports::TakeOwnLateAnswer(bytes, expectedLength, dynamic, log)) return late;
    if (Ports::SendText(text, dynamic, log) == 0) return -1;
    return Ports::ReadAnswer(bytes, expectedLength, dynamic, log, true, timeoutMs);
}

// The slower echo round ends with the request that began it. A request
// started from a window event during that round leaves it on: ended there,
// the request out would begin it again once its tries are used up, and again.
class SlowerEchoRound {
public:
    SlowerEchoRound() : onBefore_(Ports::EchoWaitAlways()) {}
    ~SlowerEchoRound() {
        if (!onBefore_ && Ports::EchoMode() && Ports::EchoWaitAlways()) Ports::SetEchoMode(true, false);
    }
    SlowerEchoRound(const SlowerEchoRound&) = delete;
    SlowerEchoRound& operator=(const SlowerEchoRound&) = delete;

private:
    bool onBefore_;
};

quint64& lastAnswerStretch() {
    static quint64 stretch = 0;
    return stretch;
}

// An answer as a try left it: its bytes, count and the stretch it came in.
struct TakenAnswer {
    Ports::AnswerBytes bytes{};
    int count = 0;
    quint64 stretch = 0;
};

}  // namespace

quint64 LastAnswerStretch() { return lastAnswerStretch(); }

int SendCommand(const QString& command, QString& answer, Ports::AnswerBytes& answerBytes, std::optional<int> fileNo,
                bool dynamic, bool useRetries, bool log) {
    answer.clear();
    const Request request = splitPrefix(command);
    // Nothing to send (an empty command, or a prefix alone): no answer.
    if (request.text.isEmpty()) return 0;

    if (fileNo) {
        answer = OfflineAnswers::GetFileValue(*fileNo, request.text);
        return int(answer.size());
    }

    const int limit = useRetries ? tryLimit() : 1;
    int tries = 0;
    int count = 0;
    const SlowerEchoRound slowerRound;
    Ports::FlushInput();
    bool earlierTries = false;
    bool refused = false;
    // The sensor's refusal (a status byte) is what it said even when the
    // retry's answer is lost: what a retry leaves behind is no value.
    TakenAnswer refusal;
    quint64 stretch = 0;
    do {
        count = tryOnce(request.text, std::exchange(earlierTries, true), answerBytes, request.expectedLength, dynamic,
                        log);
        if (count < 0) {
            count = 0;
            break;
        }
        if (count > 0) stretch = Ports::AnswerStretch();
        if (request.maxLength > 0 && count > request.maxLength) {
            TrafficLog::Offer({"A", QString::fromLatin1(reinterpret_cast<const char*>(answerBytes.data()), count), false});
            count = 0;
            // The rest of the refused answer is ours too: thrown away, not parked.
            Ports::DiscardInputUntilQuiet();
            refused = true;
            break;
        }
        if (count > 0 && !Ports::IsErrorStatus(answerBytes[0])) break;
        if (count > 0) refusal = {answerBytes, count, stretch};
    } while (anotherTry(tries, limit));
    if (const int late = Ports::SettleOwnTries(answerBytes, count > 0 || refused, request.expectedLength, dynamic, log)) {
        count = late;
        stretch = Ports::AnswerStretch();
    }
    if (count == 0 && refusal.count > 0) {
        answerBytes = refusal.bytes;
        count = refusal.count;
        stretch = refusal.stretch;
    }
    lastAnswerStretch() = count > 0 ? stretch : Ports::StepStretch();
    answer = QString::fromLatin1(reinterpret_cast<const char*>(answerBytes.data()), count);
    return count;
}

bool SetParameter(const QString& name, const QString& value, std::optional<int> fileNo, QString* answer, bool log,
                  int timeoutMs) {
    const QString key = splitPrefix(name).text;
    // A prefix alone names nothing either: sending ",value" would only confuse the sensor.
    if (key.isEmpty()) return false;

    if (fileNo) {
        OfflineAnswers::WriteFileLine(*fileNo, key + '=' + value);
        return true;
    }

    Ports::FlushInput();
    if (value.isEmpty()) {
        // A bare name is a command whose answer nobody reads; the next
        // request's FlushInput counts it and throws it away.
        Ports::SendText(key, false, log);
        return true;
    }
    const QString request = key + ',' + value;
    const SlowerEchoRound slowerRound;
    int tries = 0;
    bool earlierTries = false;
    Ports::AnswerBytes bytes{};
    int count = 0;
    do {
        count = tryOnce(request, std::exchange(earlierTries, true), bytes, 0, false, log, timeoutMs);
        if (count < 0) {
            count = 0;
            break;
        }
        if (count > 0 && answer) *answer = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), count);
        if (count > 0 && !Ports::IsErrorStatus(bytes[0])) break;
    } while (anotherTry(tries, tryLimit()));
    if (const int late = Ports::SettleOwnTries(bytes, count > 0, 0, false, log); late > 0 && answer)
        *answer = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), late);
    lastAnswerStretch() = Ports::AnswerStretch();
    return true;
}

void SetModeOff() {
    for (int attempt = 0; attempt < ModeOffAttempts; ++attempt) {
        QString answer;
        SetParameter("MD", "OFF", std::nullopt, &answer, true);
        if (!answer.isEmpty() && answer[0].unicode() == Ports::StatusOK) return;
    }
}

}  // namespace Sensor
