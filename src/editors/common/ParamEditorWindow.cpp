#include "editors/common/ParamEditorWindow.h"

#include "editors/common/EditorControls.h"
#include "editors/common/EditorHost.h"
#include "editors/common/RWState.h"
#include "editors/common/WheelNeedsFocus.h"
#include "frame/LanguageUtil.h"
#include "frame/STRING_UTIL.h"
#include "frame/Utils.h"
#include "frame/Window.h"
#include "link/SensorCommands.h"
#include "link/SensorState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTimer>

using STRING_UTIL::TrimBlanks;

namespace {

constexpr int QuickHelpIntervalMs = 500;
const char* const HelpIdProperty = "helpId";
const char* const CommitIdProperty = "commitId";
const char* const SelectAllProperty = "selectAllOnFocus";
const char* const BlankCommitsProperty = "blankCommits";
const char* const FocusFieldProperty = "focusField";

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ParamEditorWindow::ParamEditorWindow(const QString& windowName, int tableUpperBound, TableRowsFunction tableRows)
    : model_(tableUpperBound), tableRows_(tableRows), progress_(&RWState::Progress()) {
    setObjectName(windowName);
    // The designs place their controls for a small font.
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);
    setMouseTracking(true);
    installEventFilter(this);
    BindFrameHelp(this, 0);
    model_.SetFillForm([this](ParamRec& rec) { ShowRecord(rec); });
    timQuickHelp_ = new QTimer(this);
    timQuickHelp_->setObjectName(QStringLiteral("timQuickHelp"));
    timQuickHelp_->setInterval(QuickHelpIntervalMs);
    connect(timQuickHelp_, &QTimer::timeout, this, &ParamEditorWindow::QuickHelpTick);
}

ParamEditorWindow::~ParamEditorWindow() = default;

void ParamEditorWindow::Init() { model_.Build(tableRows_()); }

void ParamEditorWindow::readdata(std::optional<int> source) {
    ParamEditorModel::BusyGuard busy(model_);
    if (loaded_) Sensor::SetSensorCaption(*this);
    model_.ReadAll(source, *progress_);
}

void ParamEditorWindow::WriteData(std::optional<int> target, std::optional<QVariant>) {
    model_.WriteAll(target, *progress_);
}

QString ParamEditorWindow::GetSendCommand(QString& command, bool& flag) {
    flag = true;
    return command;
}

QString ParamEditorWindow::ConvertResult(QString&, QString& answer) { return answer; }

void ParamEditorWindow::InterpretCommand(QString& word) { model_.InterpretCommand(word); }

void ParamEditorWindow::SetProgress(TransferProgress* progress) {
    progress_ = progress ? progress : &RWState::Progress();
}

// --- window members ---------------------------------------------------------

QWidget* ParamEditorWindow::Frame() const {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
    return const_cast<ParamEditorWindow*>(this);
}

void ParamEditorWindow::Show() {
    if (!hosted_) {
        hosted_ = true;
        Editors::Host().AddEditorWindow(this);
        if (Frame() != this) {
            // The editor and its table outlive the window: closing only hides it.
            Frame()->setAttribute(Qt::WA_DeleteOnClose, false);
            Frame()->installEventFilter(this);
        }
    }
    // Shown before it loads: closing its MDI window hid the editor, and a
    // hidden editor would size its window to the bare title bar.
    show();
    if (!loaded_) Load();
    Frame()->show();
}

int ParamEditorWindow::WindowState() const {
    const Qt::WindowStates state = Frame()->windowState();
    if (state & Qt::WindowMinimized) return 1;
    if (state & Qt::WindowMaximized) return 2;
    return 0;
}

void ParamEditorWindow::SetWindowState(int state) {
    Qt::WindowStates flags = Frame()->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == 1) flags |= Qt::WindowMinimized;
    if (state == 2) flags |= Qt::WindowMaximized;
    Frame()->setWindowState(flags);
}

