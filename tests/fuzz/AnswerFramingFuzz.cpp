// The serial receive path on any bytes a sensor could send, in three parts,
// all on a test clock so that no wait costs real time.
//
// First, the fake port answers each request with the next piece of the input
// (nothing, a piece without its carriage return, garbage, a status byte,
// more than one answer), plain or echoing every byte, while the command layer
// sends what detection and the editors send: the identification, fixed-length
// and limited-length requests, writes with retries, the end of master mode,
// raw reads of one byte or of a length, and requests nested inside another
// request's wait. The identification that arrives is taken apart as
// detection does.
//
// Then a sensor that answers requests in turn, as a real one does, and for
// each request chooses how long it takes and what it does besides. One such
// sensor loses lines: it drops answers, replaces them with noise, leaves off
// their carriage return or lets stray bytes go before them. The other adds
// lines: it splits answers with a carriage return in the middle and sends
// lines nobody asked for. Either way it never keeps the line silent for the
// time after which the program gives a try up while it still owes an answer.
// Each value a request takes is noted in the stretch of the line it was taken
// in, and once the line's guard has ended the run, every value that is not in
// a stretch the line found out of step must be its request's own.
//
// Last, answers of every length against the lengths a request's prefix asks
// for: nothing may be read past the answer that is kept.
#include "FuzzSupport.h"

#include "frame/Options.h"
#include "link/EditorChoice.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/Sensor.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "link/TakenValues.h"
#include "support/FakeSerialControl.h"
#include "support/InTurnSensor.h"
#include "support/TestClock.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <condition_variable>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>

namespace {

constexpr int TimeoutMs = 100;

// Every run goes on a thread of its own, whose event passes deliver the
// events posted to it (the nested requests) and nothing else. Each wait on
// the line yields to window events every 2 ms of the test clock, and the
// application's own event pass asks the system for input every time: that
// cost more than all else a run does. The link needs no timers, sockets or
// windows.
class PostedEventsOnly final : public QAbstractEventDispatcher {
public:
    bool processEvents(QEventLoop::ProcessEventsFlags) override {
        QCoreApplication::sendPostedEvents();
        return false;
    }
    void registerSocketNotifier(QSocketNotifier*) override {}
    void unregisterSocketNotifier(QSocketNotifier*) override {}
    void registerTimer(int, qint64, Qt::TimerType, QObject*) override {}
    bool unregisterTimer(int) override { return false; }
    bool unregisterTimers(QObject*) override { return false; }
    QList<TimerInfo> registeredTimers(QObject*) const override { return {}; }
    int remainingTime(int) override { return -1; }
    void wakeUp() override {}
    void interrupt() override {}
};

class LinkThread {
public:
    // Runs the job on the thread and returns once it is done.
    void run(const std::function<void()>& job) {
        std::unique_lock lock(mutex_);
        job_ = &job;
        changed_.notify_all();
        changed_.wait(lock, [this] { return job_ == nullptr; });
    }
    // What the nested requests are posted to: an object of the thread.
    QObject* events() const { return events_; }

private:
    void serve() {
        QThread::currentThread()->setEventDispatcher(new PostedEventsOnly);
        events_ = new QObject;
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return job_ != nullptr; });
            lock.unlock();
            (*job_)();
            lock.lock();
            job_ = nullptr;
            changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* job_ = nullptr;
    QObject* events_ = nullptr;
    std::thread thread_{[this] { serve(); }};
};

// Lives as long as the process: its thread waits for the next run to the end.
LinkThread& linkThread() {
    static LinkThread* thread = new LinkThread;
    return *thread;
}

void openLine(FakeSerialControl& line, TestClock& clock) {
    Ports::ResetForTests();
    Sensor::ResetStateForTests();
    Ports::InitPort(&line, nullptr);
    QString port = QStringLiteral("COM1");
    Ports::SetPort(port);
    Ports::State().clock = &clock;
    line.clock = &clock;
    Ports::SetTimeout(TimeoutMs);
    Ports::State().EchoTimeout = TimeoutMs;
    Ports::SetEchoMode(line.echo, false);
    // After a try given up while the sensor answered, the line asks "ID",
    // whose answer names it as every answer names its request.
    Ports::SetStepMarks([] {
        return QList<Ports::StepMark>{{"ID", [](const QByteArray& answer) { return answer == "=ID="; }}};
    });
}

