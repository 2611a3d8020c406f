#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Asks for a comment line before a parameter sheet is printed. The comment
// typed last is remembered for the whole run, whether the dialog was closed
// with OK or not.
class frmPrintComment : public QDialog {
public:
    explicit frmPrintComment(QWidget* parent = nullptr);

    // Shows the dialog modally. True after OK, with comment = the text typed;
    // otherwise False, with comment = the text remembered before the dialog
    // opened. Lines are separated by CR LF.
    static bool GetComment(QString& comment);
    // Forgets the remembered comment (tests).
    static void ResetForTests();

    void SetLanguage();

    QLabel* lblComment;
    QPlainTextEdit* txtComment;
    QPushButton* btOk;
    QPushButton* btHelp;
    QPushButton* btCancel;

protected:
    void done(int result) override;
};
