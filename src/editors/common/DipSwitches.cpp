#include "editors/common/DipSwitches.h"

#include "editors/common/ControlGroups.h"
#include "frame/Utils.h"
#include "frame/bit.h"

#include <QComboBox>
#include <QPainter>
#include <cmath>

namespace DipSwitches {
namespace {

// The leading hexadecimal number of a text; 0 when it starts with none.
int leadingHex(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

std::array<bool, Count> States(const QString& dipValue) {
    std::array<bool, Count> states{};
    const quint8 switches = quint8(leadingHex(dipValue.left(2)));
    for (int bit = 7; bit >= 0; --bit) states[size_t(7 - bit)] = GetBit(switches, bit) == 1;
    states[8] = leadingHex(dipValue.mid(2, 1)) != 0;
    states[9] = false;
    return states;
}

void ShowUse(const QComboBox* useList, std::initializer_list<QWidget*> firstOutput,
             std::initializer_list<QWidget*> secondOutput, std::initializer_list<QWidget*> analogOutput, bool analog) {
    constexpr int InUse = 1;
    const bool editable = useList->currentIndex() != InUse;
    EnableControls(firstOutput, editable);
    EnableControls(analog ? analogOutput : secondOutput, editable);
}

}  // namespace DipSwitches

DipSwitchView::DipSwitchView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picDips"));
}

void DipSwitchView::SetValue(const QString& dipValue) {
    states_ = DipSwitches::States(dipValue);
    update();
}

void DipSwitchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double height = this->height();
    const double width = std::lround(height / 2);
    double x = 0;
    for (bool on : states_) {
        Utils::DrawMarker(painter, on, x, 0, width, std::lround(height));
        x += width;
    }
}
