#include "link/Sensor.h"

#include "frame/NumberFormat.h"
#include "frame/Options.h"
#include "link/OfflineAnswers.h"
#include "link/TrafficLog.h"

#include <algorithm>
#include <cmath>

namespace Sensor {
namespace {

constexpr int ModeOffAttempts = 10;

// A command split into its request text and the lengths of its prefix:
// "~n~REQ" expects exactly n answer bytes, "^n^REQ" allows at most n.
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
    const int length = int(std::clamp(number, 0.0, 32767.0));
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

void endEchoFallback() {
    if (Ports::EchoMode() && Ports::EchoWaitAlways()) Ports::SetEchoMode(true, false);
}

}  // namespace

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
    Ports::FlushInput();
    bool retry = false;
    bool refused = false;
    do {
        // The answer of an earlier try may have come after all: then it is
        // the answer, and no further try goes out.
        count = retry ? Ports::TakeOwnLateAnswer(answerBytes, request.expectedLength, dynamic, log) : 0;
        retry = true;
        if (count == 0) {
            // Nothing went out (the line is closed or busy): nothing to wait for.
            if (Ports::SendText(request.text, dynamic, log) == 0) break;
            count = Ports::ReadAnswer(answerBytes, request.expectedLength, dynamic, log, true);
        }
        if (count > 0) answer = QString::fromLatin1(reinterpret_cast<const char*>(answerBytes.data()), count);
        if (request.maxLength > 0 && answer.size() > request.maxLength) {
            TrafficLog::Offer({"A", answer, false});
            answer.clear();
            count = 0;
            // The rest of the refused answer is ours too: thrown away, not parked.
            Ports::DiscardInputUntilQuiet();
            refused = true;
            break;
        }
        if (count > 0 && !Ports::IsErrorStatus(answerBytes[0])) break;
    } while (anotherTry(tries, limit));
    if (const int late = Ports::SettleOwnTries(answerBytes, count > 0 || refused, request.expectedLength, dynamic, log)) {
        count = late;
        answer = QString::fromLatin1(reinterpret_cast<const char*>(answerBytes.data()), count);
    }
    endEchoFallback();
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

    const QString request = value.isEmpty() ? key : key + ',' + value;
    int tries = 0;
    bool retry = false;
    bool answered = false;
    Ports::FlushInput();
    do {
        Ports::AnswerBytes bytes{};
        int count = retry ? Ports::TakeOwnLateAnswer(bytes, 0, false, log) : 0;
        retry = true;
        if (count == 0) {
            // Nothing went out (the line is closed or busy): nothing to wait
            // for. A bare name is a command whose answer nobody reads; the
            // next request's FlushInput counts it and throws it away.
            if (Ports::SendText(request, false, log) == 0 || value.isEmpty()) break;
            count = Ports::ReadAnswer(bytes, 0, false, log, true, timeoutMs);
        }
        const QString text = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), count);
        if (count > 0 && answer) *answer = text;
        answered = count > 0;
        if (answered && !Ports::IsErrorStatus(text[0].unicode())) break;
    } while (anotherTry(tries, tryLimit()));
    Ports::AnswerBytes late{};
    if (const int count = Ports::SettleOwnTries(late, answered, 0, false, log); count > 0 && answer)
        *answer = QString::fromLatin1(reinterpret_cast<const char*>(late.data()), count);
    endEchoFallback();
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
