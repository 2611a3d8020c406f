#include "mainwin/frmCommand.h"

#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "frame/Window.h"
#include "link/Ports.h"
#include "link/SensorInfo.h"
#include "link/TrafficLog.h"
#include "mainwin/CommandHistory.h"
#include "platform/Hourglass.h"
#include "mainwin/WindowTexts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int HelpContext = 500;
constexpr int Margin = 4;
constexpr int LabelWidth = 193;    // lblCommand: the narrowest the window may get, with its margins
constexpr int ButtonWidth = 77;

}  // namespace

frmCommand::frmCommand(QMdiArea* area, CommandHistory& history) : history_(history) {
    setObjectName(QStringLiteral("frmCommand"));
    setWindowTitle(QStringLiteral("Befehl senden"));

    lblCommand = new QLabel(QStringLiteral("Befehl:"), this);
    lblCommand->setObjectName(QStringLiteral("lblCommand"));
    lblCommand->setMinimumWidth(LabelWidth);
    cmbCommand = new QComboBox(this);
    cmbCommand->setObjectName(QStringLiteral("cmbCommand"));
    cmbCommand->setEditable(true);
    // The list is the history and nothing else: Enter sends instead of adding
    // an item, and no completion turns a typed "I" into a listed "ID" behind
    // the user's back.
    cmbCommand->setInsertPolicy(QComboBox::NoInsert);
    cmbCommand->setCompleter(nullptr);
    cmbCommand->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbCommand->setMinimumContentsLength(1);
    KeepDesignText(cmbCommand);   // its items are commands, not texts to translate
    lblSensor = new QLabel(QStringLiteral("Sensor Antwort:"), this);
    lblSensor->setObjectName(QStringLiteral("lblSensor"));
    txtSensor = new QLineEdit(this);
    txtSensor->setObjectName(QStringLiteral("txtSensor"));
    txtSensor->setReadOnly(true);
    btSend = new QPushButton(QStringLiteral("&Senden"), this);
    btSend->setObjectName(QStringLiteral("btSend"));
    btSend->setMinimumWidth(ButtonWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(2);
    layout->addWidget(lblCommand);
    layout->addWidget(cmbCommand);
    layout->addWidget(lblSensor);
    layout->addWidget(txtSensor);
    layout->addSpacing(Margin);
    layout->addWidget(btSend, 0, Qt::AlignRight);

    cmbCommand->installEventFilter(this);
    cmbCommand->lineEdit()->installEventFilter(this);
    connect(btSend, &QPushButton::clicked, this, &frmCommand::Send);

    area->addSubWindow(this);
    fixHeight(area);
    Window::RestoreWindowPos(this);
    Loaded = true;
    fillList();
    cmbCommand->setCurrentIndex(-1);   // the list is offered, the text starts empty
    SetLanguage();
}

// The window's height is what its controls need; only the width can change.
// By default it takes the lower left half of the main window's client area.
void frmCommand::fixHeight(QMdiArea* area) {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub) return;
    const QMargins frame = sub->contentsMargins();
    const int height = layout()->sizeHint().height() + frame.top() + frame.bottom();
    sub->setMinimumWidth(layout()->minimumSize().width() + frame.left() + frame.right());
    sub->setFixedHeight(height);
    const QSize client = area->viewport()->size();
    sub->setGeometry(0, client.height() - height, client.width() / 2, height);
}

void frmCommand::SetLanguage() {
    TranslateWindow(this);
    const CommandExchange::StatusTexts& builtIn = CommandExchange::BuiltInStatusTexts();
    for (size_t i = 0; i < statusTexts_.size(); ++i)
        statusTexts_[i] = GetLangText(objectName(), QStringLiteral("ErrStr") + QString::number(i), builtIn[i]);
}

void frmCommand::Send() {
    if (busy_) return;
    busy_ = true;
    const Hourglass hourglass;
    // What was typed when Send was pressed: the user may go on typing while
    // the sensor is asked, and the history and the editor must learn what was sent.
    const QString typed = cmbCommand->currentText();
    if (typed == CommandExchange::DiagnosticCommand) {
        for (const QString& line : CommandExchange::DiagnosticLines(Ports::ReadDepth(), Ports::EchoMode(),
                                                                    Ports::EchoWaitAlways()))
            TrafficLog::Offer({QStringLiteral("D:"), line, false});
        busy_ = false;
        return;
    }
    txtSensor->clear();
    // Window events run while the sensor is asked, so the window may be
    // closed (and deleted) before the answer comes. The command was sent all
    // the same and belongs in the history.
    const QPointer<frmCommand> self(this);
    CommandHistory& history = history_;
    const QString answer = CommandExchange::Exchange(typed, Options::Current().CommandUpper);
    if (!self) {
        history.AddCommand(typed);
        return;
    }
    txtSensor->setText(CommandExchange::ShownAnswer(answer, statusTexts_));
    const QString taken = AddCommand(typed);
    cmbCommand->lineEdit()->selectAll();   // typing replaces the command
    QString interpreted = taken.isEmpty() ? typed : taken;
    Sensor::SensorInterpretCommand(interpreted);
    if (self) busy_ = false;
}

QString frmCommand::AddCommand(const QString& command) {
    const QString taken = history_.AddCommand(command);
    if (taken.isEmpty()) return taken;
    fillList();
    cmbCommand->setEditText(taken);
    return taken;
}

void frmCommand::fillList() {
    cmbCommand->clear();
    cmbCommand->addItems(history_.Entries());
}

// With CommandUpper set, every typed character arrives in upper case.
bool frmCommand::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Options::Current().CommandUpper) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString upper = CommandExchange::UpperLatin1(key->text());
        if (key->text().size() == 1 && upper != key->text()) {
            QKeyEvent upperKey(key->type(), key->key(), key->modifiers(), upper, key->isAutoRepeat(),
                               quint16(key->count()));
            QCoreApplication::sendEvent(watched, &upperKey);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCommand::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        Window::ShowHelp(HelpContext);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Send is the window's default button, wherever the focus is.
        btSend->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmCommand::closeEvent(QCloseEvent* event) {
    if (Options::Services().SetMenuChecked) Options::Services().SetMenuChecked(QStringLiteral("mnCommand"), false);
    Window::SaveWindowPos(this);
    Loaded = false;
    event->accept();
}
