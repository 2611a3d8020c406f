#include "support/FakeSerialControl.h"
#include "TestEditor.h"
#include "editors/common/DisplayWindowLink.h"
#include "frame/SettingsServices.h"
#include "link/DisplayWindows.h"
#include "link/PollCycle.h"
#include "link/Ports.h"
#include "link/SensorEditor.h"
#include "link/SensorState.h"
#include "mainwin/DisplayReadouts.h"
#include "mainwin/LedShape.h"
#include "mainwin/LiveWindows.h"
#include "mainwin/ScaleView.h"
#include "mainwin/frmDistance.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmShowIt.h"
#include "frame/TempProgramFolder.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QMdiArea>

#include <limits>

using namespace DisplayReadouts;

namespace {

// ---------------------------------------------------------------------------
// What the display makes of the poll values, without a window.

TEST(DisplayReadouts, OutputLedFollowsStateModeAndErrorMode) {
    const struct {
        int state;
        const char* mode;
        int errorMode;
        Led led;
    } cases[] = {
        {Inactive, "0", 0, Led::Off},    {Inactive, "1", 0, Led::Yellow}, {Active, "0", 0, Led::Yellow},
        {Active, "3", 0, Led::Off},      {Error, "0", -1, Led::Red},      {Error, "0", 1, Led::Yellow},
        {Error, "1", 1, Led::Off},       {Error, "0", 2, Led::Off},       {Error, "1", 2, Led::Yellow},
        {Error, "0", 0, Led::Unchanged}, {NoAnswer, "1", -1, Led::Off},
        // "I" switches the output off: inactive whatever the sensor says.
        {Inactive, "I", 0, Led::Off},    {Error, "I", -1, Led::Off},
        // Modes are texts of the editor, read by their number.
        {Active, "", 0, Led::Yellow},    {Active, "1,5", 0, Led::Off},
    };
    for (const auto& c : cases) {
        const SwitchMode mode = ReadSwitchMode(QLatin1String(c.mode));
        EXPECT_EQ(OutputLed(mode.inactive ? Inactive : c.state, mode.mode, c.errorMode), c.led)
            << c.state << " mode " << c.mode << " error " << c.errorMode;
    }
    // The answer to "SS3".
    const std::pair<const char*, int> answers[] = {{"0", Inactive}, {"1", Active},    {"E", Error},
                                                   {"", NoAnswer},  {"e", NoAnswer}, {"1 ", NoAnswer},
                                                   {"\x82", NoAnswer}};
    for (const auto& [answer, state] : answers)
        EXPECT_EQ(OutputStateFromAnswer(QLatin1String(answer)), state) << answer;
}

// A mode text beyond the integer range is read as its nearest end, as the
// poll values are, so that no sensor or file text can break the conversion;
// only mode 0 or not matters, and a number beyond an int still is not 0.
TEST(DisplayReadouts, SwitchModeNumbersKeepToTheIntegerRange) {
    const std::pair<const char*, int> modes[] = {
        {"22222222222", std::numeric_limits<int>::max()}, {"-22222222222", std::numeric_limits<int>::min()},
        {"2.7", 2}, {"-1.5", -1}, {"1e308", std::numeric_limits<int>::max()},
        {"-1e308", std::numeric_limits<int>::min()},
    };
    for (const auto& [text, mode] : modes) EXPECT_EQ(ReadSwitchMode(QLatin1String(text)).mode, mode) << text;
}

TEST(DisplayReadouts, AnalogueOutput) {
    QLocale::setDefault(QLocale::c());
    const struct {
        const char* name;
        long analog;
        long low, high;
        int kind;
        bool fault;
        int faultCurrent;
        const char* milliamps;
        const char* volts;
    } cases[] = {
        {"middle", 600, 100, 1100, Standard, false, -1, "12.00", "6.00"},
        {"middle, echo sensor", 600, 100, 1100, Echo, false, -1, "12.00", "5.00"},
        {"below the range, echo sensor", 50, 100, 1100, Echo, false, -1, "4.00", "0.00"},
        {"above the range", 5000, 100, 1100, Standard, false, -1, "20.00", "10.00"},
        {"rounded", 101, 100, 1100, Standard, false, -1, "4.02", "2.01"},
        {"empty range at its value", 100, 100, 100, Standard, false, -1, "4.00", "2.00"},
        {"falling range beyond its low end", 1200, 1100, 100, Standard, false, -1, "4.00", "2.00"},
        {"fault current", 600, 100, 1100, Standard, true, 220, "22.00", "11.00"},
        {"fault current on the echo sensor", 600, 100, 1100, Echo, true, 36, "3.60", "1.80"},
        {"no fault current", 600, 100, 1100, Standard, true, -1, "12.00", "6.00"},
    };
    for (const auto& c : cases) {
        const AnalogOutput out = AnalogFor(c.analog, {c.low, c.high, c.faultCurrent}, c.kind, c.fault);
        EXPECT_EQ(FormatAnalog(out.milliamps), c.milliamps) << c.name;
        EXPECT_EQ(FormatAnalog(out.volts), c.volts) << c.name;
    }
}

// ---------------------------------------------------------------------------
// The windows on a scripted sensor line, with an editor that answers items.

class LiveWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        Options::ResetServicesForTests();
        Sensor::ResetStateForTests();
        Sensor::ResetPollCycleForTests();
        Ports::ResetForTests();
        Ports::InitPort(&line, nullptr);
        QString port = QStringLiteral("COM1");
        Ports::SetPort(port);
        Ports::SetTimeout(5);
        line.respond = [this](const QByteArray& request) { return answers.value(request); };
        LiveWindows::ConnectLinks();
        Sensor::State().SensorForm = &editor;
        Sensor::State().SensorFormName = editor.name();
        editor.items = {{SensorInfoItem::Output1Mode, "0"}, {SensorInfoItem::Output2Mode, "0"},
                        {SensorInfoItem::Output3Mode, "0"}, {SensorInfoItem::AnalogLow, 100},
                        {SensorInfoItem::AnalogHigh, "1100"}};
        area.resize(900, 500);
        area.show();
    }

    void TearDown() override {
        closeAll();
        LiveWindows::Disconnect();
        Sensor::ResetPollCycleForTests();
        Sensor::ResetStateForTests();
        Ports::ResetForTests();
        Options::ResetServicesForTests();
    }

    frmShowIt* openShowIt(const char* type, int range = 3000) {
        Sensor::State().SensorType = QLatin1String(type);
        Sensor::State().SensorRange = range;
        LiveWindows::ShowShowIt(&area);
        return LiveWindows::ShowItWindow();
    }

    static void close(QWidget* window) {
        window->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void closeAll() {
        if (frmShowIt* w = LiveWindows::ShowItWindow()) close(w);
        if (frmDistance* w = LiveWindows::DistanceWindow()) close(w);
    }

    QColor off(const frmShowIt* w) const { return w->palette().window().color(); }

    TempWindowsFolder folder;
    FakeSerialControl line;
    QMap<QByteArray, QByteArray> answers;
    TestEditor editor{"frmQF8200"};
    QMdiArea area;
};

