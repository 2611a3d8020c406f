#include "mainwin/Toolbar.h"

#include "frame/LanguageUtil.h"
#include "frame/Utils.h"
#include "mainwin/ToolbarPictures.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include <cmath>
#include <vector>

namespace Toolbar {
namespace {

constexpr int TipDelayMs = 1000;

// A toolbar button that shows the pictures of its record: grayed while
// disabled, pressed while held down, raised while the pointer is over it.
// Qt's own tool tip is replaced by the delayed tip of this module.
class ImageButton : public QToolButton {
public:
    ImageButton(ToolbarButton& record, QWidget* parent) : QToolButton(parent), record_(record) {
        setObjectName(QStringLiteral("btToolbar"));
        setProperty("index", record.ButtonIndex);
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(record.NormalImage.size().expandedTo(QSize(ToolbarPictures::ButtonSize,
                                                               ToolbarPictures::ButtonSize)));
    }

    const ToolbarButton& record() const { return record_; }

    const QPixmap& picture() const {
        if (!isEnabled() && !record_.DisabledImage.isNull()) return record_.DisabledImage;
        if (!isEnabled()) return record_.NormalImage;
        if (isDown()) return record_.PressedImage;
        if (underMouse()) return record_.RaisedImage;
        return record_.NormalImage;
    }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPixmap& pic = picture();
        painter.drawPixmap((width() - pic.width()) / 2, (height() - pic.height()) / 2, pic);
    }

private:
    ToolbarButton& record_;
};

// frmTip: a borderless window with one label that never takes the focus.
class TipWindow : public QWidget {
public:
    TipWindow() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
        setObjectName(QStringLiteral("frmTip"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        lblTip = new QLabel(QStringLiteral("Tooltip"), this);
        lblTip->setObjectName(QStringLiteral("lblTip"));
        lblTip->setTextFormat(Qt::PlainText);
        lblTip->setPalette(QToolTip::palette());
        lblTip->setAutoFillBackground(true);
        lblTip->setFrameShape(QFrame::Box);
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(lblTip);
    }
    QLabel* lblTip;
};

struct RegisteredToolbar {
    QPointer<QToolBar> bar;
    Dispatcher dispatch;
};

struct ToolbarState {
    std::vector<RegisteredToolbar> toolbars;   // toolbar number n is entry n - 1
    QPointer<QWidget> form;
    QImage normalBackground, raisedBackground, pressedBackground;
    QPointer<ImageButton> current;             // the button the pointer last entered
    QPointer<TipWindow> tip;
    QPointer<QTimer> timTip;
    bool busy = false;
};

ToolbarState& state() {
    static ToolbarState s;
    return s;
}

QTimer& tipTimer() {
    ToolbarState& s = state();
    if (!s.timTip) {
        s.timTip = new QTimer(qApp);
        s.timTip->setInterval(TipDelayMs);
        QObject::connect(s.timTip, &QTimer::timeout, [] { TipFollowLoop(); });
    }
    return *s.timTip;
}

// The pointer entered a button: it becomes the current one and the tip
// timer starts (for disabled buttons too, so they show their tips).
void StoreButtonState(ImageButton* button) {
    state().current = button;
    tipTimer().start();
}

bool ImageButton::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::Enter:
        StoreButtonState(this);
        update();   // raised
        break;
    case QEvent::Leave:
        HideButtonTip();
        update();   // back to normal
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        HideButtonTip();
        break;
    case QEvent::ToolTip:
        return true;
    default:
        break;
    }
    return QToolButton::event(e);
}

QPixmap composed(const QImage& background, const QImage& icon, bool pressed, bool gray) {
    return QPixmap::fromImage(BuildButtonImage(background, icon, pressed, gray));
}

}  // namespace

int InitToolbar(QWidget* form, QToolBar* bar, Dispatcher dispatch) {
    int on = 1;
    QuickHelpEnabled(on);
    ToolbarState& s = state();
    s.form = form;
    s.toolbars.push_back({bar, std::move(dispatch)});
    bar->setMovable(false);
    bar->setIconSize(QSize(ToolbarPictures::ButtonSize, ToolbarPictures::ButtonSize));
    s.normalBackground = ToolbarPictures::ButtonBackground(QStringLiteral("BUTTON"));
    s.pressedBackground = ToolbarPictures::ButtonBackground(QStringLiteral("PBUTTON"));
    s.raisedBackground = ToolbarPictures::ButtonBackground(QStringLiteral("UBUTTON"));
    return int(s.toolbars.size());
}

void AddToolbarButton(ToolbarButton& record, QAction* control, const QImage& icon, bool canDisable,
                      const QString& tip, int toolbarNumber) {
    ToolbarState& s = state();
    record.ButtonIndex = control->property("index").toInt();
    record.ToolbarNumber = toolbarNumber;
    record.NormalImage = composed(s.normalBackground, icon, false, false);
    record.RaisedImage = composed(s.raisedBackground, icon, false, false);
    record.PressedImage = composed(s.pressedBackground, icon, true, false);
    if (canDisable) record.DisabledImage = composed(s.normalBackground, icon, false, true);
    record.Control = control;
    record.Tip = tip;
    control->setEnabled(!record.Disabled);

    if (toolbarNumber < 1 || toolbarNumber > int(s.toolbars.size())) return;
    QToolBar* bar = s.toolbars[size_t(toolbarNumber - 1)].bar;
    if (!bar) return;
    auto* button = new ImageButton(record, bar);
    button->setDefaultAction(control);
    bar->addWidget(button);
    QObject::connect(control, &QAction::triggered, control, [&record] { ClickButton(record); });
}

