// The echoing QF8200 line, the whole program through its main loop against
// the simulated sensor: the user's input waits while a request line is partly
// out and then goes out behind it, and closing the program never leaves the
// sensor holding a line cut short.
#include "e2e/MainWindowE2E.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/MainModule.h"
#include "frame/TempProgramFolder.h"
#include "link/ParamRec.h"
#include "link/PollCycle.h"
#include "link/Ports.h"
#include "platform/ProfileString.h"
#include "support/WindowSystemInput.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// A switch-output sensor with software 2 has 33 memory cells.
constexpr qsizetype AllCells = 33;

class EchoLineE2E : public MainWindowE2E {
protected:
    void SetUp() override {
        MainWindowE2E::SetUp();
        if (IsSkipped()) return;
        RegisterQF8200EchoEditor();
        // The main loop polls as the program's does.
        Sensor::ResetPollCycleForTests();
        Sensor::InstallPollCycle();
        // Input rules of its own, so that no notice of missing rules shows.
        program.write("VALIDATE.CFG", "[frmQF8200Echo]\r\nSD1=DEFAULT=100..6000\r\n");
        ProfileString::ForgetCachedFiles();
        Sensor::ResetValidateNoticeForTests();
    }

    void TearDown() override {
        MainWindowE2E::TearDown();
        Sensor::ResetPollCycleForTests();
        MainModule::ResetForTests();
    }

    // Runs the program; `user` runs every millisecond meanwhile, in the
    // program's waits too, as a timer does.
    int runWithUser(const std::function<void()>& user) {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, user);
        timer.start(1);
        return runProgram();
    }

    // The memory cells read among these requests.
    static qsizetype cellsRead(const QStringList& requests) {
        const QStringList reads = requests.filter(QRegularExpression("^RM,"));
        return QSet<QString>(reads.begin(), reads.end()).size();
    }

    // The toolbar button "Sensordaten lesen".
    QWidget* readButton() const {
        for (QToolButton* button : window->findChildren<QToolButton*>("btToolbar"))
            if (button->defaultAction() == window->ToolbarButtons[3].Control) return button;
        return nullptr;
    }

    TempProgramFolder program;
};

// Shows the page of the editor's tabs that holds the box and gives the box
// the focus with its text selected, as the user's click into it does.
void focusBox(frmQF8200Echo* editor, QLineEdit* box) {
    for (int page = 0; page < editor->tabData->count(); ++page)
        if (editor->tabData->widget(page)->isAncestorOf(box)) editor->tabData->setCurrentIndex(page);
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
}

