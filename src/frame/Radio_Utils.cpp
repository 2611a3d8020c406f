#include "frame/Radio_Utils.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace Radio_Utils {
namespace {

int arrayIndex(const QRadioButton* button, int position) {
    const QVariant index = button->property("index");
    return index.isValid() ? index.toInt() : position;
}

// Qt refuses to uncheck the checked button of an exclusive group, so the
// group's exclusiveness is lifted while the button is cleared.
void uncheck(QRadioButton* button) {
    if (!button->isChecked()) return;
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive) group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive) group->setExclusive(true);
}

}  // namespace

void SetRadioIndex(std::span<QRadioButton* const> buttons, int i) {
    if (i < 0) {
        for (QRadioButton* button : buttons) uncheck(button);
        return;
    }
    if (i >= static_cast<int>(buttons.size())) i = 0;
    for (size_t position = 0; position < buttons.size(); ++position) {
        if (arrayIndex(buttons[position], static_cast<int>(position)) == i) {
            buttons[position]->setChecked(true);
            return;
        }
    }
}

int GetRadioIndex(std::span<QRadioButton* const> buttons) {
    for (size_t position = 0; position < buttons.size(); ++position)
        if (buttons[position]->isChecked()) return arrayIndex(buttons[position], static_cast<int>(position));
    return 0;
}

}  // namespace Radio_Utils
