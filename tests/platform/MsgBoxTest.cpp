#include "mainwin/ModalDriver.h"
#include "platform/Hourglass.h"
#include "platform/MsgBox.h"
#include "platform/ProgramEnd.h"
#include "support/LabelText.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
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

// Messages name parameters, files, sensor types and answers, often in
// "<%s>": whatever those hold is shown as it is, never read as markup.
TEST(MessageBoxText, InsertedTextsShowAsTheyAre) {
    for (const QString text : {"Der Sensor hat den Wert für <BR> abgelehnt", "Der Sensor hat den Wert für <EM> abgelehnt",
                               "Die Datei <b>x</b>.zlv konnte nicht gelesen werden", "Typ <Q&B &amp; Co>"}) {
        QString shown;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            if (const auto* label = box->findChild<QLabel*>("qt_msgbox_label")) shown = ShownText(label);
            box->button(QMessageBox::Ok)->click();
        });
        MsgBox::Request request;
        request.text = text;
        EXPECT_EQ(MsgBox::Show(request), MsgBox::Ok);
        EXPECT_EQ(shown, text);
    }
}

}  // namespace
