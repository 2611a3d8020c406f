// The progress window and the cancel request that outlives it.
#include "editors/common/RWState.h"
#include "editors/common/frmRWState.h"
#include "link/SensorState.h"
#include "platform/MsgBox.h"
#include "support/ScriptedMessages.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class RWStateTest : public ::testing::Test {
protected:
    void SetUp() override { RWState::ResetForTests(); }
    void TearDown() override {
        RWState::ResetForTests();
        Sensor::ResetStateForTests();
    }
};

TEST_F(RWStateTest, CancelAskedAndConfirmedStopsUntilTheNextTransfer) {
    ScriptedMessages boxes({MsgBox::No, MsgBox::Yes});
    RWState::ShowForm(RWState::WriteMode, 5);
    RWState::Form()->btCancel->click();
    EXPECT_TRUE(RWState::IncBar());
    RWState::Form()->btCancel->click();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.shown()[1].text.contains("<Daten zum Sensor übertragen.>"));
    EXPECT_FALSE(RWState::Form()->btCancel->isEnabled());
    RWState::Unload();
    EXPECT_FALSE(RWState::IncBar());   // the request outlives the window
    RWState::ShowForm(RWState::ReadMode, 5);
    EXPECT_TRUE(RWState::IncBar());
}

TEST_F(RWStateTest, CloseBoxCancelsWithoutAsking) {
    ScriptedMessages boxes;
    RWState::ShowForm(RWState::ReadMode, 5);
    RWState::Form()->close();
    EXPECT_NE(RWState::Form(), nullptr);
    EXPECT_FALSE(RWState::IncBar());
    EXPECT_EQ(boxes.count(), 0);
}

// Centred as it first shows; a user who moved it then keeps it where it is,
// step after step and operation after operation.
TEST_F(RWStateTest, CentredOnceAsItFirstShows) {
    RWState::ShowForm(RWState::ReadMode, 5);
    frmRWState* form = RWState::Form();
    ASSERT_TRUE(form->isVisible());
    const QPoint moved = form->pos() + QPoint(40, 30);
    form->move(moved);
    RWState::IncBar(1, QStringLiteral("SD1"));
    EXPECT_EQ(form->pos(), moved);
    RWState::ShowForm(RWState::WriteMode, 5);
    EXPECT_EQ(form->pos(), moved);
}

}  // namespace
