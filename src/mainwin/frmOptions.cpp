#include "mainwin/frmOptions.h"

#include "frame/Checkbox_Utils.h"
#include "frame/Combo_Utils.h"
#include "frame/FrameStyle.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/PortUtil.h"
#include "frame/Window.h"
#include "link/Ports.h"
#include "mainwin/Toolbar.h"
#include "mainwin/WindowTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int HelpContext = 200;

QGroupBox* frame(const char* name, const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    FrameStyle::Use(box);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

}  // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Optionen"));

    cmbPort = new QComboBox(this);
    cmbPort->setObjectName(QStringLiteral("cmbPort"));
    cmbPort->setEditable(true);   // a device path that the list does not know can be typed
    cmbPort->setInsertPolicy(QComboBox::NoInsert);
    KeepDesignText(cmbPort);
    framePort = frame("framePort", QStringLiteral("Schnittstelle"), cmbPort, this);
    chkTooltips = new QCheckBox(QStringLiteral("Hilfestellungen"), this);
    chkTooltips->setObjectName(QStringLiteral("chkTooltips"));
    chkSendRST = new QCheckBox(QStringLiteral("RST Befehl während der Sensorerkennung senden "), this);
    chkSendRST->setObjectName(QStringLiteral("chkSendRST"));
    cmbLanguage = new QComboBox(this);
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    KeepDesignText(cmbLanguage);
    frameSprache = frame("frameSprache", QStringLiteral("Sprache/Language"), cmbLanguage, this);
    KeepDesignText(frameSprache);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btHelp = new QPushButton(QStringLiteral("Hilfe"), this);
    btHelp->setObjectName(QStringLiteral("btHelp"));
    btCancel = new QPushButton(QStringLiteral("Abbruch"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btOK);
    buttons->addWidget(btHelp);
    buttons->addWidget(btCancel);
    buttons->addStretch();
    auto* choices = new QVBoxLayout;
    choices->addWidget(framePort);
    choices->addWidget(chkTooltips);
    choices->addWidget(chkSendRST);
    choices->addWidget(frameSprache);
    choices->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices, 1);
    layout->addLayout(buttons);

    connect(btOK, &QPushButton::clicked, this, &frmOptions::apply);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btHelp, &QPushButton::clicked, this, [] { Window::ShowHelp(HelpContext); });
    connect(cmbLanguage, &QComboBox::activated, this, &frmOptions::languageChosen);

    SetLanguage();
    int quickHelp = -1;
    Toolbar::QuickHelpEnabled(quickHelp);
    SetCheck(chkTooltips, quickHelp != 0);
    QString currentPort;
    Ports::SetPort(currentPort);
    FillPortList(cmbPort);
    // A port given as a device path is not in the machine's list; it stays
    // the choice rather than silently becoming the first entry on OK.
    if (!currentPort.isEmpty() && cmbPort->findText(currentPort) < 0) cmbPort->addItem(currentPort);
    ComboFindText(cmbPort, currentPort, 0);
    for (int i = 0;; ++i) {
        const QString name = LanguageUtil::GetLanguageName(i);
        if (name.isEmpty()) break;
        cmbLanguage->addItem(name);
    }
    int currentLanguage = -1;
    LanguageUtil::SelectLanguage(currentLanguage);
    cmbLanguage->setCurrentIndex(currentLanguage);
    SetCheck(chkSendRST, Options::Current().SendRST);
    Toolbar::HideButtonTip();
}

void frmOptions::SetLanguage() {
    TranslateWindow(this);
}

void frmOptions::languageChosen(int index) {
    LanguageUtil::SelectLanguage(index);
    SetLanguage();
}

void frmOptions::apply() {
    int quickHelp = GetCheck(chkTooltips) ? 1 : 0;
    Toolbar::QuickHelpEnabled(quickHelp);
    QString port = cmbPort->currentText().trimmed();
    // SetPort reports a port that cannot be opened itself (message 2).
    Ports::SetPort(port);
    Options::Current().SendRST = GetCheck(chkSendRST);
    accept();
}