void ParamEditorWindow::ZOrder() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(Frame()); sub && sub->mdiArea()) {
        sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
    Frame()->raise();
}

QString ParamEditorWindow::Caption() const { return windowTitle(); }

void ParamEditorWindow::SetCaption(const QString& caption) { setWindowTitle(caption); }

QString ParamEditorWindow::name() const { return objectName(); }

void ParamEditorWindow::Unload() {
    if (loaded_) Frame()->close();
}

// --- load, size, close ------------------------------------------------------

void ParamEditorWindow::SetSizeFrames(QWidget* rightMost, QWidget* bottom, QWidget* topLeft) {
    rightMostFrame_ = rightMost;
    bottomFrame_ = bottom;
    topLeftFrame_ = topLeft;
}

void ParamEditorWindow::Load() {
    WheelNeedsFocus::Install(this);
    SetupDisplayWindow();
    loaded_ = true;
    ParamEditorModel::BusyGuard busy(model_);
    currentField_ = 0;
    currentBox_ = nullptr;
    currentIsFocusField_ = false;
    ApplyFixedSize();
    Frame()->move(0, 0);
    Window::RestoreWindowPos(this);
    KeepWindowNormal();
    LoadPictures();
    SetLanguage();
    // The texts are final now, also those an editor translates by itself.
    EditorControls::FitAllToText(this);
    for (int i = 1; i <= model_.Count(); ++i) ShowRecord(model_[i]);
    Editors::Host().EnableStoRcl(StoreRecallEnabled());
    Sensor::SetSensorCaption(*this);
    timQuickHelp_->start();
    // The window opens with the caret in its first text box, whatever comes
    // before it in the tab order (a page tab strip), so that what the user
    // types at once goes there; an inactive window gives it the caret as it
    // becomes active.
    if (QLineEdit* first = FirstTextBox()) first->setFocus(Qt::OtherFocusReason);
    // The window showed before it loaded, so a control that took the focus
    // then did so before the current field was reset above: it is the
    // current field now, as if its focus had come after the load.
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused)) HandleFocusIn(focused);
}

QLineEdit* ParamEditorWindow::FirstTextBox() const {
    for (QWidget* control = nextInFocusChain(); control != this; control = control->nextInFocusChain()) {
        auto* box = qobject_cast<QLineEdit*>(control);
        if (box && isAncestorOf(box) && box->property(CommitIdProperty).isValid() && box->isVisibleTo(this) &&
            box->isEnabled())
            return box;
    }
    return nullptr;
}

void ParamEditorWindow::ApplyFixedSize() {
    if (rightMostFrame_ && bottomFrame_ && topLeftFrame_) {
        const QRect right = rightMostFrame_->geometry();
        const QRect bottom = bottomFrame_->geometry();
        const QPoint margin = topLeftFrame_->pos();
        setFixedSize(right.x() + right.width() + margin.x(), bottom.y() + bottom.height() + margin.y());
    }
    QWidget* frame = Frame();
    if (frame != this) {
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame->adjustSize();
        frame->setFixedSize(frame->size());
    }
    fixedSize_ = frame->size();
}

void ParamEditorWindow::KeepWindowNormal() {
    QWidget* frame = Frame();
    if (frame->windowState() & Qt::WindowMaximized)
        frame->setWindowState(frame->windowState() & ~Qt::WindowMaximized);
    if (!(frame->windowState() & Qt::WindowMinimized) && frame->size() != fixedSize_ && fixedSize_.isValid())
        frame->resize(fixedSize_);
}

void ParamEditorWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && Frame() == this)
        QTimer::singleShot(0, this, &ParamEditorWindow::KeepWindowNormal);
}

void ParamEditorWindow::closeEvent(QCloseEvent* event) {
    QueryUnload();
    event->accept();
}

void ParamEditorWindow::QueryUnload() {
    if (!loaded_) return;
    loaded_ = false;
    timQuickHelp_->stop();
    Editors::Host().SetParameterMenuChecked(false);
    Window::SaveWindowPos(this);
}