// The RDX line asks "SS3" and "ISS" itself; the sensor, S3 and ISS LEDs keep
// their colour through five silent polls, the outputs go dark at once.
TEST_F(LiveWindowTest, RdxLineAsksOutput3AndInclinationItselfAndSilenceDimsTheLeds) {
    frmShowIt* w = openShowIt("K58");
    answers = {{"SS3", "1\r"}, {"ISS", "1\r"}};
    const qsizetype before = line.requests.size();
    w->SetState(Inactive, NoAnswer);   // one output answering is an answer
    EXPECT_EQ(w->circSensorRDX->FillColor(), Green);
    EXPECT_EQ(line.requestsSince(before), QList<QByteArray>({"SS3", "ISS"}));
    EXPECT_EQ(w->circS3RDX->FillColor(), Yellow);
    EXPECT_EQ(w->circISS->FillColor(), Red);

    // "I" on output 3 only counts as mode 0: the LED still follows the answer.
    editor.items[SensorInfoItem::Output3Mode] = "I";
    w->SetState(Inactive, Inactive);
    EXPECT_EQ(w->circS3RDX->FillColor(), Yellow);

    // The sensor falls silent: S3 goes dark at once and its LED goes away
    // from the sixth poll on; ISS keeps its colour for five polls.
    answers.clear();
    for (int poll = 1; poll <= 5; ++poll) {
        w->SetState(NoAnswer, NoAnswer);
        EXPECT_EQ(w->circS3RDX->FillColor(), off(w)) << poll;
        EXPECT_EQ(w->circS1RDX->FillColor(), off(w)) << poll;
        EXPECT_FALSE(w->picS3->isHidden()) << poll;
        EXPECT_EQ(w->circISS->FillColor(), Red) << poll;
        EXPECT_EQ(w->circSensorRDX->FillColor(), Green) << poll;
    }
    w->SetState(NoAnswer, NoAnswer);
    EXPECT_TRUE(w->picS3->isHidden());
    EXPECT_EQ(w->circISS->FillColor(), off(w));
    EXPECT_EQ(w->circSensorRDX->FillColor(), off(w));

    // One answer each brings them back, once the line has rested.
    Ports::State().Account.ForgetLost(1e300, 0);
    answers = {{"SS3", "E\r"}, {"ISS", "0\r"}};
    Editors::ShowIt().SetErrorMode(3, -1);
    w->SetState(Inactive, Inactive);
    EXPECT_FALSE(w->picS3->isHidden());
    EXPECT_EQ(w->circS3RDX->FillColor(), Red);
    EXPECT_EQ(w->circISS->FillColor(), off(w));
}

