#include "frame/LanguageUtil.h"
#include "mainwin/Toolbar.h"
#include "mainwin/ToolbarPictures.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace {

struct GrayCase {
    QRgb colour;
    int gray;
};

TEST(ToolbarPicture, GrayLevelScalesTheMeanInto110To192) {
    const GrayCase cases[] = {
        {qRgb(255, 255, 255), 192},  // white ends on the key colour
        {qRgb(0, 0, 0), 110},
        {qRgb(255, 0, 0), 137},      // mean 85
        {qRgb(0, 0, 255), 137},
        {qRgb(128, 128, 128), 151},
        {qRgb(100, 50, 0), 126},
        {qRgb(1, 1, 2), 110},        // mean 1.33 rounds to 1
    };
    for (const GrayCase& c : cases)
        EXPECT_EQ(Toolbar::GrayLevel(c.colour), c.gray) << std::hex << c.colour;
}

TEST(ToolbarPicture, GrayedIconKeepsKeyPixelsAndLosesWhite) {
    QImage icon(3, 1, QImage::Format_RGB32);
    icon.setPixel(0, 0, Toolbar::KeyColour);
    icon.setPixel(1, 0, qRgb(255, 255, 255));
    icon.setPixel(2, 0, qRgb(255, 0, 0));
    const QImage gray = Toolbar::MakeGrayBitmap(icon);
    EXPECT_EQ(gray.pixel(0, 0), Toolbar::KeyColour);
    EXPECT_EQ(gray.pixel(2, 0), qRgb(137, 137, 137));

    // Composed on a flat background, the grayed white is as transparent as the key.
    const QImage background = ToolbarPictures::ButtonBackground("BUTTON");
    QImage big(background.size(), QImage::Format_RGB32);
    big.fill(Toolbar::KeyColour);
    big.setPixel(5, 5, qRgb(255, 255, 255));
    big.setPixel(6, 5, qRgb(0, 0, 0));
    const QImage grayed = Toolbar::BuildButtonImage(background, big, false, true);
    EXPECT_EQ(qAlpha(grayed.pixel(5, 5)), 0);
    EXPECT_EQ(grayed.pixel(6, 5), qRgb(110, 110, 110));
    EXPECT_EQ(qAlpha(grayed.pixel(0, 0)), 0);
}

TEST(ToolbarPicture, TransparentPictureShowsOnlyNonKeyPixels) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Toolbar::KeyColour);
    image.setPixel(1, 1, qRgb(191, 192, 192));  // close to the key is still a colour
    QPixmap picture = QPixmap::fromImage(image);
    Toolbar::MakePictureTransparent(picture);
    const QImage result = picture.toImage();
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
    EXPECT_EQ(result.pixel(1, 1), qRgb(191, 192, 192));
}

struct TipCase {
    const char* what;
    QRect button;
    QSize tip;
    QPoint expected;
};

TEST(ToolbarTip, PlacedUnderTheButtonAndKeptOnTheScreen) {
    const QRect screen(0, 0, 800, 600);
    const TipCase cases[] = {
        {"centred below", QRect(100, 50, 24, 24), QSize(60, 20), QPoint(82, 74)},
        {"above near the bottom", QRect(100, 570, 24, 24), QSize(60, 20), QPoint(82, 550)},
        {"pushed in from the left", QRect(2, 50, 24, 24), QSize(60, 20), QPoint(0, 74)},
        {"pushed in from the right", QRect(780, 50, 24, 24), QSize(60, 20), QPoint(740, 74)},
        {"bottom edge exactly reached stays below", QRect(100, 556, 24, 24), QSize(60, 20), QPoint(82, 580)},
    };
    for (const TipCase& c : cases) EXPECT_EQ(Toolbar::TipPosition(c.button, c.tip, screen), c.expected) << c.what;
}

