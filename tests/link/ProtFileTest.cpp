// The protocol-file recorder: which ticks write, the line templates, paging,
// starting and stopping, and the bytes that end up in the file.
#include "link/PollFixture.h"

#include "frame/Options.h"
#include "support/ScriptedMessages.h"

#include <QLocale>

namespace {

class ProtFileTest : public PollTest {
protected:
    void SetUp() override {
        PollTest::SetUp();
        readout.loaded = false;
        display.loaded = false;
        previousLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Sensor::SetProtClock([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 3, 5)); });
        Sensor::SetStatusLine([this](const QString& text) { status = text; });
        prot().ProtFileName = fileName();
        prot().ProtTitle = "";
        prot().ProtData = "%5";
        prot().ProtLines = 60;
        prot().ProtOverwrite = true;
        prot().ProtCommand = {"AD", "", ""};
        prot().ProtOutputOption = 0;
        prot().ProtOutputValue = {1, 1, 1, 1};
    }

    void TearDown() override {
        QLocale::setDefault(previousLocale);
        PollTest::TearDown();
    }

    static Options::ProtFileSettings& prot() { return Options::Current().Prot; }
    QString fileName() const { return windows.file("prot.out"); }

    bool start() {
        bool on = true;
        Sensor::StartProtFile(on);
        return on;
    }
    void stop() {
        bool off = false;
        Sensor::StartProtFile(off);
    }
    // One poll cycle in which the sensor measures value.
    QStringList tick(const QByteArray& value) {
        answers["AD"] = value + "\r";
        return poll();
    }
    // Records the values, one per tick, and answers the file's lines.
    QList<QByteArray> record(const QList<QByteArray>& values) {
        EXPECT_TRUE(start());
        for (const QByteArray& value : values) tick(value);
        stop();
        return fileLines();
    }
    QList<QByteArray> fileLines() const {
        QList<QByteArray> lines = windows.read("prot.out").split('\n');
        EXPECT_TRUE(lines.takeLast().isEmpty());   // every line ends with CR LF
        for (QByteArray& line : lines) {
            EXPECT_TRUE(line.endsWith('\r'));
            line.chop(1);
        }
        return lines;
    }

    QLocale previousLocale;
    QString status;
};

TEST_F(ProtFileTest, OutputOptionDecidesWhichTicksWrite) {
    struct OptionCase {
        const char* name;
        int option;
        int n;
        QList<QByteArray> values;
        QList<QByteArray> lines;
    };
    const QList<QByteArray> twelve = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    const OptionCase cases[] = {
        {"every 5th query writes at ticks 1, 5, 9", 0, 5, twelve, {"1", "5", "9"}},
        {"N = 2 writes every tick", 0, 2, {"1", "2", "3"}, {"1", "2", "3"}},
        {"N = 1 writes every tick", 0, 1, {"1", "2", "3"}, {"1", "2", "3"}},
        {"tenths of a second count ticks too", 1, 3, {"1", "2", "3", "4", "5"}, {"1", "3", "5"}},
        {"10 mm: exactly 10 writes nothing, 11 writes", 3, 10, {"100", "110", "121", "111"}, {"100", "121"}},
        {"10 mm downwards alike", 3, 10, {"100", "89"}, {"100", "89"}},
        {"5 %: 1040 after 1000 writes nothing, 1060 writes", 2, 5, {"1000", "1040", "1000", "1060"}, {"1000", "1060"}},
        {"5 % after 0: 0 is no change, any other value writes", 2, 5, {"0", "0", "5", "5"}, {"0", "5"}},
        {"5 % from a negative value", 2, 5, {"-100", "-106"}, {"-100", "-106"}},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        prot().ProtOutputOption = c.option;
        prot().ProtOutputValue[size_t(c.option)] = c.n;
        EXPECT_EQ(record(c.values), c.lines);
    }
}

TEST_F(ProtFileTest, ChannelsFollowChannelOnesDecision) {
    prot().ProtCommand = {"AD <Absolute Distance>", "RD <Relative Distance> x", "ad"};
    prot().ProtData = "%4=%5";
    prot().ProtOutputValue[0] = 3;
    answers["RD"] = "77\r";
    ASSERT_TRUE(start());
    // Channel 1 and 3 take the poll's own "AD" answer; only RD is sent.
    EXPECT_EQ(tick("1234"), (QStringList{"AD", "RD"}));
    EXPECT_EQ(status, "File Logging (3)");
    // A tick without a line asks no further channel.
    EXPECT_EQ(tick("1300"), QStringList{"AD"});
    EXPECT_EQ(status, "File Logging (3)");
    EXPECT_EQ(tick("1400"), (QStringList{"AD", "RD"}));
    EXPECT_EQ(status, "File Logging (7)");
    stop();
    EXPECT_EQ(fileLines(), (QList<QByteArray>{"AD=1234", "RD=77", "ad=1234", "AD=1400", "RD=77", "ad=1400"}));

    // The first empty channel ends the list.
    prot().ProtCommand = {"AD", "", "RD"};
    EXPECT_EQ(record({"5"}), (QList<QByteArray>{"AD=5"}));
    EXPECT_EQ(requests(), QStringList{"AD"});
}

