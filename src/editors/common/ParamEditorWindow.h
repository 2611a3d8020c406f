#pragma once
#include "editors/common/ParamEditorModel.h"
#include "link/SensorEditor.h"

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QTimer;
class TransferProgress;

// The window every sensor-line editor is: a fixed-size child window of the
// main window that shows its parameter table in text boxes and lists. It
// holds the rules all editors share:
// - a text box gets its whole text selected on focus and becomes the
//   current field; leaving it after an edit commits it; hovering shows its
//   quick help;
// - Enter commits the current field (the key never reaches the control);
// - the window opens with the caret in its first text box;
// - labels and frames show quick help on hover, lists through a timer that
//   looks for the list under the mouse twice a second;
// - lists and sliders take mouse-wheel turns only while they have the focus;
// - loading sizes, places, translates and fills the window; it cannot be
//   resized or stay maximised; closing keeps the window's place;
// - the design texts are kept on the first translation, so switching back to
//   the built-in language restores them.
// An editor adds its controls, its table and the conversions between records
// and controls (FillForm, PutData).
class ParamEditorWindow : public QWidget, public SensorEditor {
    Q_OBJECT
public:
    ~ParamEditorWindow() override;

    // SensorEditor members that are the same on every plain-command line.
    void Init() override;
    void readdata(std::optional<int> source = std::nullopt) override;
    void WriteData(std::optional<int> target = std::nullopt,
                   std::optional<QVariant> second = std::nullopt) override;
    QString GetSendCommand(QString& command, bool& flag) override;
    QString ConvertResult(QString& command, QString& answer) override;
    void InterpretCommand(QString& word) override;

    void Show() override;
    int WindowState() const override;
    void SetWindowState(int state) override;
    void ZOrder() override;
    QString Caption() const override;
    void SetCaption(const QString& caption) override;
    QString name() const override;
    bool Loaded() const override { return loaded_; }
    void Unload() override;

    // Shows one record in its controls.
    virtual void FillForm(ParamRec& rec) = 0;
    // FillForm, and the text boxes of a record that holds no value the sensor
    // gave (not read, or refused in a parameter file) left empty.
    void ShowRecord(ParamRec& rec);
    // Composes the value of the record with that id from its controls and
    // commits it.
    virtual void PutData(int id, bool writeNow) = 0;

    ParamEditorModel& Model() { return model_; }
    const ParamEditorModel& Model() const { return model_; }
    bool Busy() const { return model_.Busy(); }
    // The parameter that Enter commits; set when a text box gets the focus.
    int CurrentField() const { return currentField_; }
    QSize FixedSize() const { return fixedSize_; }

    // One tick of the list-box quick help, at a point in this window's
    // client coordinates: the first list of ComboHelpOrder under the point
    // shows its help; no hit changes nothing.
    void ShowComboHelpAt(const QPoint& clientPos);

    // The progress window the transfers drive (tests substitute their own).
    void SetProgress(TransferProgress* progress);
    TransferProgress& Progress() { return *progress_; }

protected:
    // The editor's parameter table, which Init builds.
    using TableRowsFunction = std::vector<ParamRow> (*)();
    // An editor whose table depends on the sensor (its firmware) passes none
    // and builds its table in its own Init.
    ParamEditorWindow(const QString& windowName, int tableUpperBound, TableRowsFunction tableRows);

    // What each editor supplies.
    // Load step 1: the display window's settings for this line.
    virtual void SetupDisplayWindow() = 0;
    // Load step 5: operating-mode pictures, for editors that show them.
    virtual void LoadPictures() {}
    // Load step 8.
    virtual bool StoreRecallEnabled() const = 0;
    // Work of the quick-help timer's every tick before its list test, even
    // while the main window is not the active one.
    virtual void TimerTick() {}
    // The lists the quick-help timer tests, in order, under the window's
    // current variant.
    virtual std::vector<QComboBox*> ComboHelpOrder() const = 0;

    // The frames that fix the window's size: the client area ends at the
    // right edge of rightMost and the bottom edge of bottom, with the margin
    // of topLeft's position.
    void SetSizeFrames(QWidget* rightMost, QWidget* bottom, QWidget* topLeft);

