#include "MainWindowFixture.h"
#include "link/TrafficLog.h"
#include "mainwin/CommandHistory.h"
#include "mainwin/CommandWindow.h"
#include "mainwin/frmCommand.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

namespace {

QString latin1(const char* bytes) { return QString::fromLatin1(bytes); }

// An editor that shapes typed commands and records what it is told.
class CommandEditor : public TestEditor {
public:
    CommandEditor() : TestEditor("frmQF8200") {}
    QString sendAs;
    bool logRequest = true;
    QStringList convertedFor, interpreted;

    QString GetSendCommand(QString& command, bool& flag) override {
        flag = logRequest;
        return sendAs.isEmpty() ? command : sendAs;
    }
    QString ConvertResult(QString& command, QString& answer) override {
        convertedFor << command;
        return answer + " mm";
    }
    void InterpretCommand(QString& word) override { interpreted << word; }
};

class CommandSend : public ::testing::Test {
protected:
    void SetUp() override {
        Options::ResetForTests();
        Options::Current().RetryCount = 1;
        Options::Current().CommandUpper = true;
        Sensor::ResetStateForTests();
        Ports::ResetForTests();
        Ports::InitPort(&line, nullptr);
        QString name = "COM1";
        Ports::SetPort(name);
        Ports::SetTimeout(20);
        line.respond = [this](const QByteArray&) { return answer; };
        TrafficLog::SetSink([this](const TrafficLogLine& l) { traffic.append(l.Prefix + l.Text); });
        area.show();
        window = new frmCommand(&area, history);
    }
    void TearDown() override {
        TrafficLog::SetSink({});
        delete window.data();
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        Options::ResetForTests();
    }
    void useEditor() {
        Sensor::State().SensorForm = &editor;
        Sensor::State().SensorFormName = editor.name();
    }
    void send(const QString& typed) {
        window->cmbCommand->setEditText(typed);
        window->btSend->click();
    }

