#pragma once
#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window an editor shows while it transfers parameters: the
// label of the operation, a comment line, the bar and the cancel button.
// Driven through RWState (ShowForm, IncBar, Unload), which also keeps the
// cancel request, so that the request survives the window.
class frmRWState : public QDialog {
    Q_OBJECT
public:
    explicit frmRWState(QWidget* parent = nullptr);

    // Shows only the label of mode; the bar stands at 1 of count + 1.
    void ShowOperation(int mode, int count);
    // Advances the bar (a value beyond the maximum is not set) and shows the
    // comment in parentheses, or an empty comment line for a null comment.
    void Advance(int step, const QString& comment);
    void SetLanguage();

    std::array<QLabel*, 5> lblSensor{};
    QLabel* lblComment;
    QProgressBar* gaugeBar;
    QPushButton* btCancel;

protected:
    // The close box does not close: it asks for a cancel without a question.
    void closeEvent(QCloseEvent* event) override;
    // Escape would close the dialog behind the transfer's back.
    void reject() override {}

private:
    void AskCancel();
    // The caption of the operation label that is shown.
    QString OperationCaption() const;
};
