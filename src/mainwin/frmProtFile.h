#pragma once
#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The protocol-file dialog: when the recorder writes a line (the output
// option and its number), the title and data-line templates, the lines per
// page, up to three query commands, the file and whether it is overwritten.
// The templates show readable macro names ("[SEITE]") where the settings
// keep the placeholders "%0" to "%5". The dialog can also start or stop the
// recording. Its settings reach the settings file when the program ends.
class frmProtFile : public QDialog {
public:
    // macroMenu: the main window's pop-up mnMacros, whose item i
    // (mnProtMacro i) inserts macro i; startFileLogging: the main window's
    // StartFileLogging.
    frmProtFile(QMenu* macroMenu, std::function<void(bool start)> startFileLogging, QWidget* parent = nullptr);

    // Copies the controls into the recorder's settings.
    void FormSave();
    // Replaces the selected text of the template box that the last macro
    // button named with macro name index (0 to 5) and puts the focus there.
    void InsertMacro(int index);
    void SetLanguage();
    // Each placeholder "%0" to "%5" as its macro name, and back.
    QString SetMacros(const QString& text) const;
    QString ResetMacros(const QString& text) const;

    QGroupBox* frameOutput;
    std::array<QRadioButton*, 4> rdOutput;
    std::array<QLabel*, 4> lblOutput1;
    std::array<QLineEdit*, 4> txtOutput;
    std::array<QLabel*, 4> lblOutput2;
    QGroupBox* frameOutputFormat;
    QLabel* lblTitle;
    QLineEdit* txtTitle;
    QLabel* lblData;
    QLineEdit* txtData;
    std::array<QPushButton*, 2> btMacro;
    QLabel* lblLines;
    QLineEdit* txtLines;
    QGroupBox* frameCommand;
    std::array<QLabel*, 3> lblCommand;
    std::array<QComboBox*, 3> cmbCommand;
    QGroupBox* frameFile;
    QLineEdit* txtFile;
    QPushButton* btFile;
    QCheckBox* chkOverwriteFile;
    QPushButton* btStartStop;
    QPushButton* btOk;
    QPushButton* btCancel;
    QPushButton* btHelp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QGroupBox* buildOutputFrame();
    QGroupBox* buildFormatFrame();
    QGroupBox* buildCommandFrame();
    QGroupBox* buildFileFrame();
    void FillForm();
    void popUpMacros(int target);
    void chooseFile();
    void startStop();
    void templateFocusChange(QLineEdit* box, bool focusIn);

    // A template box's selection when it last lost the focus (a click on a
    // macro button takes the focus, and with it the selection).
    struct Selection {
        int start = 0;
        int length = 0;
    };

    QMenu* macroMenu_;
    std::function<void(bool)> startFileLogging_;
    std::array<QString, 6> macroNames_;
    QString startText_;
    QString stopText_;
    int macroTarget_ = 0;   // 0 txtTitle, 1 txtData, -1 none pending
    std::array<Selection, 2> keptSelection_{};
};
