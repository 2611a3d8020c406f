// Every test program runs inside one QApplication (offscreen in CI), so
// widget tests and logic tests share a runner.
#include "platform/ProgramEnd.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// A test that closes a main window ends "the program"; the next test starts
// a new one.
class FreshProgram : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ProgramEnd::ResetForTests(); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgram);
    return RUN_ALL_TESTS();
}
