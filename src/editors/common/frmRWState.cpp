#include "editors/common/frmRWState.h"

#include "editors/common/RWState.h"
#include "frame/LanguageUtil.h"
#include "frame/Message.h"
#include "link/SensorState.h"
#include "platform/DialogOwner.h"
#include "platform/MsgBox.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Section = QStringLiteral("frmRWState");
constexpr int CancelMessage = 10;

const char* const OperationTexts[] = {
    "Daten zum Sensor übertragen.", "Daten zum Programm übertragen.", "Sensor suchen.",
    "Empfindlichkeit lesen!",       "Empfindlichkeit schreiben!",
};

}  // namespace

frmRWState::frmRWState(QWidget* parent) : QDialog(parent) {
    setObjectName(Section);
    setWindowTitle(QStringLiteral("Zelvo 8200"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < int(lblSensor.size()); ++i) {
        lblSensor[i] = new QLabel(QString::fromUtf8(OperationTexts[i]), this);
        lblSensor[i]->setObjectName(QStringLiteral("lblSensor"));
        lblSensor[i]->setProperty("index", i);
        lblSensor[i]->hide();
        layout->addWidget(lblSensor[i]);
    }
    lblComment = new QLabel(this);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    lblComment->setProperty("tag", QStringLiteral("NOLANG"));
    layout->addWidget(lblComment);
    gaugeBar = new QProgressBar(this);
    gaugeBar->setObjectName(QStringLiteral("gaugeBar"));
    gaugeBar->setTextVisible(false);
    gaugeBar->setMinimumWidth(300);
    layout->addWidget(gaugeBar);
    btCancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setAutoDefault(false);
    layout->addWidget(btCancel, 0, Qt::AlignHCenter);
    connect(btCancel, &QPushButton::clicked, this, &frmRWState::AskCancel);

    SetLanguage();
}

void frmRWState::ShowOperation(int mode, int count) {
    for (int i = 0; i < int(lblSensor.size()); ++i) lblSensor[i]->setVisible(i == mode);
    btCancel->setEnabled(true);
    gaugeBar->setRange(0, count + 1);
    gaugeBar->setValue(1);
}

void frmRWState::Advance(int step, const QString& comment) {
    const int value = gaugeBar->value() + step;
    if (value <= gaugeBar->maximum()) gaugeBar->setValue(value);
    lblComment->setText(comment.isNull() ? QString() : QLatin1Char('(') + comment + QLatin1Char(')'));
    lblComment->repaint();
}

void frmRWState::SetLanguage() {
    if (property("tag").toString().isEmpty()) {
        LanguageUtil::StoreOriginalText(this);
        LanguageUtil::StoreFormTexts(this);
    }
    LanguageUtil::TranslateControl(Section, this);
    LanguageUtil::TranslateForm(Section, this);
    const QString type = Sensor::State().SensorType;
    if (!type.isEmpty()) setWindowTitle(windowTitle() + QStringLiteral(" <") + type + QLatin1Char('>'));
}

QString frmRWState::OperationCaption() const {
    for (const QLabel* label : lblSensor)
        if (!label->isHidden()) return label->text();
    return QString();
}

void frmRWState::AskCancel() {
    // The question is this window's, which is not modal: it shows over it.
    const DialogOwner::AskedFrom askedHere(this);
    if (ShowMessage(CancelMessage, MsgBox::YesNo + MsgBox::Question, std::nullopt, OperationCaption()) != MsgBox::Yes) return;
    RWState::State().CancelRequested = true;
    btCancel->setEnabled(false);
}

void frmRWState::closeEvent(QCloseEvent* event) {
    event->ignore();
    RWState::State().CancelRequested = true;
}
