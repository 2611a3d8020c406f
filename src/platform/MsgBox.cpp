#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace MsgBox {
namespace {

Handler& handler() {
    static Handler h;
    return h;
}

HelpOpener& helpOpener() {
    static HelpOpener h;
    return h;
}

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int result;
};

QList<ButtonSpec> buttonsFor(int style) {
    switch (style & 0x0F) {
    case 1: return {{QMessageBox::Ok, Ok}, {QMessageBox::Cancel, Cancel}};
    case 2: return {{QMessageBox::Abort, Abort}, {QMessageBox::Retry, Retry}, {QMessageBox::Ignore, Ignore}};
    case 3: return {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}, {QMessageBox::Cancel, Cancel}};
    case 4: return {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}};
    case 5: return {{QMessageBox::Retry, Retry}, {QMessageBox::Cancel, Cancel}};
    default: return {{QMessageBox::Ok, Ok}};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (style & 0xF0) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int showReal(const Request& r) {
    QMessageBox box(iconFor(r.style), r.title, r.text, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<ButtonSpec> specs = buttonsFor(r.style);
    for (const ButtonSpec& s : specs) box.addButton(s.button);
    // Bits 8 and 9 choose the second or third button as the default.
    const int defaultIndex = (r.style >> 8) & 0x03;
    if (defaultIndex < specs.size()) box.setDefaultButton(specs[defaultIndex].button);
    QPushButton* help = nullptr;
    if (!r.helpFile.isEmpty()) help = box.addButton(QMessageBox::Help);
    for (;;) {
        box.exec();
        if (help && box.clickedButton() == help) {
            if (helpOpener()) helpOpener()(r.helpFile, r.helpContext);
            continue;
        }
        const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
        for (const ButtonSpec& s : specs)
            if (s.button == clicked) return s.result;
        // Closing the box with Escape or the title bar answers like Cancel where
        // there is one, else like the only button.
        for (const ButtonSpec& s : specs)
            if (s.result == Cancel) return Cancel;
        return specs.size() == 1 ? specs.front().result : specs.back().result;
    }
}

}  // namespace

int Show(const Request& request) {
    if (handler()) return handler()(request);
    return showReal(request);
}

void SetHandler(Handler h) { handler() = std::move(h); }

void SetHelpOpener(HelpOpener opener) { helpOpener() = std::move(opener); }

}  // namespace MsgBox