// A main window with a toolbar of three buttons whose commands are recorded.
class ToolbarWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Toolbar::ResetForTests();
        LanguageUtil::SetQuickHelpOn(true);
        bar = window.addToolBar("tools");
        number = Toolbar::InitToolbar(&window, bar, [this](int index) {
            ran.push_back(index);
            if (onCommand) onCommand(index);
        });
        for (int i = 0; i < 3; ++i) {
            actions[i] = new QAction(&window);
            actions[i]->setProperty("index", i);
            Toolbar::AddToolbarButton(records[i], actions[i], ToolbarPictures::ToolbarIcon(i), i > 0,
                                      QString("tip %1").arg(i), number);
        }
    }
    void TearDown() override {
        Toolbar::ResetForTests();
        LanguageUtil::SetQuickHelpOn(true);
    }
    QToolButton* button(int i) {
        return qobject_cast<QToolButton*>(bar->widgetForAction(bar->actions().at(i)));
    }

    QMainWindow window;
    QToolBar* bar = nullptr;
    int number = 0;
    std::array<QAction*, 3> actions{};
    std::array<Toolbar::ToolbarButton, 3> records;
    std::vector<int> ran;
    std::function<void(int)> onCommand;
};

TEST_F(ToolbarWindow, DisabledButtonRunsNothingAndShowsItsGrayPicture) {
    EXPECT_TRUE(records[0].DisabledImage.isNull());   // cannot be disabled
    EXPECT_FALSE(records[2].DisabledImage.isNull());

    Toolbar::SetButtonDisabled(records[2], true);
    actions[2]->trigger();
    Toolbar::ClickButton(records[2]);
    EXPECT_TRUE(ran.empty());
    EXPECT_FALSE(button(2)->isEnabled());

    Toolbar::SetButtonDisabled(records[2], false);
    actions[2]->trigger();
    EXPECT_EQ(ran, std::vector<int>{2});
}

TEST_F(ToolbarWindow, SecondClickWhileACommandWaitsIsIgnored) {
    // The first command "waits for the sensor" and meanwhile the user clicks
    // another button and the same one again.
    onCommand = [this](int index) {
        if (index != 1) return;
        EXPECT_TRUE(Toolbar::Busy());
        actions[2]->trigger();
        button(1)->click();
    };
    button(1)->click();
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_FALSE(Toolbar::Busy());
    actions[2]->trigger();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_F(ToolbarWindow, TipFollowsQuickHelpAndThePointer) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
    QToolButton* b = button(2);
    Toolbar::SetButtonDisabled(records[2], true);   // disabled buttons show their tips too
    const QPoint inside = b->mapToGlobal(QPoint(b->width(), b->height()));   // the corner counts as inside
    QCursor::setPos(inside);
    if (QCursor::pos() != inside) GTEST_SKIP() << "this platform cannot place the pointer";

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(b, &enter);
    Toolbar::TipFollowLoop();
    ASSERT_NE(Toolbar::VisibleTip(), nullptr);
    EXPECT_TRUE(Toolbar::VisibleTip()->findChild<QLabel*>("lblTip")->text() == " tip 2 ");

    int off = 0;
    Toolbar::QuickHelpEnabled(off);
    Toolbar::HideButtonTip();
    QApplication::sendEvent(b, &enter);
    Toolbar::TipFollowLoop();
    EXPECT_EQ(Toolbar::VisibleTip(), nullptr);
    int read = -1;
    Toolbar::QuickHelpEnabled(read);
    EXPECT_EQ(read, 0);
    EXPECT_EQ(LanguageUtil::GetQuickHelp(1001), "");

    int on = 1;
    Toolbar::QuickHelpEnabled(on);
    Toolbar::TipFollowLoop();
    ASSERT_NE(Toolbar::VisibleTip(), nullptr);
    QCursor::setPos(inside + QPoint(1, 0));   // off the button: the tip goes
    Toolbar::TipFollowLoop();
    EXPECT_EQ(Toolbar::VisibleTip(), nullptr);
}

}  // namespace
