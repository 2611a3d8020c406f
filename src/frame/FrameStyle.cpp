#include "frame/FrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

#include <algorithm>

namespace FrameStyle {
namespace {

// The caption starts a little way in from the frame's left edge, with a gap
// in the line on either side of its text.
constexpr int CaptionIndent = 6;
constexpr int CaptionGap = 2;

// Everything but the frames comes from the application's style. A checkable
// frame (none of ours is) keeps that style's look as a whole.
class CaptionInBorderStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const auto* box = ownFrame(control, option);
        if (!box) return QProxyStyle::subControlRect(control, option, part, widget);
        const int captionHeight = box->text.isEmpty() ? 0 : box->fontMetrics.height();
        QRect border = box->rect;
        border.setTop(box->rect.top() + captionHeight / 2);
        const int line = std::max(box->lineWidth, 1) * 2;   // the dark line and its light edge
        switch (part) {
        case SC_GroupBoxFrame:
            return border;
        case SC_GroupBoxLabel: {
            if (box->text.isEmpty()) return {};
            const int textWidth = box->fontMetrics.size(Qt::TextShowMnemonic, box->text).width();
            const QRect caption(box->rect.left() + CaptionIndent, box->rect.top(), textWidth + 2 * CaptionGap,
                                captionHeight);
            return caption.intersected(box->rect);
        }
        case SC_GroupBoxContents:
            return box->rect.adjusted(line, std::max(captionHeight, border.top() - box->rect.top() + line), -line,
                                      -line);
        default:
            return {};
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* box = ownFrame(control, option);
        if (!box) return QProxyStyle::drawComplexControl(control, option, painter, widget);
        const QRect caption = subControlRect(control, box, SC_GroupBoxLabel, widget);
        if (box->subControls & SC_GroupBoxFrame) {
            painter->save();
            painter->setClipRegion(QRegion(box->rect) - caption, Qt::IntersectClip);
            // The etched line of the designs: a dark line with a light one below and right of it.
            qDrawShadeRect(painter, subControlRect(control, box, SC_GroupBoxFrame, widget), box->palette, true,
                           std::max(box->lineWidth, 1), 0);
            painter->restore();
        }
        if ((box->subControls & SC_GroupBoxLabel) && !box->text.isEmpty()) {
            int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
            if (!styleHint(SH_UnderlineShortcut, box, widget)) flags |= Qt::TextHideMnemonic;
            drawItemText(painter, caption, flags, box->palette, box->state & State_Enabled, box->text,
                         QPalette::WindowText);
        }
    }

private:
    static const QStyleOptionGroupBox* ownFrame(ComplexControl control, const QStyleOptionComplex* option) {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) return nullptr;
        return box;
    }
};

// One style for every frame, living as long as the application.
QStyle* captionInBorderStyle() {
    static QStyle* style = [] {
        auto* made = new CaptionInBorderStyle;
        made->setParent(qApp);
        return made;
    }();
    return style;
}

}  // namespace

void Use(QGroupBox* frame) { frame->setStyle(captionInBorderStyle()); }

}  // namespace FrameStyle
