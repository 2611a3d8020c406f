#pragma once
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QAction;
class QToolBar;
class QWidget;

// The main window's toolbar. Every button shows one of four pictures composed
// once at start from a background and the button's own icon (normal, raised
// while the pointer is over it, pressed, grayed while disabled); a tip window
// appears one second after the pointer entered a button; one busy flag stops
// a second toolbar command while the first still waits for the sensor. The
// module also owns the quick-help switch as the rest of the program sees it.
namespace Toolbar {

// One toolbar button; the main window keeps the table of all eleven.
struct ToolbarButton {
    int ToolbarNumber = 0;
    int ButtonIndex = 0;
    QAction* Control = nullptr;
    QPixmap NormalImage;
    QPixmap RaisedImage;
    QPixmap PressedImage;
    QPixmap DisabledImage;   // only for buttons that can be disabled
    bool Disabled = false;
    QString Tip;
    QString DesignTip;
};

// Runs the command of button `index` of a toolbar.
using Dispatcher = std::function<void(int index)>;

// Registers a toolbar and switches quick help on. `form` is the window whose
// activation the tip requires; `dispatch` runs a clicked button's command.
// Returns the toolbar's number (1 for the first).
int InitToolbar(QWidget* form, QToolBar* bar, Dispatcher dispatch);

// Builds the record's pictures from `icon` and puts a button for `control`
// (with its index as the "index" property) on the toolbar. The record must
// stay at its address while the button lives.
void AddToolbarButton(ToolbarButton& record, QAction* control, const QImage& icon, bool canDisable,
                      const QString& tip, int toolbarNumber);

// Switches a button off or on; a disabled button shows its grayed picture,
// runs no command and still shows its tip.
void SetButtonDisabled(ToolbarButton& record, bool disabled);

// The click: ignored while the button is disabled or any toolbar command
// runs; otherwise the toolbar's dispatcher runs the button's command.
void ClickButton(const ToolbarButton& record);
bool Busy();

// -1 reads the quick-help switch into value (1 on, 0 off); any other value
// switches it (0 off, anything else on).
void QuickHelpEnabled(int& value);

// Stops the tip timer and hides the tip.
void HideButtonTip();
// One tip step: hides the tip when the form is not active or the pointer
// left the button; otherwise shows it centred under the button, unless quick
// help is off. Runs every second while the pointer rests on a button.
void TipFollowLoop();
// The tip's top-left corner in screen pixels: centred under the button,
// above it when it would leave the screen's bottom, pushed back in from the
// left and right edges.
QPoint TipPosition(const QRect& button, const QSize& tip, const QRect& screen);
// The tip window while it is shown, else nullptr (tests look at it).
QWidget* VisibleTip();

// Picture composition.
int GrayLevel(QRgb colour);
QImage MakeGrayBitmap(const QImage& bitmap);
// The background with the icon on top (one pixel right and down when
// pressed, grayed when gray); key-colour pixels stay transparent.
QImage BuildButtonImage(const QImage& background, const QImage& icon, bool pressed, bool gray);

// Forgets the toolbars, the busy flag and the tip (tests).
void ResetForTests();

}  // namespace Toolbar