TEST_F(ProtFileTest, TemplatePlaceholders) {
    const std::pair<QString, QByteArray> cases[] = {
        {"%0|%1|%2|%3|%4|%5", "1|1|05.03.24|14:03:05|AD|1234"},
        {"ZEILE: %1: %4,%5", "ZEILE: 1: AD,1234"},
        {"%9 %6", "9 6"},               // another digit: the "%" goes, the digit stays
        {"50% of %", "50% of %"},        // not before a digit: the "%" stays
        {"%%5", "%1234"},
        {"%05", "15"},
        {"", ""},
    };
    prot().ProtTitle = "T";
    for (const auto& [templ, line] : cases) {
        SCOPED_TRACE(templ.toStdString());
        prot().ProtData = templ;
        EXPECT_EQ(record({"1234"}), (QList<QByteArray>{"T", "", line}));
    }
}

TEST_F(ProtFileTest, FullPagesEndWithFormFeedAndTheTitleStartsTheNext) {
    struct PageCase {
        const char* name;
        QString title;
        int lines;
        int ticks;
        QList<QByteArray> file;
    };
    const PageCase cases[] = {
        {"three lines a page, the title is line 1", "S%0 Z%1", 3, 5,
         {"S1 Z", "", "1:a", "2:a", "\f", "S2 Z", "", "1:a", "2:a", "\f", "S3 Z", "", "1:a"}},
        {"without a title", "  ", 2, 4, {":a", "1:a", "\f", ":a", "1:a", "\f"}},
        {"one line a page with a title still ends", "T%0", 1, 2, {"T1", "", "1:a", "\f", "T2", "", "1:a", "\f", "T3", ""}},
        {"no lines a page", "", 0, 2, {":a", "\f", ":a", "\f"}},
    };
    prot().ProtData = "%1:%5";
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        prot().ProtTitle = c.title;
        prot().ProtLines = c.lines;
        EXPECT_EQ(record(QList<QByteArray>(c.ticks, "a")), c.file);
    }
}

TEST_F(ProtFileTest, StartOverwritesOrAppendsOnANewPage) {
    struct StartCase {
        const char* name;
        std::optional<QByteArray> existing;
        bool overwrite;
        QByteArray file;
    };
    const StartCase cases[] = {
        {"overwrite", "old\r\n", true, "T\r\n\r\n7\r\n"},
        {"append to data", "old\r\n", false, "old\r\n\f\r\nT\r\n\r\n7\r\n"},
        {"append to an empty file", "", false, "T\r\n\r\n7\r\n"},
        {"append to no file", std::nullopt, false, "T\r\n\r\n7\r\n"},
    };
    prot().ProtTitle = "T";
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(fileName());
        if (c.existing) windows.write("prot.out", *c.existing);
        prot().ProtOverwrite = c.overwrite;
        record({"7"});
        EXPECT_EQ(windows.read("prot.out"), c.file);
    }
}

TEST_F(ProtFileTest, FailedStartShowsMessage4AndKeepsThePollClients) {
    int timerRuns = -1;
    Sensor::SetPollTimerSwitch([&timerRuns](bool run) { timerRuns = run; });
    Sensor::SetPolling(true);   // the display window
    prot().ProtFileName = windows.file("missing/prot.out");
    ScriptedMessages messages;
    EXPECT_FALSE(start());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.shown()[0].text, "Fehler beim öffnen der Protokolldatei!");
    EXPECT_FALSE(Sensor::LoggingActive());
    EXPECT_EQ(Sensor::PollCycleState().PollClients, 1);

    // Stopping with nothing recording (the main window closing) takes no client away.
    stop();
    EXPECT_EQ(Sensor::PollCycleState().PollClients, 1);
    EXPECT_EQ(timerRuns, 1);

    prot().ProtFileName = fileName();
    EXPECT_TRUE(start());
    EXPECT_TRUE(start());   // already recording: nothing changes
    EXPECT_EQ(Sensor::PollCycleState().PollClients, 2);
    stop();
    EXPECT_EQ(Sensor::PollCycleState().PollClients, 1);
    EXPECT_EQ(messages.count(), 1);
}

TEST_F(ProtFileTest, AnswersKeepTheirBytes) {
    prot().ProtCommand = {"AD", "SV", ""};
    answers["SV"] = "\xB5m \x82\r";
    EXPECT_EQ(record({"1"}), (QList<QByteArray>{"1", "\xB5m \x82"}));
}

TEST_F(ProtFileTest, StoppingWhileAChannelIsAskedWritesNoMore) {
    prot().ProtCommand = {"AD", "RD", ""};
    port.respond = [this](const QByteArray& request) -> QByteArray {
        if (request == "RD") stop();   // the user stops while the sensor is asked
        return answers.value(request);
    };
    answers["RD"] = "77\r";
    ASSERT_TRUE(start());
    tick("1");
    tick("2");
    EXPECT_FALSE(Sensor::LoggingActive());
    EXPECT_EQ(fileLines(), QList<QByteArray>{"1"});
    EXPECT_EQ(Sensor::PollCycleState().PollClients, 0);
}

}  // namespace
