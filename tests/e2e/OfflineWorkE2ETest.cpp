// Offline work on every line, the whole program against the simulated sensor:
// a parameter file saved from the sensor and opened after the sensor went
// away with its port (the simulator takes its COM1 link along, as a pulled
// adapter takes its device) is worked on offline. The editor's caption names
// the file, an edit goes to no port, and closing asks whether to save.
#include "e2e/MainWindowE2E.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "frame/TempProgramFolder.h"
#include "link/ParamRec.h"
#include "mainwin/RegisterMasterWindows.h"
#include "mainwin/ScriptedFileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A terminal on which nothing answers, standing in for the device a port's
// name reaches once the sensor's own device has gone ("COM1" is /dev/ttyS0
// when its link is gone). It keeps what reached it.
class SilentTerminal {
public:
    SilentTerminal() : master_(posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            path_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~SilentTerminal() {
        if (master_ >= 0) ::close(master_);
    }
    SilentTerminal(const SilentTerminal&) = delete;
    SilentTerminal& operator=(const SilentTerminal&) = delete;

    QString path() const { return path_; }
    QByteArray received() const {
        QByteArray bytes;
        char buffer[256];
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
        return bytes;
    }

private:
    int master_;
    QString path_;
};

class OfflineWorkE2E : public MainWindowE2E, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        MainWindowE2E::SetUp();
        if (IsSkipped()) return;
        // The echo line's input rules: none, and no notice that the file is missing.
        program.write("VALIDATE.CFG", "[frmQF8200Echo]\r\n");
        Sensor::ResetValidateNoticeForTests();
        RegisterQF8200EchoEditor();
        RegisterQF8200RDXEditor();
        RegisterQT8200Editor();
        RegisterMasterWindows();
    }

    TempProgramFolder program;
    ScriptedFileDialogs dialogs;
    QTemporaryDir files;
};

TEST_P(OfflineWorkE2E, FileOpenedAfterTheSensorWentIsWorkedOnOffline) {
    const QString port = windows.file("dosdevices/com1");
    ASSERT_TRUE(QDir(windows.path()).mkpath("dosdevices"));
    sim = std::make_unique<SimulatedSensor>(QStringList{"--line", GetParam(), "--link", port});
    ASSERT_TRUE(sim->started()) << qPrintable(sim->error());
    windows.write(Options::SettingsFile, "[Settings]\r\nPort=COM1\r\nSendRST=0\r\n");
    startProgram();
    auto* editor = dynamic_cast<QWidget*>(Sensor::State().SensorForm);
    ASSERT_NE(editor, nullptr);

    const QString file = files.filePath("saved.ZLV");
    dialogs.answer(file);
    window->MenuItem("mnSave")->trigger();
    ASSERT_TRUE(QFile::exists(file));
    sim->stop();
    SilentTerminal otherDevice;
    ASSERT_TRUE(QFile::link(otherDevice.path(), port));

    dialogs.answer(file);
    window->MenuItem("mnOpen")->trigger();
    EXPECT_TRUE(Sensor::State().OfflineMode);
    EXPECT_TRUE(editor->windowTitle().endsWith(" (" + file + ")")) << qPrintable(editor->windowTitle());

    if (auto* pages = editor->findChild<QTabWidget*>("tabData")) pages->setCurrentIndex(2);
    auto* switchPoint = editor->findChild<QLineEdit*>("txtSwitchDis11");
    ASSERT_NE(switchPoint, nullptr);
    switchPoint->setFocus();
    QApplication::processEvents();
    switchPoint->selectAll();
    QTest::keyClicks(switchPoint, "1234");
    QTest::keyClick(switchPoint, Qt::Key_Return);
    EXPECT_TRUE(Sensor::State().DataChanged);

    EXPECT_EQ(boxes.count(), 0);
    boxes.answer(MsgBox::Cancel);
    EXPECT_FALSE(window->close());   // the saving question
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith("Sie haben Parameterdaten ver\u00e4ndert!"))
        << qPrintable(boxes.shown()[0].text);
    EXPECT_EQ(switchPoint->text(), "1234");
    EXPECT_EQ(otherDevice.received(), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(EveryLine, OfflineWorkE2E, ::testing::Values("qf8200", "qf8200echo", "qf8200rdx", "qt8200"));

}  // namespace