// The readout opens readable without a place of its own, and its font is
// the largest at which "0000mm" fits, never below 1.
TEST_F(LiveWindowTest, DistanceReadoutOpensReadableAndFitsItsFont) {
    TempProgramFolder program;   // no default places: the window makes its own
    LiveWindows::ShowDistance(&area);
    frmDistance* w = LiveWindows::DistanceWindow();
    ASSERT_NE(w, nullptr);
    const QFontMetrics readout(w->lblDis->font());
    EXPECT_GE(readout.height(), 3 * w->fontMetrics().height());
    EXPECT_LE(readout.horizontalAdvance("0000mm"), w->width());
    EXPECT_LE(w->lblDis->geometry().bottom(), w->height());
    const auto threePerPixel = [](int size) { return 3.0 * size; };
    const struct {
        const char* name;
        int width, height;
        std::function<double(int)> textWidth;
        std::optional<int> size;
    } cases[] = {
        {"fits at once", 300, 50, threePerPixel, 44},
        {"one step down", 100, 50, threePerPixel, 33},   // 44 * 100 / 132 = 33.3
        {"rounded width", 100, 40, [](int size) { return 3.0 * size + 0.4; }, 33},
        // The estimate would not shrink: one size at a time, down to 1.
        {"never fits", 100, 56, [](int) { return 101.0; }, 1},
        {"tiny window", 2, 20, threePerPixel, 1},
        {"too low", 300, 6, threePerPixel, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(frmDistance::FitFontSize(c.width, c.height, c.textWidth), c.size) << c.name;
}

// Both windows show what the sensor reported, in turn; a sensor that did not
// answer gives no reading, which no window shows as a target at 0 mm, nor as
// an analogue output at its low end.
TEST_F(LiveWindowTest, DistanceTexts) {
    frmShowIt* display = openShowIt("KR");
    LiveWindows::ShowDistance(&area);
    frmDistance* readout = LiveWindows::DistanceWindow();
    ASSERT_NE(display, nullptr);
    ASSERT_NE(readout, nullptr);
    struct Case {
        std::optional<long> distance;
        const char* readoutText;
        QColor colour;
        const char* scaleText;
        const char* milliamps;
        const char* volts;
    } const cases[] = {
        {1234, "1234mm", Black, "1234mm", "12.00", "6.00"},
        {std::nullopt, "---", Black, "", "---", "---"},
        {-1, "ERROR", Red, "ERROR", "12.00", "6.00"},
        {0, "0mm", Black, "0mm", "12.00", "6.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.readoutText);
        readout->SetDistance(c.distance);
        display->SetDistance(c.distance, 600, false);
        EXPECT_EQ(readout->lblDis->text(), c.readoutText);
        EXPECT_EQ(readout->lblDis->palette().color(QPalette::WindowText), c.colour);
        EXPECT_EQ(display->picDis->BarText() + display->picDis->RightText(), c.scaleText);
        EXPECT_EQ(display->lblAmp->text(), c.milliamps);
        EXPECT_EQ(display->lblVolt->text(), c.volts);
    }
}

// The program's wiring: the window menu opens the windows, each open window
// is one poll client, the poll cycle feeds them and detection re-initialises
// the display for the sensor found.
TEST_F(LiveWindowTest, MainWindowMenuPollCycleAndDetection) {
    frmMain main;
    LiveWindows::Connect(main);
    bool timerRuns = false;
    Sensor::SetPollTimerSwitch([&timerRuns](bool run) { timerRuns = run; });
    const auto clients = [] { return Sensor::PollCycleState().PollClients; };
    Sensor::State().SensorType = "KR";
    Sensor::State().SensorRange = 3000;
    Sensor::State().SensorLine = "0";
    main.MenuItem("mnShowIt")->trigger();
    EXPECT_EQ(clients(), 1);
    EXPECT_TRUE(timerRuns);
    LiveWindows::ShowShowIt(main.MdiArea());   // already open: no second client
    main.MenuItem("mnDistance")->trigger();
    EXPECT_EQ(clients(), 2);
    frmShowIt* display = LiveWindows::ShowItWindow();
    frmDistance* readout = LiveWindows::DistanceWindow();
    ASSERT_NE(display, nullptr);
    ASSERT_NE(readout, nullptr);
    EXPECT_EQ(display->parentWidget()->parentWidget()->parentWidget(), main.MdiArea());
    EXPECT_TRUE(main.DisplayWindowLoaded());
    EXPECT_TRUE(main.MenuItem("mnShowIt")->isChecked());

    answers = {{"AD", "1234\r"}, {"SS1", "1\r"}, {"SS2", "0\r"}};
    Sensor::PollSensor();
    EXPECT_EQ(readout->lblDis->text(), "1234mm");
    EXPECT_EQ(display->circSensorStandard->FillColor(), Green);
    EXPECT_EQ(display->circS1Standard->FillColor(), Yellow);

    // "62HN" always wins, "KR" is tested before "K58"; the kind sets the
    // display's LEDs and its analogue scale.
    for (const auto& [type, kind] : {std::pair{"62HN KR K58", Echo}, {"xxKRxxK58", Standard}, {"K58 RDX", Rdx}}) {
        Sensor::State().SensorType = type;
        main.InitDisplayWindow();
        EXPECT_EQ(display->SensorKind, kind) << type;
    }

    close(display);
    EXPECT_EQ(clients(), 1);
    EXPECT_FALSE(Sensor::SwitchDisplay().Loaded());
    close(readout);
    EXPECT_EQ(clients(), 0);
    EXPECT_FALSE(timerRuns);
    EXPECT_FALSE(main.MenuItem("mnShowIt")->isChecked());
    EXPECT_FALSE(main.MenuItem("mnDistance")->isChecked());
}

}  // namespace
