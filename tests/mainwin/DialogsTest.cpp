#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "ScriptedFileDialogs.h"
#include "editors/common/RWState.h"
#include "editors/common/frmRWState.h"
#include "mainwin/FileIO.h"
#include "mainwin/PrintParameterSheet.h"
#include "mainwin/frmOptions.h"
#include "mainwin/frmPrintComment.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

namespace {

struct CommentStep {
    const char* typed;
    bool ok;
    bool result;
    const char* comment;   // the argument after the call
};

TEST(PrintComment, RemembersWhatWasTypedWhicheverWayTheDialogCloses) {
    frmPrintComment::ResetForTests();
    const CommentStep steps[] = {
        {"A", true, true, "A"},
        {"B", false, false, "A"},     // cancelled: the text remembered before opening
        {"", false, false, "B"},      // ... which the last cancel updated
        {"x\ny", true, true, "x\r\ny"},
    };
    for (const CommentStep& step : steps) {
        WhenShown<frmPrintComment>([&step](frmPrintComment* dialog) {
            EXPECT_TRUE(dialog->txtComment->toPlainText().isEmpty());   // always starts empty
            dialog->txtComment->setPlainText(step.typed);
            (step.ok ? dialog->btOk : dialog->btCancel)->click();
        });
        QString comment = "caller's";
        EXPECT_EQ(frmPrintComment::GetComment(comment), step.result) << step.typed;
        EXPECT_EQ(comment, step.comment) << step.typed;
    }
    frmPrintComment::ResetForTests();
}

class DialogPlaces : public MainWindowFixture {
protected:
    // Each dialog opens with its middle on the main window's middle, at the
    // size it shows with (the division by two may leave a pixel). Compared as
    // twice the middle's coordinates: left + right, top + bottom.
    void expectCentred(const QRect& dialog, const char* name) const {
        const QRect main = window->frameGeometry();
        EXPECT_NEAR(2 * dialog.x() + dialog.width(), 2 * main.x() + main.width(), 1) << name;
        EXPECT_NEAR(2 * dialog.y() + dialog.height(), 2 * main.y() + main.height(), 1) << name;
    }
};

TEST_F(DialogPlaces, DialogsOpenCentredOnTheMainWindow) {
    start();
    window->setGeometry(40, 30, 700, 500);
    for (const char* item : {"mnOptions", "mnInfo", "mnAbout"}) {
        QRect shown;
        WhenShown<QDialog>([&](QDialog* dialog) {
            shown = dialog->frameGeometry();
            dialog->reject();
        });
        window->MenuItem(item)->trigger();
        expectCentred(shown, item);
    }

    RWState::ShowForm(1, 10);   // as an editor reads the sensor
    ASSERT_NE(RWState::Form(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(RWState::Form()));
    expectCentred(RWState::Form()->frameGeometry(), "frmRWState");
    RWState::Unload();
}

// Where a dialog of that type stood and whose it was as it showed; close ends it.
struct Shown {
    bool shown = false;
    QRect frame;
    QWidget* owner = nullptr;
};
template <class Dialog>
void RecordWhenShown(Shown& place, std::function<void(Dialog*)> close) {
    WhenShown<Dialog>([&place, close](Dialog* dialog) {
        place = {true, dialog->frameGeometry(), dialog->parentWidget()};
        close(dialog);
    });
}

// A file dialog or a box belongs to the main window and shows over its
// middle wherever it stands, also right after another dialog has closed,
// when the window system has not yet activated another window.
TEST_F(DialogPlaces, FileDialogsAndBoxesCentreOnTheMainWindowWhereverItStands) {
    start([this] {
        FileIO::InstallParameterFiles(window);
        PrintData::InstallPrinting(*window);
    });
    window->setGeometry(10, 20, 700, 520);   // well above and left of the screen's middle
    QTemporaryDir folder;
    QFile existing(folder.filePath("data.ZLV"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    PrintData::SetPrinterCheck([] { return false; });   // printing asks for a PDF file
    MsgBox::SetHandler({});                             // the real boxes

    const auto saveAsTxt = [&folder](QFileDialog* dialog) {   // saved as data.ZLV, which exists: message 21
        dialog->setDirectory(folder.path());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("data.txt");
        static_cast<QDialog*>(dialog)->accept();
    };
    const auto commentOk = [](frmPrintComment* dialog) { dialog->btOk->click(); };
    const std::function<void(QFileDialog*)> cancel = [](QDialog* dialog) { dialog->reject(); };
    const std::function<void(QMessageBox*)> answer = [](QMessageBox* box) {   // No to replacing a file
        (box->button(QMessageBox::No) ? box->button(QMessageBox::No) : box->button(QMessageBox::Ok))->click();
    };
    struct Case {
        const char* name;
        const char* item;
        std::function<void(Shown&)> drive;
        QString pdfFile;   // answered from a script; empty: the real dialog
    } const cases[] = {
        {"save dialog", "mnSave", [&](Shown& s) { RecordWhenShown(s, cancel); }, {}},
        {"message 21 after the save dialog", "mnSave",
         [&](Shown& s) {
             WhenShown<QFileDialog>(saveAsTxt);
             RecordWhenShown(s, answer);
         },
         {}},
        {"PDF dialog after the comment", "mnPrint",
         [&](Shown& s) {
             WhenShown<frmPrintComment>(commentOk);
             RecordWhenShown(s, cancel);
         },
         {}},
        {"message 14 after the comment", "mnPrint",
         [&](Shown& s) {
             WhenShown<frmPrintComment>(commentOk);
             RecordWhenShown(s, answer);
         },
         folder.filePath("missing/sheet.pdf")},
        {"options", "mnOptions",
         [&](Shown& s) { RecordWhenShown<frmOptions>(s, [](frmOptions* dialog) { dialog->reject(); }); }, {}},
    };
    for (const Case& c : cases) {
        std::optional<ScriptedFileDialogs> pdf;
        if (!c.pdfFile.isEmpty()) pdf.emplace(QStringList{c.pdfFile});
        Shown shown;
        c.drive(shown);
        window->MenuItem(c.item)->trigger();
        ASSERT_TRUE(shown.shown) << c.name;
        EXPECT_EQ(shown.owner, window) << c.name;
        expectCentred(shown.frame, c.name);
    }
    PrintData::SetPrinterCheck({});
    frmPrintComment::ResetForTests();
}

}  // namespace
