// The parameter sheet commands on the QF8200 editor: the text and CSV
// exports as written, printing to a PDF, and the main window's menu items.
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "ScriptedFileDialogs.h"
#include "editors/common/PrintData.h"
#include "editors/qf8200/QF8200Fixture.h"
#include "link/SensorState.h"
#include "mainwin/PrintParameterSheet.h"
#include "mainwin/SheetFrame.h"
#include "mainwin/frmPrintComment.h"
#include "platform/FileWriting.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>


namespace {

// The commands on the QF8200 editor with the values of the fake sensor.
class SheetCommandTest : public QF8200WindowTest {
protected:
    void SetUp() override {
        PrintData::ResetExportStateForTests();
        open(true);   // the analogue variant, in place of the fixture's switch variant
        SensorStateData& s = Sensor::State();
        s.SensorForm = window.get();
        s.SensorVersion = "2.1";
        s.SensorVersionLetter = "B";
        s.SensorDate = "05.06.07";
        s.SensorTime = "08:09";
        s.SensorEprom = "";
    }
    void TearDown() override {
        PrintData::SetPrinterCheck({});
        frmPrintComment::ResetForTests();
        PrintData::ResetExportStateForTests();
        QF8200WindowTest::TearDown();
    }

    // Exports under the name typed with file type filterIndex (0: the one
    // the dialog starts with) and answers the file written as name.
    QByteArray exportTo(const QString& name, const QString& typed = {}, int filterIndex = 0) {
        ScriptedFileDialogs dialogs;
        dialogs.answer(folder.filePath(typed.isEmpty() ? name : typed), filterIndex);
        PrintData::PrintParameterSheet(true, false);
        EXPECT_EQ(dialogs.count(), 1);
        return read(name);
    }
    QByteArray read(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    ScriptedMessages boxes;
};

// The text export is the titled sheet in two columns, one byte a character;
// the CSV export holds the same lines that have a value, as two rows.
TEST_F(SheetCommandTest, TextAndCsvExportsHoldTheTitledSheet) {
    const QByteArray text = exportTo("sheet.txt");
    const QString title = "Zelvo 8200 - Parametereinstellung";
    QString head;
    for (const auto& [label, value] : QList<std::pair<QString, QString>>{
             {title, ""}, {QString(title.size(), '='), ""}, {"", ""}, {"Typenbezeichnung", "QF3000"},
             {"Version", "2.1"}, {"Softwareversion", "B 05.06.07 08:09"},   // no EPROM text: no EPROM line
             {"", ""}, {"Messung", ""}})
        head += (label.isEmpty() ? QString() : label.leftJustified(39) + value) + "\r\n";
    EXPECT_TRUE(text.startsWith(head.toLatin1())) << text.constData();
    EXPECT_TRUE(text.contains(("bei 0\xB0" "C" + QByteArray(32, ' ') + "331.3m/s\r\n")));   // not UTF-8
    EXPECT_TRUE(text.endsWith("\r\n"));
    QStringList labels, values;
    for (const QByteArray& bytes : text.split('\n')) {
        const QString line = QString::fromLatin1(bytes).remove('\r');
        if (line.size() <= 39) continue;
        QString label = line.left(39);
        while (label.endsWith(' ')) label.chop(1);
        labels.append(label);
        values.append(line.mid(39));
    }
    ASSERT_GT(labels.size(), 20);
    EXPECT_EQ(exportTo("sheet.CSV"), (labels.join(';') + "\r\n" + values.join(';') + "\r\n").toLatin1());
    EXPECT_EQ(boxes.count(), 0);
}

// The file type the user picks in the dialog gives a name typed without
// extension its extension, and with it the form written; a typed extension
// decides by itself.
TEST_F(SheetCommandTest, ExportWritesTheFormOfTheChosenFileType) {
    const QByteArray csv = exportTo("reference.CSV");
    const QByteArray text = exportTo("reference.TXT");
    ASSERT_NE(csv, text);
    const struct {
        int type;   // index in the dialog's list of file types
        const char* typed;
        const char* written;
        const QByteArray& content;
    } cases[] = {{1, "table", "table.CSV", csv}, {0, "sheet", "sheet.TXT", text}, {1, "typed.txt", "typed.txt", text}};
    for (const auto& c : cases) {
        WhenShown<QFileDialog>([this, &c](QFileDialog* dialog) {
            dialog->setDirectory(folder.path());
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            for (const int index : {1 - c.type, c.type}) {   // as the user picks it
                types->setCurrentIndex(index);
                emit types->activated(index);
                emit types->textActivated(types->currentText());
            }
            // Typed into the name box: the dialog ignores a file chosen
            // by selectFile while that box has the focus.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            static_cast<QDialog*>(dialog)->accept();   // the Save button
        });
        PrintData::PrintParameterSheet(true, false);
        EXPECT_EQ(read(c.written), c.content) << c.typed;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 5);   // nothing under another name
    EXPECT_EQ(boxes.count(), 0);
}

// A disk that fills up fails the last flush: the earlier file stays whole
// and the failure is reported, for the export and the PDF alike; a folder
// that does not exist is reported the same way.
TEST_F(SheetCommandTest, FailedWritesKeepTheEarlierFileAndSaySo) {
    PrintData::SetPrinterCheck([] { return false; });
    for (const QString name : {"old.TXT", "old.CSV", "old.pdf", "missing/sheet.txt"}) {
        SCOPED_TRACE(qPrintable(name));
        const bool missing = name.startsWith("missing");
        if (!missing) write(name, "earlier content");
        FileWriting::SetFlushFailureForTests([missing](const QString&) { return !missing; });
        ScriptedFileDialogs dialogs({folder.filePath(name)});
        const bool pdf = name.endsWith("pdf");
        if (pdf) WhenShown<frmPrintComment>([](frmPrintComment* dialog) { dialog->btOk->click(); });
        const int before = boxes.count();
        PrintData::PrintParameterSheet(false, pdf);
        FileWriting::SetFlushFailureForTests({});
        EXPECT_EQ(read(name), missing ? "" : "earlier content");
        ASSERT_EQ(boxes.count(), before + 1);
        EXPECT_EQ(boxes.shown().last().text,
                  "Die Datei <" + folder.filePath(name) + "> konnte nicht geschrieben werden.");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);   // nothing half-written left beside them
}

TEST_F(SheetCommandTest, PrintingWithoutPrinterWritesAPdfAfterTheComment) {
    PrintData::SetPrinterCheck([] { return false; });
    const QString pdf = folder.filePath("sheet.pdf");
    // A cancelled comment asks nothing more; a cancelled file choice prints nothing.
    const std::pair<bool, QString> steps[] = {{false, pdf}, {true, ""}, {true, pdf}};   // comment OK, file chosen
    for (const auto& [commentOk, chosen] : steps) {
        SCOPED_TRACE(qPrintable(chosen));
        ScriptedFileDialogs dialogs({chosen});
        WhenShown<frmPrintComment>([ok = commentOk](frmPrintComment* dialog) {
            dialog->txtComment->setPlainText("Anlage 7\nHalle 2");
            (ok ? dialog->btOk : dialog->btCancel)->click();
        });
        PrintData::PrintParameterSheet(false, true);
        EXPECT_EQ(dialogs.count(), commentOk ? 1 : 0);
        EXPECT_EQ(QFile::exists(pdf), commentOk && !chosen.isEmpty());
    }
    EXPECT_EQ(boxes.count(), 0);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains(QRegularExpression("/Type\\s*/Page[^s]")));
}

// The main window's commands reach the sheet once printing is installed.
class PrintCommandsTest : public MainWindowFixture {};

TEST_F(PrintCommandsTest, FileMenuPrintsAndExports) {
    start();
    activate();
    PrintData::InstallPrinting(*window);
    ScriptedFileDialogs dialogs;   // every dialog cancelled
    window->MenuItem("mnExport")->trigger();
    ASSERT_EQ(dialogs.count(), 1);
    const FileDialog::Request& request = dialogs.shown().first();
    EXPECT_EQ(request.kind, FileDialog::Kind::Save);
    EXPECT_EQ(request.defaultExtension, "TXT");
    EXPECT_EQ(request.filter, "Textdatei (*.TXT)|*.TXT|CSV Datei (*.CSV)|*.CSV");

    bool commentAsked = false;
    WhenShown<frmPrintComment>([&](frmPrintComment* dialog) {
        commentAsked = true;
        dialog->btCancel->click();
    });
    window->MenuItem("mnPrint")->trigger();
    EXPECT_TRUE(commentAsked);
    EXPECT_EQ(dialogs.count(), 1);   // cancelled before a printer was chosen
    frmPrintComment::ResetForTests();
}

}  // namespace
