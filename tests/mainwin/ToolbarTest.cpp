#include "frame/LanguageUtil.h"
#include "mainwin/Toolbar.h"
#include "mainwin/ToolbarPictures.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace {

// A main window with a toolbar of three buttons whose commands are recorded.
class ToolbarWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Toolbar::ResetForTests();
        LanguageUtil::SetQuickHelpOn(true);
        bar = window.addToolBar("tools");
        number = Toolbar::InitToolbar(&window, bar, [this](int index) { ran.push_back(index); });
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

}  // namespace
