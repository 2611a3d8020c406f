#include "platform/Hourglass.h"
#include "platform/MsgBox.h"
#include "platform/ProgramEnd.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <optional>

namespace {

// The pointer the user sees: the top of the override stack, else the normal one.
Qt::CursorShape pointer() {
    const QCursor* override = QGuiApplication::overrideCursor();
    return override ? override->shape() : Qt::ArrowCursor;
}

MsgBox::Request box(int style = MsgBox::OkOnly) {
    MsgBox::Request request;
    request.text = QStringLiteral("Text");
    request.style = style;
    return request;
}

class MessageBoxPointer : public ::testing::Test {
protected:
    void SetUp() override {
        MsgBox::SetHandler([this](const MsgBox::Request&) {
            during = pointer();
            return MsgBox::Ok;
        });
    }
    void TearDown() override {
        MsgBox::SetHandler({});
        ProgramEnd::ResetForTests();
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    }

    std::optional<Qt::CursorShape> during;
};

TEST_F(MessageBoxPointer, BoxShowsTheNormalPointerAndTheHourglassComesBack) {
    {
        const Hourglass outer;
        const Hourglass inner;
        MsgBox::Show(box());
        EXPECT_EQ(during, Qt::ArrowCursor);
        EXPECT_EQ(pointer(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "every level gave its pointer back";

    during.reset();
    MsgBox::Show(box());
    EXPECT_EQ(during, Qt::ArrowCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no pointer of its own without work behind it";
}

// Once the program ends nobody answers: no box, and the answer that goes on least.
TEST_F(MessageBoxPointer, NoBoxOnceTheProgramEnds) {
    ProgramEnd::Begin();
    struct Case {
        int style;
        int answer;
    } const cases[] = {
        {MsgBox::OkOnly, MsgBox::Ok},        {MsgBox::OkCancel, MsgBox::Cancel},
        {MsgBox::AbortRetryIgnore, MsgBox::Abort}, {MsgBox::YesNoCancel + MsgBox::Question, MsgBox::Cancel},
        {MsgBox::YesNo, MsgBox::No},         {MsgBox::RetryCancel + MsgBox::Critical, MsgBox::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(MsgBox::Show(box(c.style)), c.answer);
    }
    EXPECT_FALSE(during.has_value()) << "no box was asked for";
}

}  // namespace
