#include "editors/common/WheelNeedsFocus.h"

#include <QComboBox>
#include <QEvent>
#include <QSlider>
#include <QWidget>

namespace WheelNeedsFocus {
namespace {

const char* const FilterName = "wheelNeedsFocus";

class WheelFilter : public QObject {
public:
    explicit WheelFilter(QObject* parent) : QObject(parent) { setObjectName(QLatin1String(FilterName)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus()) return false;
        // Not the control's: the window around it may take the turn.
        event->ignore();
        return true;
    }
};

}  // namespace

void Install(QWidget* window) {
    if (window->findChild<QObject*>(QLatin1String(FilterName), Qt::FindDirectChildrenOnly)) return;
    auto* filter = new WheelFilter(window);
    const auto take = [filter](QWidget* control) {
        if (control->focusPolicy() == Qt::WheelFocus) control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(filter);
    };
    for (QComboBox* list : window->findChildren<QComboBox*>()) take(list);
    for (QSlider* slider : window->findChildren<QSlider*>()) take(slider);
}

}  // namespace WheelNeedsFocus