// --- commits and quick help -------------------------------------------------

void ParamEditorWindow::BindTextBox(QLineEdit* box, int helpId, int commitId, Focus focus, Blank blank) {
    box->setProperty(HelpIdProperty, helpId);
    box->setProperty(CommitIdProperty, commitId);
    box->setProperty(SelectAllProperty, focus == Focus::SelectAll);
    box->setProperty(BlankCommitsProperty, blank == Blank::Commits);
    box->setMouseTracking(true);
    box->installEventFilter(this);
    hoverHelp_.push_back({box, HoverHelp{helpId, nullptr, false}});
}

void ParamEditorWindow::BindList(QComboBox* list, int helpId, std::function<void()> click) {
    list->setProperty(HelpIdProperty, helpId);
    list->installEventFilter(this);
    // Only the user's choice is a click: a list set while filling the window
    // raises no commit (the fill lays out its controls itself).
    connect(list, &QComboBox::activated, this, [click = std::move(click)](int) { click(); });
}

void ParamEditorWindow::BindFocusField(QWidget* control, int id) {
    control->setProperty(FocusFieldProperty, id);
    control->installEventFilter(this);
}

void ParamEditorWindow::BindHoverHelp(QWidget* control, int topic) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
    hoverHelp_.push_back({control, HoverHelp{topic, nullptr, false}});
}

void ParamEditorWindow::BindHoverHelp(QWidget* control, const QWidget* target) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
    hoverHelp_.push_back({control, HoverHelp{0, target, false}});
}

void ParamEditorWindow::BindFrameHelp(QWidget* frame, int topic) {
    frame->setMouseTracking(true);
    frame->installEventFilter(this);
    hoverHelp_.push_back({frame, HoverHelp{topic, nullptr, true}});
}

void ParamEditorWindow::BindFrameHelp(QWidget* frame, const QWidget* target) {
    frame->setMouseTracking(true);
    frame->installEventFilter(this);
    hoverHelp_.push_back({frame, HoverHelp{0, target, true}});
}

void ParamEditorWindow::CommitUnlessBusy(int id) {
    if (ClickCanCommit(id)) PutData(id, true);
}

bool ParamEditorWindow::ClickCanCommit(int id) {
    if (!Busy()) return true;
    ShowRecordAgain(id);
    return false;
}

void ParamEditorWindow::ShowRecordAgain(int id) {
    if (const int index = model_.IndexOfId(id)) FillForm(model_[index]);
}

void ParamEditorWindow::ShowRecord(ParamRec& rec) {
    FillForm(rec);
    if (IsParDefValid(rec)) return;
    // A number made of nothing ("0") would read as the sensor's value.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        if (box->property(CommitIdProperty).toInt() == rec.ID) box->clear();
}

bool ParamEditorWindow::CommitComposed(int index, const std::optional<QString>& value, bool writeNow,
                                       const QStringList& parts) {
    if (!value || !model_.Acceptable(index, *value)) {
        ShowRecord(model_[index]);
        return false;
    }
    const bool changed = model_.Commit(index, *value, writeNow, parts);
    return changed && writeNow && !Sensor::State().OfflineMode;
}