void SetButtonDisabled(ToolbarButton& record, bool disabled) {
    record.Disabled = disabled;
    if (record.Control) record.Control->setEnabled(!disabled);
}

void ClickButton(const ToolbarButton& record) {
    ToolbarState& s = state();
    if (record.Disabled || s.busy) return;
    const int number = record.ToolbarNumber;
    if (number < 1 || number > int(s.toolbars.size())) return;
    const Dispatcher dispatch = s.toolbars[size_t(number - 1)].dispatch;
    if (!dispatch) return;
    s.busy = true;
    const auto clearBusy = qScopeGuard([] { state().busy = false; });
    dispatch(record.ButtonIndex);
}

bool Busy() {
    return state().busy;
}

void QuickHelpEnabled(int& value) {
    if (value == -1) {
        value = LanguageUtil::QuickHelpOn() ? 1 : 0;
        return;
    }
    LanguageUtil::SetQuickHelpOn(value != 0);
}

void HideButtonTip() {
    ToolbarState& s = state();
    if (s.timTip) s.timTip->stop();
    if (s.tip) s.tip->hide();
    if (s.current) s.current->update();
}

void TipFollowLoop() {
    ToolbarState& s = state();
    ImageButton* button = s.current;
    if (!button || !s.form || QApplication::activeWindow() != s.form->window()) {
        HideButtonTip();
        return;
    }
    const QRect area(button->mapToGlobal(QPoint(0, 0)), button->size());
    const QPoint pointer = QCursor::pos(button->screen());
    // The right and bottom edges count as inside.
    const bool inside = pointer.x() >= area.left() && pointer.x() <= area.left() + area.width() &&
                        pointer.y() >= area.top() && pointer.y() <= area.top() + area.height();
    if (!inside) {
        HideButtonTip();
        return;
    }
    if (!LanguageUtil::QuickHelpOn()) return;

    if (!s.tip) s.tip = new TipWindow;
    const QRect screen = button->screen()->geometry();
    // A tip wider than the screen (an overlong translation) is cut to fit.
    const QString tip = QLatin1Char(' ') + button->record().Tip + QLatin1Char(' ');
    s.tip->lblTip->setText(s.tip->lblTip->fontMetrics().elidedText(tip, Qt::ElideRight, screen.width() - 8));
    s.tip->adjustSize();
    s.tip->move(TipPosition(area, s.tip->size(), screen));
    s.tip->show();
    s.tip->raise();
}

QPoint TipPosition(const QRect& button, const QSize& tip, const QRect& screen) {
    int left = button.left() + int(std::nearbyint((button.width() - tip.width()) / 2.0));
    int top = button.top() + button.height();
    if (top + tip.height() > screen.top() + screen.height()) top = top - tip.height() - button.height();
    if (left < screen.left()) left = screen.left();
    if (left + tip.width() > screen.left() + screen.width()) left = screen.left() + screen.width() - tip.width();
    return {left, top};
}

QWidget* VisibleTip() {
    ToolbarState& s = state();
    return s.tip && s.tip->isVisible() ? s.tip.data() : nullptr;
}

int GrayLevel(QRgb colour) {
    // Halves go to the even neighbour in both steps.
    const double mean = std::nearbyint((qRed(colour) + qGreen(colour) + qBlue(colour)) / 3.0);
    return int(std::nearbyint(mean / 255.0 * 82.0 + 110.0));
}

QImage MakeGrayBitmap(const QImage& bitmap) {
    QImage gray = bitmap.convertToFormat(QImage::Format_RGB32);
    QRgb lastColour = 0;
    QRgb lastGray = 0;
    bool haveLast = false;
    for (int y = 0; y < gray.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(gray.scanLine(y));
        for (int x = 0; x < gray.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000;
            if (c == Utils::KeyColour) continue;
            // Icons are drawn in runs of one colour; work each run out once.
            if (!haveLast || c != lastColour) {
                const int g = GrayLevel(c);
                lastColour = c;
                lastGray = qRgb(g, g, g);
                haveLast = true;
            }
            line[x] = lastGray;
        }
    }
    return gray;
}

QImage BuildButtonImage(const QImage& background, const QImage& icon, bool pressed, bool gray) {
    QImage result(background.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    Utils::DrawTransparent(result, background, 0, 0, Utils::KeyColour);
    const int offset = pressed ? 1 : 0;
    Utils::DrawTransparent(result, gray ? MakeGrayBitmap(icon) : icon, offset, offset, Utils::KeyColour);
    return result;
}

void ResetForTests() {
    ToolbarState& s = state();
    delete s.tip;
    delete s.timTip;
    s = ToolbarState{};
}

}  // namespace Toolbar
