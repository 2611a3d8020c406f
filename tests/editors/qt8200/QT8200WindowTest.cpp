// frmQT8200 as a window: loading, the variant a sensor's answers give, and
// the display window's questions.
#include "editors/qt8200/QT8200Fixture.h"

namespace {

using namespace QT8200;
using QT8200Window = QT8200WindowTest;

TEST_F(QT8200Window, ReloadWritesNothingAndSetsUpTheDisplay) {
    fakes.host.storeRecall = true;
    open(false);
    EXPECT_FALSE(fakes.host.storeRecall);
    window->Unload();
    window->Show();   // loading again fills the window and writes nothing
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_EQ(fakes.display.calls.mid(0, 3),
              QStringList({"EnableSwitch(0,-1)", "SetFehlerStrom(-1)", "SetErrorMode(0,-1)"}));
}

// The editor stays open from one sensor to the next: a sensor of the other
// variant moves the filters, the frames and the greyed fields at once.
TEST_F(QT8200Window, ReadingASensorOfTheOtherVariant) {
    sensor.values = QT8200Sensor(true);
    sensor.values["FA1"] = "1";
    sensor.values["UDS"] = "1";
    window->readdata();
    EXPECT_FALSE(window->frameAnalog->isHidden());
    EXPECT_EQ(window->cmbFilterAnalog->currentIndex(), 1);
    EXPECT_FALSE(window->txtNEvalDis->isEnabled());
}

TEST_F(QT8200Window, NoAnswerToSD2IsASecondSwitchOutput) {
    open(false, {{"SD2", ""}});
    EXPECT_FALSE(window->frameSwitch2->isHidden());
    EXPECT_TRUE(window->frameAnalog->isHidden());
}

TEST_F(QT8200Window, DisplayItems) {
    struct Case {
        bool analog;
        QHash<QString, QString> changes;
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, {}, 21, 254, false},     {false, {}, 22, false, true}, {false, {}, 11, "unchanged", false},
        {false, {}, 12, "01500", true},
        {false, {{"SD2", "00000"}}, 22, true, true},   // a switch point of 0 reads as analogue
        {true, {}, 12, Rejected, false}, {true, {}, 16, "", true},    {true, {}, 22, true, false},
    };
    for (const Case& c : cases) {
        open(c.analog, c.changes);
        QVariant value = "unchanged";
        window->GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(window->ValidPar(c.item), c.valid) << c.item;
    }
}

}  // namespace