// Every answer names its request ("=K3=" for "K3" and "K3,5"); noise never
// holds an "=", so an answer that names another request came from it.
QByteArray answerOf(const QByteArray& request) { return '=' + request.split(',').first() + '='; }

QByteArray noise(FuzzedDataProvider& in) {
    QByteArray bytes = QByteArray::fromStdString(in.ConsumeRandomLengthString(24));
    bytes.replace('=', '-');
    bytes.replace('\r', '-');
    return bytes;
}

// No answer named in the value is another request's.
bool namesOnly(const QByteArray& request, const QByteArray& value) {
    static const QRegularExpression named(QStringLiteral("=([^=]*)="));
    for (auto m = named.globalMatch(QString::fromLatin1(value)); m.hasNext();)
        if (m.next().captured(1).toLatin1() != request) return false;
    return true;
}

// The values the requests of one run took, each noted in the stretch of the
// line it was taken in, as the program's own operations note theirs.
class Taken {
public:
    void note(const QString& request, const QString& value) {
        stretches_.Took(int(values_.size()));
        values_.append({request.toLatin1(), value.toLatin1()});
    }

    // Ends the run with the line's guard: every value that is not in a
    // stretch the line found out of step must be its request's own, and
    // those that are may be anything.
    void checkOwnOutsideOutOfStep() const {
        const QList<int> outOfStep = stretches_.OutOfStep();
        for (int key = 0; key < values_.size(); ++key) {
            const auto& [request, value] = values_[key];
            if (!outOfStep.contains(key))
                FUZZ_CHECK(namesOnly(request, value), QString::fromLatin1(request + " took " + value + " in step"));
        }
    }

private:
    TakenValues stretches_;
    QList<std::pair<QByteArray, QByteArray>> values_;  // request, value; the key is the place here
};

// While a request waits, the input may start another one from a window
// event (up to `left` of them); with a sensor answering in turn its value is
// noted with the others.
void startNestedRequests(FakeSerialControl& line, FuzzedDataProvider& in, int& left, const QString& command,
                         Taken* taken) {
    line.duringWait = [&in, &left, command, taken](const QByteArray&) {
        if (left <= 0 || !in.ConsumeBool()) return;
        --left;
        QTimer::singleShot(0, linkThread().events(), [command, taken] {
            QString answer;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand(command, answer, bytes);
            if (taken) taken->note(command, answer);
        });
    };
}

// No nested request is started any more, and those still waiting for their
// turn run now: nothing of one run may reach into the next.
void endNestedRequests(FakeSerialControl& line) {
    line.duringWait = nullptr;
    QCoreApplication::sendPostedEvents();
}

void framing(FuzzedDataProvider& in, TestClock& clock) {
    FakeSerialControl line;
    line.echo = in.ConsumeBool();
    Options::Current().RetryCount = in.ConsumeIntegralInRange(1, 3);
    Options::Current().DebugMode = in.ConsumeBool();
    int nestedLeft = in.ConsumeIntegralInRange(0, 3);
    openLine(line, clock);

    // Once the input is used up the sensor is gone, as when its adapter is
    // pulled: a silent one would only make each step left wait out its
    // timeouts once more (in echo mode, ending master mode alone takes over
    // a minute on the test clock).
    line.respond = [&](const QByteArray&) {
        if (in.remaining_bytes() > 0) return QByteArray::fromStdString(in.ConsumeRandomLengthString(300));
        line.failingOpens = std::numeric_limits<int>::max();
        line.vanish();
        return QByteArray();
    };
    startNestedRequests(line, in, nestedLeft, QStringLiteral("SD1"), nullptr);

    if (Sensor::IsSensorConnected()) {
        Sensor::ReadSensorIdent(std::nullopt);
        Sensor::ChooseEditorName(Sensor::State().SensorType);
        Sensor::SensorRangeOf(Sensor::State().SensorType);
    }
    for (const char* command : {"~3~TEM", "^5^VS", "~0~X", "^", "SD11"}) {
        QString answer;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand(QLatin1String(command), answer, bytes);
    }
    QString written;
    Sensor::SetParameter(QStringLiteral("SD1"), QStringLiteral("500"), std::nullopt, &written, true);
    Sensor::SetModeOff();
    Ports::FlushInput();
    Ports::SendText(QStringLiteral("AD"));
    Ports::AnswerBytes bytes{};
    Ports::ReadAnswer(bytes, in.ConsumeIntegralInRange(-1, 300), false, true, true);
    Ports::ReadAnswer(bytes, 1);

    endNestedRequests(line);
    line.respond = nullptr;
    Ports::ResetForTests();
}

