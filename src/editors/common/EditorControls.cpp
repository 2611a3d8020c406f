#include "editors/common/EditorControls.h"

#include "editors/common/Twips.h"
#include "frame/FrameStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace EditorControls {

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* caption, QRect twips) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(Twips::Rect(twips.x(), twips.y(), twips.width(), twips.height()));
    FrameStyle::Use(frame);
    return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QRect rect) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    return label;
}

QLabel* MakeArrayLabel(QWidget* parent, const char* name, int index, const char* text, QRect rect) {
    QLabel* label = MakeLabel(parent, name, text, rect);
    label->setProperty("index", index);
    return label;
}

QLabel* MakeDisplayLabel(QWidget* parent, const char* name, QRect rect) {
    QLabel* display = MakeLabel(parent, name, "", rect);
    display->setFrameShape(QFrame::StyledPanel);
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return display;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect rect) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    return box;
}

QComboBox* MakeList(QWidget* parent, const char* name, std::initializer_list<const char*> items, QRect rect) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const char* item : items) list->addItem(QString::fromUtf8(item));
    list->setCurrentIndex(-1);
    list->setGeometry(rect);
    return list;
}

QGroupBox* MakeSeparator(QWidget* parent, int index, QRect rect) {
    auto* line = new QGroupBox(parent);
    line->setObjectName(QStringLiteral("Frame1"));
    line->setProperty("index", index);
    line->setGeometry(rect);
    FrameStyle::Use(line);   // the same etched line as the captioned frames
    return line;
}

void SelectEntry(QComboBox* list, std::optional<int> index) {
    if (index && *index >= 0 && *index < list->count()) list->setCurrentIndex(*index);
}

namespace {

// The width a control needs to show all of its text; 0 for controls whose
// width is not about text (pictures, wrapped labels, Qt's own inner parts).
int widthOfText(const QWidget* control) {
    if (control->objectName().startsWith(QLatin1String("qt_"))) return 0;
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (auto* list = qobject_cast<const QComboBox*>(control)) {
        // Every entry, not only the one shown: the user may choose any.
        int longest = 0;
        for (int i = 0; i < list->count(); ++i)
            longest = std::max(longest, list->fontMetrics().boundingRect(list->itemText(i)).width());
        QStyleOptionComboBox option;
        option.initFrom(list);
        return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(longest, list->height()), list).width();
    }
    const bool option = qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control) ||
                        qobject_cast<const QPushButton*>(control);
    return option ? control->sizeHint().width() : 0;
}

}  // namespace

void FitToText(QWidget* control) {
    const int needed = widthOfText(control);
    if (needed <= control->width()) return;
    QRect place = control->geometry();
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label && (label->alignment() & Qt::AlignRight)) place.setLeft(place.left() + place.width() - needed);
    else place.setWidth(needed);
    control->setGeometry(place);
}

void FitAllToText(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) FitToText(control);
}

DipSwitchPicture MakeDipSwitchPicture(QWidget* parent, QPoint topLeft, int switchWidth) {
    constexpr int LabelHeight = 14;
    DipSwitchPicture made;
    made.picDips = new DipSwitchView(parent);
    // One pixel more than the switches, for the right edge of the last one.
    made.picDips->setGeometry(topLeft.x(), topLeft.y(), switchWidth * DipSwitches::Count + 1, 2 * switchWidth);
    made.lblDipOn = MakeLabel(parent, "lblDipOn", "ON", {topLeft.x() - 24, topLeft.y(), 22, LabelHeight});
    for (int i = 0; i < DipSwitches::Count; ++i) {
        const QByteArray digit = QByteArray::number((i + 1) % 10);
        QLabel* number = MakeArrayLabel(parent, "lblDipCount", i, digit.constData(),
                                        {topLeft.x() + i * switchWidth, topLeft.y() + 2 * switchWidth + 1,
                                         switchWidth, LabelHeight});
        number->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        made.lblDipCount[size_t(i)] = number;
    }
    return made;
}

}  // namespace EditorControls
