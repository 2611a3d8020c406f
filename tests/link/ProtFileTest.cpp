// The protocol-file recorder: which ticks write, the line templates, paging,
// starting and stopping, and the bytes that end up in the file.
#include "link/PollFixture.h"

#include "frame/Options.h"
#include "platform/FileWriting.h"
#include "support/ScriptedMessages.h"

#include <QFileInfo>
#include <QLocale>

namespace {

class ProtFileTest : public PollTest {
protected:
    void SetUp() override {
        PollTest::SetUp();
        readout.loaded = display.loaded = false;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Sensor::SetProtClock([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 3, 5)); });
        Sensor::SetStatusLine([this](const QString& text) { status = text; });
        prot() = Options::ProtFileSettings{0, {1, 1, 1, 1}, {"AD", "", ""}, windows.file("prot.out"), "", "%5", 60, true};
    }
    void TearDown() override {
        QLocale::setDefault(previousLocale);
        PollTest::TearDown();
    }

    static Options::ProtFileSettings& prot() { return Options::Current().Prot; }
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
    // Records the values, one a tick, and answers the file's lines.
    QList<QByteArray> record(const QList<QByteArray>& values) {
        EXPECT_TRUE(start());
        for (const QByteArray& value : values) tick(value);
        stop();
        return fileLines();
    }
    QList<QByteArray> fileLines() const {
        const QByteArray file = windows.read("prot.out");
        EXPECT_TRUE(file.isEmpty() || file.endsWith("\r\n"));
        QList<QByteArray> lines = file.split('\n');
        lines.removeLast();
        for (QByteArray& line : lines) line.chop(1);
        return lines;
    }

    const QLocale previousLocale;
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
    const OptionCase cases[] = {
        {"every 5th query writes at ticks 1, 5, 9", 0, 5,
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, {"1", "5", "9"}},
        {"10 mm: exactly 10 writes nothing, 11 writes", 3, 10, {"100", "110", "121", "110"}, {"100", "121", "110"}},
        {"5 %: 1040 after 1000 writes nothing, 1060 writes", 2, 5, {"1000", "1040", "1000", "1060"}, {"1000", "1060"}},
        {"5 % after 0: 0 is no change, any other value writes", 2, 5, {"0", "0", "5"}, {"0", "5"}},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        prot().ProtOutputOption = c.option;
        prot().ProtOutputValue[size_t(c.option)] = c.n;
        EXPECT_EQ(record(c.values), c.lines);
    }
}

TEST_F(ProtFileTest, ChannelsFollowChannelOnesDecision) {
    prot().ProtCommand = {"AD <Absolute Distance>", "SV <Status> x", "ad"};
    prot().ProtData = "%4=%5";
    prot().ProtOutputValue[0] = 3;
    answers["SV"] = "\xB5m \x82\r";   // Latin-1 and a status byte reach the file as they are
    ASSERT_TRUE(start());
    // Channels 1 and 3 take the poll's own "AD" answer; a tick without a
    // line asks no further channel.
    EXPECT_EQ(tick("1234"), (QStringList{"AD", "SV"}));
    EXPECT_EQ(trafficLines(), (QStringList{"W: AD<CR>", "R: 1234", "W: SV<CR>", QString::fromLatin1("R: \xB5m \x82")}));
    EXPECT_EQ(tick("1300"), QStringList{"AD"});
    EXPECT_EQ(tick("1400"), (QStringList{"AD", "SV"}));
    EXPECT_EQ(status, "File Logging (7)");
    stop();
    EXPECT_EQ(fileLines(), (QList<QByteArray>{"AD=1234", "SV=\xB5m \x82", "ad=1234", "AD=1400", "SV=\xB5m \x82", "ad=1400"}));

    prot().ProtCommand = {"AD", "", "SV"};   // the first empty channel ends the list
    EXPECT_EQ(record({"5"}), (QList<QByteArray>{"AD=5"}));
}

// A channel's answer split by a noise carriage return shifts the next answer:
// the line records it as no answer, not the part it got.
TEST_F(ProtFileTest, AChannelAnswerShiftedOnTheLineIsRecordedAsNone) {
    prot().ProtCommand = {"AD", "SV", ""};
    prot().ProtData = "%4=%5";
    answers["SV"] = "12\r34\r";
    EXPECT_EQ(record({"5"}), (QList<QByteArray>{"AD=5", "SV="}));
}

TEST_F(ProtFileTest, TemplatePlaceholders) {
    const std::pair<QString, QByteArray> cases[] = {
        {"%0|%1|%2|%3|%4|%5", "1|1|05.03.24|14:03:05|AD|1234"},
        {"50% of %", "50% of %"},   // not before a digit: the "%" stays
        {"%%5%05", "%123415"},
    };
    prot().ProtTitle = "T";
    for (const auto& [templ, line] : cases) {
        prot().ProtData = templ;
        EXPECT_EQ(record({"1234"}), (QList<QByteArray>{"T", "", line})) << templ.toStdString();
    }
}