bool ParamEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Frame() && watched != this) {
        if (event->type() == QEvent::WindowStateChange)
            QTimer::singleShot(0, this, &ParamEditorWindow::KeepWindowNormal);
        return false;
    }
    if (isEnterKey(event)) {
        CommitCurrentField();
        return true;
    }
    if (event->type() == QEvent::FocusIn) HandleFocusIn(watched);
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && box->property(CommitIdProperty).isValid() && event->type() == QEvent::FocusOut)
        HandleFocusOut(box, static_cast<QFocusEvent*>(event)->reason());
    if (event->type() == QEvent::MouseMove) {
        for (const auto& [control, help] : hoverHelp_)
            if (control == watched)
                ShowHoverHelp(static_cast<QWidget*>(control), help, static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return false;
}

void ParamEditorWindow::HandleFocusIn(QObject* control) {
    if (control->property(FocusFieldProperty).isValid()) {
        currentField_ = control->property(FocusFieldProperty).toInt();
        currentBox_ = nullptr;
        currentIsFocusField_ = true;
        return;
    }
    auto* box = qobject_cast<QLineEdit*>(control);
    if (!box || !box->property(CommitIdProperty).isValid()) return;
    currentField_ = box->property(CommitIdProperty).toInt();
    currentBox_ = box;
    currentIsFocusField_ = false;
    // A click that gives the focus would clear a selection made at once.
    if (box->property(SelectAllProperty).toBool())
        QTimer::singleShot(0, box, [box] { SelectAllText(box); });
}

void ParamEditorWindow::HandleFocusOut(QLineEdit* box, Qt::FocusReason reason) {
    // Another window taking the focus leaves the edit where it is.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    // A box the user did not edit is not written back: its text may show the
    // value rounded or in another form than the sensor holds it.
    if (!box->isModified()) return;
    if (!box->property(BlankCommitsProperty).toBool() && TrimBlanks(box->text()).isEmpty()) return;
    PutData(box->property(CommitIdProperty).toInt(), true);
}

void ParamEditorWindow::CommitCurrentField() {
    // A list or check box commits what it shows; its commit writes only a change.
    if (currentIsFocusField_) {
        PutData(currentField_, true);
        return;
    }
    // Enter commits what the user typed into the current field; a field shown
    // as filled (or emptied) by the editor has nothing to write.
    if (!currentBox_ || !currentBox_->isModified()) return;
    PutData(currentField_, true);
}

void ParamEditorWindow::ShowHoverHelp(QWidget* control, const HoverHelp& help, const QPoint& pos) {
    if (help.bareAreaOnly && control->childAt(pos)) return;
    const int topic = help.target ? help.target->property(HelpIdProperty).toInt() : help.topic;
    Editors::Host().ShowQuickHelp(topic);
}

void ParamEditorWindow::QuickHelpTick() {
    TimerTick();
    if (!Editors::Host().IsMainWindowActive()) return;
    if (Frame()->windowState() & Qt::WindowMinimized) return;
    ShowComboHelpAt(mapFromGlobal(QCursor::pos()));
}

void ParamEditorWindow::ShowComboHelpAt(const QPoint& clientPos) {
    for (QComboBox* list : ComboHelpOrder()) {
        const QWidget* frame = list->parentWidget();
        const QPoint inFrame = frame == this ? clientPos : frame->mapFrom(this, clientPos);
        if (IsInControl(list, inFrame.x(), inFrame.y())) {
            Editors::Host().ShowQuickHelp(list->property(HelpIdProperty).toInt());
            return;
        }
    }
}

// --- language ---------------------------------------------------------------

void ParamEditorWindow::TranslateTexts(const std::vector<QWidget*>& captions,
                                       const std::vector<TranslatedList>& lists) {
    const QString section = objectName();
    if (FirstTranslation()) {
        for (QWidget* control : captions) LanguageUtil::StoreOriginalText(control);
        for (const TranslatedList& list : lists)
            listDefaults_.insert(list.prefix, LanguageUtil::ListToArray(list.lists.front()));
    }
    for (QWidget* control : captions) LanguageUtil::TranslateControl(section, control);
    for (const TranslatedList& list : lists) {
        const QStringList& design = listDefaults_.value(list.prefix);
        for (int i = 0; i < design.size(); ++i) {
            const QString text = GetLangText(section, list.prefix + QString::number(i), design[i]);
            for (QComboBox* combo : list.lists)
                if (i < combo->count()) combo->setItemText(i, text);
        }
    }
    // A translation may be longer than the design text.
    EditorControls::FitAllToText(this);
}

bool ParamEditorWindow::FirstTranslation() {
    if (designTextsStored_) return false;
    designTextsStored_ = true;
    return true;
}
