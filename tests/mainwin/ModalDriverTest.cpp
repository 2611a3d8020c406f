// The dialog driver of the window tests: it acts on the dialog that the code
// under test runs, and a dialog that never shows or never closes fails the
// test instead of leaving it waiting for a user.
#include "ModalDriver.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest-spi.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The failures the driver reports while what runs, kept out of the test's result.
std::vector<std::string> failuresOf(const std::function<void(const ::testing::TestPartResultArray&)>& what) {
    ::testing::TestPartResultArray results;
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        what(results);
    }
    std::vector<std::string> messages;
    for (int i = 0; i < results.size(); ++i) messages.push_back(results.GetTestPartResult(i).message());
    return messages;
}

TEST(ModalDriverTest, ActsOnTheActiveDialog) {
    bool active = false;
    int result = -1;
    const auto failures = failuresOf([&](const auto&) {
        WhenShown<QDialog>([&](QDialog* dialog) {
            active = dialog->isActiveWindow();
            dialog->accept();
        });
        QDialog dialog;
        result = dialog.exec();
    });
    EXPECT_TRUE(failures.empty());
    EXPECT_TRUE(active);
    EXPECT_EQ(result, QDialog::Accepted);
}

// A dialog left open, also under a box that act waits on, is closed with a
// failure: exec() returns.
TEST(ModalDriverTest, ADialogLeftOpenFailsTheTestAndIsClosed) {
    const std::function<void(QDialog*)> acts[] = {
        [](QDialog*) {},
        [](QDialog* dialog) { QMessageBox(QMessageBox::Question, "", "Replace?", QMessageBox::Yes, dialog).exec(); },
    };
    for (const auto& act : acts) {
        int result = -1;
        const auto failures = failuresOf([&](const auto&) {
            WhenShown<QDialog>(act, 50ms);
            QDialog dialog;
            result = dialog.exec();
        });
        EXPECT_EQ(result, QDialog::Rejected);
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_NE(failures[0].find("QDialog was still open 50 ms after the test acted on it"), std::string::npos)
            << failures[0];
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(ModalDriverTest, ADialogThatNeverShowsFailsTheTest) {
    bool gaveUp = false;
    const auto failures = failuresOf([&](const ::testing::TestPartResultArray& reported) {
        WhenShown<QDialog>([](QDialog*) {}, 20ms);
        gaveUp = QTest::qWaitFor([&] { return reported.size() > 0; }, 5000);
    });
    EXPECT_TRUE(gaveUp);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("no active QDialog showed within 20 ms"), std::string::npos) << failures[0];
}

}  // namespace
