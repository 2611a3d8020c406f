#pragma once
#include "mainwin/CommandExchange.h"

#include <QWidget>

class CommandHistory;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QPushButton;

// The command window: the user types a raw sensor command (or picks one of
// the last ten from the list), sends it with the Send button or Enter and
// reads the sensor's answer. Only its width can change; its height is what
// its controls need.
class frmCommand : public QWidget {
    Q_OBJECT
public:
    // Opens the window as a child of area (hidden until shown), in its stored
    // place or the lower left half of the area. history outlives the window.
    frmCommand(QMdiArea* area, CommandHistory& history);

    // Click of btSend (and Enter): sends the command and shows the answer.
    // A click that comes while an earlier one waits for the sensor does nothing.
    void Send();
    // Takes a command into the history and shows the history as the list,
    // with the command as the text. Returns the text taken (empty when blank).
    QString AddCommand(const QString& command);
    void SetLanguage();

    // True from the load until the window closes.
    bool Loaded = false;

    QLabel* lblCommand;
    QComboBox* cmbCommand;
    QLabel* lblSensor;
    QLineEdit* txtSensor;
    QPushButton* btSend;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillList();
    void fixHeight(QMdiArea* area);

    CommandHistory& history_;
    CommandExchange::StatusTexts statusTexts_;
    bool busy_ = false;
};