TEST_F(ProtFileTest, FullPagesEndWithFormFeedAndTheTitleStartsTheNext) {
    struct PageCase {
        QString title;
        int lines;
        int ticks;
        QList<QByteArray> file;
    };
    const PageCase cases[] = {
        {"S%0 Z%1", 3, 5, {"S1 Z", "", "1:a", "2:a", "\f", "S2 Z", "", "1:a", "2:a", "\f", "S3 Z", "", "1:a"}},
        // One line a page with a title must still end.
        {"T%0", 1, 2, {"T1", "", "1:a", "\f", "T2", "", "1:a", "\f", "T3", ""}},
    };
    prot().ProtData = "%1:%5";
    for (const PageCase& c : cases) {
        prot().ProtTitle = c.title;
        prot().ProtLines = c.lines;
        EXPECT_EQ(record(QList<QByteArray>(c.ticks, "a")), c.file) << c.lines;
    }
}

TEST_F(ProtFileTest, StartOverwritesOrAppendsOnANewPage) {
    struct StartCase {
        std::optional<QByteArray> existing;
        bool overwrite;
        QByteArray file;
    };
    const StartCase cases[] = {
        {"old\r\n", true, "T\r\n\r\n7\r\n"},
        {"old\r\n", false, "old\r\n\f\r\nT\r\n\r\n7\r\n"},
        {std::nullopt, false, "T\r\n\r\n7\r\n"},
    };
    prot().ProtTitle = "T";
    for (const StartCase& c : cases) {
        QFile::remove(prot().ProtFileName);
        if (c.existing) windows.write("prot.out", *c.existing);
        prot().ProtOverwrite = c.overwrite;
        record({"7"});
        EXPECT_EQ(windows.read("prot.out"), c.file);
    }
}

TEST_F(ProtFileTest, StoppingWhileAChannelIsAskedWritesNoMore) {
    prot().ProtCommand = {"AD", "RD", ""};
    port.respond = [this](const QByteArray& request) {
        if (request == "RD") stop();   // the user stops while the sensor is asked
        return answers.value(request);
    };
    ASSERT_TRUE(start());
    tick("1");
    EXPECT_FALSE(Sensor::LoggingActive());
    EXPECT_EQ(fileLines(), QList<QByteArray>{"1"});
}

// A line that does not reach the disk stops the recording at once, whether
// it is the first (the title) or one further on.
TEST_F(ProtFileTest, AWriteErrorStopsTheRecording) {
    int stops = 0;
    Sensor::SetRecordingStopped([&stops] { ++stops; });
    prot().ProtTitle = "T";
    ScriptedMessages messages;
    const QString expected = "Die Datei <" + prot().ProtFileName + "> konnte nicht geschrieben werden.";
    for (const bool atStart : {true, false}) {
        SCOPED_TRACE(atStart ? "title" : "data line");
        if (!atStart) {
            ASSERT_TRUE(start());
            tick("1");
        }
        FileWriting::SetFlushFailureForTests([](const QString&) { return true; });
        if (atStart) EXPECT_FALSE(start());
        else tick("2");
        FileWriting::SetFlushFailureForTests({});

        EXPECT_FALSE(Sensor::LoggingActive());
        EXPECT_EQ(Sensor::PollCycleState().PollClients, 0);
        EXPECT_EQ(status, "");
        tick("3");   // nothing is written any more
        ASSERT_EQ(messages.count(), atStart ? 1 : 2);
        EXPECT_EQ(messages.shown().last().text, expected);
        EXPECT_EQ(stops, atStart ? 1 : 2);
    }
    EXPECT_EQ(fileLines().mid(0, 3), (QList<QByteArray>{"T", "", "1"}));
    EXPECT_FALSE(fileLines().contains("3"));
}

// A disk that fills up while a line is written takes only part of it. The
// file is cut back to its last whole line, so that it does not end in a line
// without its end, and an appended recording leaves the earlier one as it was.
TEST_F(ProtFileTest, APartlyWrittenLineIsCutOff) {
    struct TornCase {
        const char* name;
        bool overwrite;
        int failingPiece;   // counted from 1: title, its empty line, one piece a tick
        QByteArray file;
    };
    const TornCase cases[] = {
        {"the title", true, 1, ""},
        {"a data line", true, 4, "T\r\n\r\nZEILE: 1: 10\r\n"},
        {"the new page of an appended recording", false, 1, "old\r\n"},
    };
    ScriptedMessages messages;
    prot().ProtTitle = "T";
    prot().ProtData = "ZEILE: %1: %5";
    for (const TornCase& c : cases) {
        SCOPED_TRACE(c.name);
        windows.write("prot.out", "old\r\n");
        prot().ProtOverwrite = c.overwrite;
        int pieces = 0;
        FileWriting::SetFlushFailureForTests([&](const QString& path) {
            if (path != prot().ProtFileName || ++pieces != c.failingPiece) return false;
            QFile::resize(path, QFileInfo(path).size() - 2);   // the last two bytes did not fit
            return true;
        });
        if (start()) {
            tick("10");
            tick("20");
        }
        FileWriting::SetFlushFailureForTests({});
        EXPECT_FALSE(Sensor::LoggingActive());
        EXPECT_EQ(windows.read("prot.out"), c.file);
    }
}

}  // namespace