    // How a text box takes part in the rules.
    enum class Focus { SelectAll, KeepCaret };
    enum class Blank { Commits, DoesNotCommit };
    // helpId is the box's own parameter id (its quick help); commitId the
    // record its edit commits (a part of a composite value commits its parent).
    void BindTextBox(QLineEdit* box, int helpId, int commitId, Focus focus = Focus::SelectAll,
                     Blank blank = Blank::Commits);
    // A list: click is its Click handler (layout, then the commit unless Busy).
    void BindList(QComboBox* list, int helpId, std::function<void()> click);
    // A control other than a text box (a list, a check box) that becomes the
    // current field when it gets the focus: Enter then commits id.
    void BindFocusField(QWidget* control, int id);
    // Hovering shows a fixed topic (0 clears the line).
    void BindHoverHelp(QWidget* control, int topic);
    // Hovering shows the topic of another control, read when the mouse moves.
    void BindHoverHelp(QWidget* control, const QWidget* target);
    // A frame (or the window) shows its topic only over its bare area.
    void BindFrameHelp(QWidget* frame, int topic);
    void BindFrameHelp(QWidget* frame, const QWidget* target);

    // Commits id unless the window is filling its controls (ClickCanCommit).
    void CommitUnlessBusy(int id);
    // Whether the click of a control of the record with that id can commit:
    // not while the window fills its controls (Busy), when the record is
    // shown again instead, so that no control keeps a choice that neither
    // the record nor the sensor holds.
    bool ClickCanCommit(int id);
    // Shows the record with that id in its controls again.
    void ShowRecordAgain(int id);
    // Commits the value an editor composed for a record (parts as
    // ParamEditorModel::Commit takes them); without a value, or with one that
    // is not Acceptable (input that cannot be written), the record's stored
    // value is shown again. True when the value went to the sensor.
    bool CommitComposed(int index, const std::optional<QString>& value, bool writeNow, const QStringList& parts = {});

    // Translation with design texts kept on the first call. Captions are
    // looked up by the control's name (and index), list items by a prefix
    // and the item's position; one prefix may serve several lists, whose
    // design items are taken from the first.
    struct TranslatedList {
        QString prefix;
        std::vector<QComboBox*> lists;
    };
    void TranslateTexts(const std::vector<QWidget*>& captions, const std::vector<TranslatedList>& lists);
    // True on the first translation only, while the controls still show
    // their design texts: the time to keep them.
    bool FirstTranslation();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct HoverHelp {
        int topic = 0;
        const QWidget* target = nullptr;   // when set, its helpId wins
        bool bareAreaOnly = false;
    };
    void Load();
    // The first text box of the tab order that the user can type into now.
    QLineEdit* FirstTextBox() const;
    void ApplyFixedSize();
    void KeepWindowNormal();
    void QuickHelpTick();
    void QueryUnload();
    // A control that got the focus becomes the current field when it is one.
    void HandleFocusIn(QObject* control);
    void HandleFocusOut(QLineEdit* box, Qt::FocusReason reason);
    void CommitCurrentField();
    void ShowHoverHelp(QWidget* control, const HoverHelp& help, const QPoint& pos);
    QWidget* Frame() const;

    ParamEditorModel model_;
    TableRowsFunction tableRows_;
    TransferProgress* progress_;
    bool loaded_ = false;
    bool hosted_ = false;
    bool designTextsStored_ = false;
    int currentField_ = 0;
    QLineEdit* currentBox_ = nullptr;
    bool currentIsFocusField_ = false;   // the current field is a BindFocusField control
    QSize fixedSize_;
    QWidget* rightMostFrame_ = nullptr;
    QWidget* bottomFrame_ = nullptr;
    QWidget* topLeftFrame_ = nullptr;
    QTimer* timQuickHelp_;
    std::vector<std::pair<QObject*, HoverHelp>> hoverHelp_;
    QHash<QString, QStringList> listDefaults_;   // design items per list prefix
};