// How long the sensor takes over a request, up to `longest`: mostly well
// within the answer wait, as a real sensor does, and now and then long past
// it. (Times spread evenly would make nearly every answer late, and each run
// would wait out most of a second for every request.)
double answerTime(FuzzedDataProvider& in, double longest) {
    const double p = in.ConsumeProbability<double>();
    return longest * p * p * p * p;
}

// What the in-turn sensor does wrong. A line lost (a dropped answer, one
// without its end run into the next) and a line added cancel out where no
// count of the lines can see it, so one sensor does only the one or the other.
enum class Spoils { LosesLines, AddsLines };

// It drops a request now and then (a garbled one, answered with nothing and
// at no cost of time) or leaves an answer's carriage return off; besides, it
// answers with noise or lets stray bytes go before its answer.
InTurnSensor::Handling losingLines(FuzzedDataProvider& in, const QByteArray& request, double longest) {
    InTurnSensor::Handling handling{answerOf(request), answerTime(in, longest)};
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: handling = {}; break;                                    // dropped
    case 1: handling.answer = noise(in); break;                      // noise instead, without its end
    case 2: handling.answer = noise(in) + '\r'; break;               // noise instead of the answer
    case 3: handling.answer.prepend(noise(in)); break;               // stray bytes before it
    default: break;
    }
    if (!handling.answer.isEmpty() && !handling.answer.endsWith('\r') && in.ConsumeBool()) handling.answer += '\r';
    return handling;
}

// An answer in two lines: a carriage return in the noise before or after
// its name, never inside the name, so that each line still shows whose it is.
QByteArray splitAnswer(const QByteArray& name, FuzzedDataProvider& in) {
    QByteArray before = noise(in);
    QByteArray after = noise(in);
    QByteArray& cut = in.ConsumeBool() ? before : after;
    cut.insert(in.ConsumeIntegralInRange<qsizetype>(0, cut.size()), '\r');
    return before + name + after + '\r';
}

// A line that answers no request: one that names none, a plain number, noise.
QByteArray unaskedLine(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: return "=STRAY=\r";
    case 1: return "0\r";
    default: return noise(in) + '\r';
    }
}

// It splits an answer in two lines now and then, or sends a line nobody
// asked for shortly before or after it; besides, it answers with noise or
// lets stray bytes go before its answer. Every answer comes, with its
// carriage return.
//
// The line knows itself in step again once it has been quiet, with nothing
// owed, for twice the slowest answer it has seen since it last was; but an
// answer that a line added pushed onto a later try shows up sooner than the
// sensor really answers. So the sensor takes about as long over every
// request (`quickest` to 1.4 times that), and an unasked line comes at most
// a fifth of an answer's time before the answer, or at most that time after
// it: the line then never sees an answer in less than 0.8 of the quickest,
// and waits out every answer still coming. (An unasked line halfway through
// the sensor's work on a request can shift the next answer out of a stretch
// that looks in step: no count of lines sees that.)
InTurnSensor::Handling addingLines(FuzzedDataProvider& in, const QByteArray& request, double quickest) {
    InTurnSensor::Handling handling{answerOf(request) + '\r', in.ConsumeFloatingPointInRange(quickest, 1.4 * quickest)};
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0: handling.answer = noise(in) + '\r'; break;                       // noise instead of the answer
    case 1: handling.answer.prepend(noise(in)); break;                       // stray bytes before it
    case 2: handling.answer = splitAnswer(answerOf(request), in); break;     // two lines
    default: break;
    }
    if (in.ConsumeBool())
        handling.unasked.append({in.ConsumeFloatingPointInRange(-handling.ms / 5, handling.ms), unaskedLine(in)});
    return handling;
}