    TempWindowsFolder windir;
    ScriptedMessages messages;
    FakeSerialControl line;
    QByteArray answer = "\x80\r";
    QStringList traffic;
    CommandEditor editor;
    CommandHistory history;
    QMdiArea area;
    QPointer<frmCommand> window;
};

TEST_F(CommandSend, WhatGoesOnTheWire) {
    const struct {
        QString typed;
        bool upper;
        QList<QByteArray> requests;
        QStringList entries;
    } cases[] = {
        {"id", true, {"ID"}, {"id"}},
        {"id", false, {"id"}, {"id"}},
        {" sd1,500 ", true, {" SD1,500 "}, {"sd1,500"}},
        {"", true, {}, {}},
        {"   ", true, {"   "}, {}},
        {"#kv", false, {"#kv"}, {"#kv"}},   // only the exact "#KV" is special
        {"#KV ", true, {"#KV "}, {"#KV"}},
        {latin1("gr\xFC\xDF"), true, {"GR\xDC\xDF"}, {latin1("gr\xFC\xDF")}},   // not "GRÜSSE"
        {latin1("\xFF\xB5"), true, {"\xFF\xB5"}, {latin1("\xFF\xB5")}},           // capitals beyond Latin-1
    };
    for (const auto& c : cases) {
        history = CommandHistory();
        line.requests.clear();
        Options::Current().CommandUpper = c.upper;
        send(c.typed);
        EXPECT_EQ(line.requests, c.requests) << c.typed.toStdString();
        EXPECT_EQ(history.Entries(), c.entries) << c.typed.toStdString();
    }
}

TEST_F(CommandSend, ShowsLoneBytesWithTheirMeaning) {
    const std::pair<QByteArray, QString> cases[] = {
        {"\x80\r", latin1("\x80") + " 80h <OK>"},
        {"\x81\r", latin1("\x81") + QString::fromUtf8(" 81h <ungültiger Parameter>")},
        {"\x85\r", latin1("\x85") + " (HEX=85)"},
        {"A\r", "A (HEX=41)"},
        {"\x81\x81\r", latin1("\x81\x81")},
        {"", ""},
    };
    for (const auto& [bytes, shown] : cases) {
        answer = bytes;
        window->txtSensor->setText("previous");
        send("X");
        EXPECT_EQ(window->txtSensor->text(), shown) << bytes.toHex().toStdString();
    }
}

TEST_F(CommandSend, EditorShapesTheCommandAndItsAnswer) {
    useEditor();
    editor.sendAs = "wm,12,3f";
    answer = "500\r";
    send("  grenze , 3f ");
    EXPECT_EQ(line.requests, QList<QByteArray>({"WM,12,3F"}));         // upper-cased after the editor
    EXPECT_EQ(editor.convertedFor, QStringList({"  grenze , 3f "}));   // as typed
    EXPECT_EQ(window->txtSensor->text(), "500 mm");
    EXPECT_EQ(editor.interpreted, QStringList({"GRENZE "}));
    EXPECT_TRUE(traffic.contains("W: WM,12,3F<CR>"));

    editor.logRequest = false;
    editor.sendAs.clear();
    traffic.clear();
    send("SD1");
    EXPECT_EQ(traffic, QStringList());
    EXPECT_EQ(editor.interpreted.size(), 1);   // a plain read changes nothing
}

TEST_F(CommandSend, TypingSendsExactlyWhatWasTyped) {
    window->AddCommand("SD1,500");
    window->AddCommand("ID");
    // No completion from the list: "i" must not become "ID". "#kv" typed is the diagnostic.
    const struct {
        bool upper;
        const char* keys;
        QList<QByteArray> requests;
    } cases[] = {{true, "#kv", {}}, {true, "i", {"I"}}, {false, "sd", {"sd"}}, {true, "s", {"S"}}};
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    window->cmbCommand->setFocus();
    for (const auto& c : cases) {
        Options::Current().CommandUpper = c.upper;
        line.requests.clear();
        window->cmbCommand->clearEditText();
        QTest::keyClicks(window->cmbCommand, c.keys);
        QTest::keyClick(window->cmbCommand, Qt::Key_Return);   // Enter sends, once
        EXPECT_EQ(line.requests, c.requests) << c.keys;
    }
    EXPECT_EQ(traffic.mid(0, 3), QStringList({"D: 0", "D:EchoMode = False", "D:EchoWaitAlways = False"}));
    // The list is the history, and the sent command stands selected.
    QStringList listed;
    for (int i = 0; i < window->cmbCommand->count(); ++i) listed << window->cmbCommand->itemText(i);
    EXPECT_EQ(listed, QStringList({"S", "sd", "I", "ID", "SD1,500"}));
    EXPECT_EQ(window->cmbCommand->lineEdit()->selectedText(), "S");
}

TEST_F(CommandSend, ClicksDuringTheWaitAreIgnored) {
    useEditor();
    line.duringWait = [&](const QByteArray&) {
        line.duringWait = nullptr;
        window->btSend->click();
        QTest::keyClick(window->cmbCommand, Qt::Key_Return);
        window->cmbCommand->setEditText("typed meanwhile");
    };
    send("sd1,500");
    EXPECT_EQ(line.requests, QList<QByteArray>({"SD1,500"}));
    // The history and the editor learn what was sent, not what was typed meanwhile.
    EXPECT_EQ(history.Entries(), QStringList({"sd1,500"}));
    EXPECT_EQ(editor.interpreted, QStringList({"SD1"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    send("ID");
    EXPECT_EQ(line.requests.size(), 2);
}

TEST_F(CommandSend, ClosingTheWindowDuringTheWaitKeepsTheCommand) {
    line.duringWait = [&](const QByteArray&) {
        window->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    send("ID");
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(history.Entries(), QStringList({"ID"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

class CommandWindowInMain : public MainWindowFixture {};

TEST_F(CommandWindowInMain, HistoryLivesFromStartToCloseAcrossReopening) {
    settings += "Command1=SD1,500\nCommand2=ID\nCommand3=\nCommand4=stale\n";
    start([this] { CommandWindow::Install(*window); });
    activate();
    ASSERT_NE(CommandWindow::Window(), nullptr);   // open, as CommandWnd defaults to Show
    EXPECT_EQ(CommandWindow::Window()->cmbCommand->count(), 2);

    QAction* item = window->MenuItem("mnCommand");
    CommandWindow::Window()->parentWidget()->close();
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    ASSERT_NE(CommandWindow::Window(), nullptr);
    EXPECT_EQ(CommandWindow::Window()->cmbCommand->itemText(1), "ID");

    CommandWindow::Window()->cmbCommand->setEditText("VER");
    CommandWindow::Window()->btSend->click();
    window->close();
    EXPECT_TRUE(ini().contains("Command1=VER\nCommand2=SD1,500\nCommand3=ID\nCommand4=stale\n"));
    EXPECT_TRUE(ini().contains("CommandWnd=Show\n"));
}

}  // namespace
