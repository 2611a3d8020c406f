#include "platform/MsgBox.h"

#include "platform/CentredDialog.h"
#include "platform/DialogOwner.h"
#include "platform/ProgramEnd.h"

#include <QCursor>
#include <QGuiApplication>
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
    CentredDialog<QMessageBox> box(iconFor(r.style), r.title, r.text, QMessageBox::NoButton, DialogOwner::Current());
    // The texts hold names from files, the sensor and the user ("<%s>"),
    // never markup: a name such as "<BR>" must not become a line break.
    box.setTextFormat(Qt::PlainText);
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

// The answer of a box that is not shown: the one that goes on least.
int unshownAnswer(int style) {
    switch (style & 0x0F) {
    case OkCancel:
    case YesNoCancel:
    case RetryCancel: return Cancel;
    case AbortRetryIgnore: return Abort;
    case YesNo: return No;
    default: return Ok;
    }
}

// A box asks the user for an answer, so it shows the normal pointer even in
// the middle of work that shows the hourglass; the work's pointer comes back
// with the box gone.
class NormalPointer {
public:
    NormalPointer() : lifted_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
                              QGuiApplication::overrideCursor()) {
        if (lifted_) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~NormalPointer() {
        if (lifted_) QGuiApplication::restoreOverrideCursor();
    }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

private:
    bool lifted_;
};

}  // namespace

int Show(const Request& request) {
    // Once the main window is gone nobody is there to answer.
    if (ProgramEnd::Ending()) return unshownAnswer(request.style);
    const NormalPointer pointer;
    if (handler()) return handler()(request);
    return showReal(request);
}

void SetHandler(Handler h) { handler() = std::move(h); }

void SetHelpOpener(HelpOpener opener) { helpOpener() = std::move(opener); }

}  // namespace MsgBox
