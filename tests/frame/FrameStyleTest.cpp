// The program's frames: the caption stands in the border line, so whatever a
// layout puts in a frame must start below the whole caption, not below the line.
#include "frame/FrameStyle.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(FrameStyle, LaidOutContentsStartBelowTheCaption) {
    for (const QString caption : {"Schnittstelle", ""}) {
        QGroupBox frame(caption);
        FrameStyle::Use(&frame);
        auto* layout = new QVBoxLayout(&frame);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* inside = new QLabel(QStringLiteral("COM1"));
        layout->addWidget(inside);
        frame.resize(200, 100);
        layout->activate();
        // Without a caption the border line (a dark and a light row) is all above.
        const int captionBottom = caption.isEmpty() ? 2 : frame.fontMetrics().height();
        EXPECT_GE(inside->y(), captionBottom) << caption.toStdString();
    }
}

}  // namespace
