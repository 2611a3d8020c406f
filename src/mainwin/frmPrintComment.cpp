#include "mainwin/frmPrintComment.h"

#include "frame/Window.h"
#include "mainwin/WindowTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int HelpContext = 100;

// Lives as long as the program: the comment survives closing the dialog.
struct CommentMemory {
    bool confirmed = false;
    QString comment;
};

CommentMemory& memory() {
    static CommentMemory m;
    return m;
}

}  // namespace

frmPrintComment::frmPrintComment(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrintComment"));
    setWindowTitle(QStringLiteral("Zelvo 8200  Datenblatt"));
    lblComment = new QLabel(QStringLiteral("Zusatzbeschreibung:"), this);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    txtComment = new QPlainTextEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    txtComment->setTabChangesFocus(true);
    lblComment->setBuddy(txtComment);
    btOk = new QPushButton(QStringLiteral("&OK"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    btHelp = new QPushButton(QStringLiteral("&Hilfe"), this);
    btHelp->setObjectName(QStringLiteral("btHelp"));
    btCancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOk);
    buttons->addWidget(btHelp);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblComment);
    layout->addWidget(txtComment);
    layout->addLayout(buttons);
    resize(420, 200);

    connect(btOk, &QPushButton::clicked, this, [this] {
        memory().confirmed = true;
        accept();
    });
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btHelp, &QPushButton::clicked, this, [] { Window::ShowHelp(HelpContext); });

    SetLanguage();
}

void frmPrintComment::SetLanguage() {
    TranslateWindow(this);
}

void frmPrintComment::done(int result) {
    // OK, Cancel and the close box alike: what was typed is remembered.
    QString text = txtComment->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    memory().comment = text;
    QDialog::done(result);
}

bool frmPrintComment::GetComment(QString& comment) {
    CommentMemory& m = memory();
    m.confirmed = false;
    comment = m.comment;
    frmPrintComment dialog(Window::MainWindow());
    Window::ShowModalCentered(&dialog);
    if (m.confirmed) comment = m.comment;
    return m.confirmed;
}

void frmPrintComment::ResetForTests() {
    memory() = CommentMemory{};
}