// The distance windows poll, and the sensor answers the distance request with
// a status byte: every poll runs through its retries and the fallback round
// that pauses after every byte, so a poll's request line is partly out most of
// the time. An edit and "Sensor lesen" that the user gives in those pauses go
// out whole and get their own answers; no message box says otherwise.
TEST_F(EchoLineE2E, AnEditAndAReadGoOutWhileAStatusByteAnswersThePoll) {
    // A shorter echo wait keeps the fallback rounds short.
    ASSERT_NO_FATAL_FAILURE(startSensor({"--status", "AD=82"}, "qf8200echo", "EchoTimeout=100\r\n"));
    const QString blindRange250 = "WM,WXE13,00FA";
    enum class Step { Polling, Edited, Reading, Done };
    Step step = Step::Polling;
    qsizetype readFrom = -1;
    QElapsedTimer running;
    running.start();

    runWithUser([&] {
        if (!window || !window->isVisible()) return;
        const QStringList requests = sim->requests();
        auto* editor = dynamic_cast<frmQF8200Echo*>(Sensor::State().SensorForm);
        const bool inPollsPause = Ports::State().EchoLineOpen && Ports::EchoWaitAlways();
        if (step == Step::Polling && inPollsPause && editor && window->isActiveWindow()) {
            focusBox(editor, editor->txtBlindrange);
            WindowSystemInput::KeyClicks(editor->txtBlindrange, "250");
            WindowSystemInput::KeyClick(editor->txtBlindrange, Qt::Key_Return);
            step = Step::Edited;
        } else if (step == Step::Edited && inPollsPause && requests.contains(blindRange250)) {
            QWidget* read = readButton();
            ASSERT_NE(read, nullptr);
            readFrom = requests.size();
            WindowSystemInput::Click(read);
            step = Step::Reading;
        } else if (step == Step::Reading && cellsRead(requests.mid(readFrom)) == AllCells) {
            step = Step::Done;
        }
        if (step == Step::Done || running.hasExpired(20'000)) window->close();
    });

    const QStringList requests = sim->requests();
    EXPECT_EQ(step, Step::Done) << qPrintable(requests.join(' '));
    EXPECT_TRUE(requests.contains(blindRange250));
    EXPECT_EQ(boxes.count(), 0) << qPrintable(boxes.count() ? boxes.shown().first().text : QString());
    // Every request reached the sensor whole: none broke into another.
    static const QRegularExpression whole("^(|AD|ID|VER|DAT|RM,W?XE[0-9A-F]{1,2}|WM,W?XE[0-9A-F]{1,2},[0-9A-F]+)$");
    for (const QString& request : requests) EXPECT_TRUE(whole.match(request).hasMatch()) << qPrintable(request);
}

struct CloseMoment {
    qsizetype requests;   // of the write, already in the sensor's log
    int msLater;          // then, at the first moment a request line is partly out
};
void PrintTo(const CloseMoment& m, std::ostream* os) { *os << m.requests << " requests + " << m.msLater << " ms"; }

class ClosingDuringAFullWrite : public EchoLineE2E, public testing::WithParamInterface<CloseMoment> {};

// The main window closed while "Sensor schreiben" writes every cell, with a
// request line partly out: that line still reaches the sensor whole (a cut
// one, completed by the next start's first carriage return, would be taken
// for a value), and the program ends within half a second of the close.
TEST_P(ClosingDuringAFullWrite, LeavesNoLineCutAndEndsAtOnce) {
    const CloseMoment moment = GetParam();
    // Nothing polls: only the write is on the line.
    ASSERT_NO_FATAL_FAILURE(startSensor({"--baud", "9600"}, "qf8200echo", "Distance=Hide\r\nShowItWnd=Hide\r\n"));
    qsizetype writeFrom = -1;
    QElapsedTimer clock;
    clock.start();
    qint64 reachedAt = -1;
    qint64 closedAt = -1;

    const int code = runWithUser([&] {
        if (!window || !window->isVisible() || closedAt >= 0) return;
        if (writeFrom < 0) {
            QAction* write = window->MenuItem("mnSensWrite");
            if (!write->isEnabled()) return;
            writeFrom = sim->requests().size();
            // Chosen from the menu, between two passes of the main loop.
            QTimer::singleShot(0, window, [write] { write->trigger(); });
        } else if (reachedAt < 0) {
            if (sim->requests().size() - writeFrom >= moment.requests) reachedAt = clock.elapsed();
        } else if (clock.elapsed() - reachedAt >= moment.msLater && Ports::State().EchoLineOpen) {
            closedAt = clock.elapsed();
            window->close();
        }
    });
    const qint64 endedAt = clock.elapsed();

    EXPECT_EQ(code, 0);
    ASSERT_GE(closedAt, 0) << "the write ended before the moment came";
    EXPECT_LT(endedAt - closedAt, 500);
    // The simulator logs a line cut short as it ends.
    sim->stop();
    const QStringList requests = sim->requests();
    EXPECT_TRUE(requests.filter(QRegularExpression("^\\(cut\\)")).isEmpty())
        << qPrintable(requests.mid(writeFrom).join(' '));
}

INSTANTIATE_TEST_SUITE_P(SeveralMoments, ClosingDuringAFullWrite,
                         testing::Values(CloseMoment{1, 0}, CloseMoment{2, 5}, CloseMoment{3, 11},
                                         CloseMoment{6, 3}, CloseMoment{9, 17}, CloseMoment{14, 8}));

}  // namespace
