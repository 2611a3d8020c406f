#include "mainwin/frmAbout.h"

#include "mainwin/WindowTexts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Info über"));
    lblProgram = label("lblProgram", QStringLiteral("WinZelvo"), this);
    KeepDesignText(lblProgram);
    QFont big = lblProgram->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblProgram->setFont(big);
    lblVersion = label("lblVersion", QStringLiteral("Version"), this);
    lblVersionNum = label("lblVersionNum", QString(), this);
    KeepDesignText(lblVersionNum);
    lblRights = label("lblRights", QStringLiteral("Alle Rechte vorbehalten."), this);
    lblSoftware = label("lblSoftware", QStringLiteral("Einstellen und Beobachten von Ultraschall-Abstandssensoren."),
                        this);
    lblSoftware->setWordWrap(true);
    lblCONSTQt = label("lblCONSTQt", QString(), this);
    btOk = new QPushButton(QStringLiteral("&OK"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblProgram, 0, 0, 1, 3);
    // The number sits directly right of its caption.
    layout->addWidget(lblVersion, 1, 0);
    layout->addWidget(lblVersionNum, 1, 1);
    layout->setColumnStretch(2, 1);
    layout->addWidget(lblRights, 2, 0, 1, 3);
    layout->addWidget(lblSoftware, 3, 0, 1, 3);
    layout->addWidget(lblCONSTQt, 4, 0, 1, 3);
    layout->addWidget(btOk, 5, 2, Qt::AlignRight);
    layout->setHorizontalSpacing(0);

    SetLanguage();
    lblProgram->setText(QStringLiteral("Zelvo 8200"));
    // The major number keeps the blank of its decimal form: " 1.0.0".
    lblVersionNum->setText(QLatin1Char(' ') + QCoreApplication::applicationVersion());
    lblCONSTQt->setText(QStringLiteral("Qt ") + QLatin1String(qVersion()));
}

void frmAbout::SetLanguage() {
    TranslateWindow(this);
}