void answersInTurn(FuzzedDataProvider& in, TestClock& clock, Spoils spoils) {
    FakeSerialControl line;
    line.echo = in.ConsumeBool();
    Options::Current().RetryCount = in.ConsumeIntegralInRange(1, 3);
    openLine(line, clock);
    // The line is never silent for as long as it takes the program to give
    // a try up while the sensor still owes an answer: each answer takes less,
    // and a request the sensor drops (a garbled one) takes it no time.
    const double longest = 0.9 * Ports::Line::LostAfterMs();
    const double quickest = spoils == Spoils::AddsLines ? answerTime(in, longest / 1.4) : 0;
    InTurnSensor sensor(line, [&in, spoils, longest, quickest](const QByteArray& request) {
        return spoils == Spoils::LosesLines ? losingLines(in, request, longest) : addingLines(in, request, quickest);
    });
    Taken taken;
    int nestedLeft = in.ConsumeIntegralInRange(0, 3);
    startNestedRequests(line, in, nestedLeft, QStringLiteral("NX"), &taken);
    for (int request = 0; request < 12 && in.remaining_bytes() > 0; ++request) {
        const QString key = QStringLiteral("K%1").arg(request);
        QString answer;
        if (in.ConsumeBool()) {
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand(key, answer, bytes);
        } else {
            Sensor::SetParameter(key, QStringLiteral("1"), std::nullopt, &answer);
        }
        taken.note(key, answer);
        // The user's pause between two edits, from none to a long one: the
        // window events waiting run, then nothing reads the line meanwhile.
        QCoreApplication::sendPostedEvents();
        clock.Sleep(in.ConsumeIntegralInRange(0, 3) * 400);
    }
    endNestedRequests(line);
    taken.checkOwnOutsideOutOfStep();
    line.respond = nullptr;
    Ports::ResetForTests();
}

// An answer of 1 to 300 bytes to a request whose prefix expects a length, or
// allows one at most, around the 201 bytes an answer array keeps: the count
// never passes what is kept, and the value is the answer's start.
void lengths(FuzzedDataProvider& in, TestClock& clock) {
    FakeSerialControl line;
    Options::Current().RetryCount = 1;
    openLine(line, clock);
    static const char* const prefixes[] = {"~1~", "~200~", "~201~", "~202~", "~255~", "^300^"};
    const QString command = QLatin1String(in.PickValueInArray(prefixes)) + QStringLiteral("K1");
    const QByteArray answer = QByteArray(in.ConsumeIntegralInRange(1, 300), 'a') + '\r';
    line.respond = [&answer](const QByteArray&) { return answer; };
    QString value;
    Ports::AnswerBytes bytes{};
    const int count = Sensor::SendCommand(command, value, bytes);
    const QString what = command + QStringLiteral(" against %1 bytes took %2").arg(answer.size() - 1).arg(count);
    FUZZ_CHECK(count <= Ports::AnswerSize, what);
    FUZZ_CHECK(value == QString::fromLatin1(answer.left(count)), what);
    line.respond = nullptr;
    Ports::ResetForTests();
}

void runInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TestClock clock;
    Options::ResetForTests();
    // The last byte picks the part. Odd values pick the sensor that loses
    // lines and 0 the framing, as they did before the other parts came, so
    // that inputs found then still go to the part they were found for.
    switch (in.ConsumeIntegral<quint8>() % 8) {
    case 0: framing(in, clock); break;
    case 2: lengths(in, clock); break;
    case 4:
    case 6: answersInTurn(in, clock, Spoils::AddsLines); break;
    default: answersInTurn(in, clock, Spoils::LosesLines); break;
    }
}

}  // namespace

// AddressSanitizer keeps the stack of each allocation for its reports, and
// a stack it has not seen before for good. Qt's libraries keep no frame
// pointers, so past their frames the quick unwinder reads on into whatever
// the stack holds: almost every allocation in Qt leaves a stack of its own,
// over a million in 30,000 runs, and the memory they take grows without
// end. The allocation and its caller make a stack that stays the same. The
// quarantine of freed memory need not hold more than a few thousand runs'
// worth either. To replay a finding with full stacks:
// ASAN_OPTIONS=malloc_context_size=30.
extern "C" const char* __asan_default_options() { return "malloc_context_size=2:quarantine_size_mb=64"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    linkThread().run([data, size] { runInput(data, size); });
    return 0;
}
