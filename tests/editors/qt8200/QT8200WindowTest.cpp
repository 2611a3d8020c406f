// frmQT8200 as a window: loading, its fixed size, the layout the sensor's
// variant and the DIP-switch use give, quick help and the display window's
// questions.
#include "editors/common/DipSwitches.h"
#include "editors/qt8200/QT8200Fixture.h"
#include "frame/Inifile_Utils.h"
#include "frame/Options.h"


namespace {

using namespace QT8200;
using QT8200Window = QT8200WindowTest;

TEST_F(QT8200Window, LoadsAtItsFixedSizeAndSetsUpTheDisplay) {
    WriteIniString(Options::SettingsFile, "Windows", "frmQT8200", "900x700+10+20");
    fakes.host.storeRecall = true;
    open(false);
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    EXPECT_EQ(window->size(), QSize(625, 357));   // 9375 x 5355 twips
    EXPECT_FALSE(fakes.host.storeRecall);
    EXPECT_EQ(window->Caption(), "QT2500");
    window->Unload();
    window->Show();   // loading again fills the window and writes nothing
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_EQ(fakes.display.calls.mid(0, 3),
              QStringList({"EnableSwitch(0,-1)", "SetFehlerStrom(-1)", "SetErrorMode(0,-1)"}));
    QString on;
    for (bool state : window->picDips->States()) on += state ? '1' : '0';
    EXPECT_EQ(on, "1010010110");   // A5F
}

TEST_F(QT8200Window, VariantAndDipUseDecideTheLayout) {
    struct Case {
        bool analog;
        QHash<QString, QString> changes;
        int filter1, filter2, filterAnalog;
        bool editable;   // output 1, and output 2 or the analogue limits
    } const cases[] = {
        {false, {}, 0, 1, -1, true},
        {true, {}, 1, -1, 0, true},   // FA2 is output 1's filter, FA1 the analogue one
        {false, {{"UDS", "1"}}, 0, 1, -1, false},
        {true, {{"UDS", "1"}}, 1, -1, 0, false},
        {false, {{"SD2", ""}}, 0, 1, -1, true},   // no answer to SD2: a second switch output
    };
    for (const Case& c : cases) {
        open(c.analog, c.changes);
        SCOPED_TRACE(c.analog);
        EXPECT_EQ(window->frameSwitch2->isHidden(), c.analog);
        EXPECT_EQ(window->frameAnalog->isHidden(), !c.analog);
        EXPECT_EQ(window->cmbFilter1->currentIndex(), c.filter1);
        EXPECT_EQ(window->cmbFilter2->currentIndex(), c.filter2);
        EXPECT_EQ(window->cmbFilterAnalog->currentIndex(), c.filterAnalog);
        QWidget* second = c.analog ? static_cast<QWidget*>(window->txtFEvalDis) : window->cmbSwitchMode2;
        for (QWidget* field : std::initializer_list<QWidget*>{window->txtSwitchDis11, window->txtSwitchHys1, second})
            EXPECT_EQ(field->isEnabled(), c.editable) << field->objectName().toStdString();
        // The switches set points, limits and modes; filters and the method stay the user's.
        EXPECT_TRUE(window->cmbFilter1->isEnabled() && window->txtFilterWindow->isEnabled() &&
                    window->cmbEvalMethod1->isEnabled());
        ExpectTextsShownWhole(window.get());
    }
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

TEST_F(QT8200Window, QuickHelpOfTheControlMeant) {
    struct Case {
        QWidget* control;
        QPoint at;
        int topic;
    } const cases[] = {
        {window->lblSound, {1, 1}, 1101}, {window->lblms[0], {1, 1}, 1101}, {window->txtSound, {1, 1}, 2001},
        {window->lblMeasureCount, {1, 1}, 2024},   // the count's own topic, though it commits EM
        {window->frameDip, {2, 2}, 2008},
    };
    for (const Case& c : cases) {
        fakes.host.quickHelp.clear();
        Hover(c.control, c.at);
        EXPECT_EQ(fakes.host.quickHelp, QList<int>({c.topic})) << c.control->objectName().toStdString();
    }
    // The window-size label answers a click, not the mouse passing over it.
    fakes.host.quickHelp.clear();
    Hover(window->lblFilterWindow, {1, 1});
    QTest::mouseClick(window->lblFilterWindow, Qt::LeftButton);
    EXPECT_EQ(fakes.host.quickHelp, QList<int>({2019}));

    // Lists are found under the resting mouse; output 2 and the analogue
    // output share their place.
    struct ListCase {
        bool analog;
        const char* place;
        QList<int> topics;
    } const lists[] = {
        {false, "cmbSwitchMode2", {2016}}, {false, "cmbEvalMethod2", {2023}}, {false, "txtSwitchDis11", {}},
        {true, "cmbSwitchMode2", {2020}},  {true, "cmbFilter2", {}},
    };
    for (const ListCase& c : lists) {
        open(c.analog);
        QWidget* place = window->findChild<QWidget*>(c.place);
        window->ShowComboHelpAt(place->mapTo(window.get(), place->rect().center()));
        EXPECT_EQ(fakes.host.quickHelp, c.topics) << c.place;
    }
}

TEST_F(QT8200Window, DisplayItems) {
    struct Case {
        bool analog;
        QHash<QString, QString> changes;
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, {}, 12, "01500", true},  {false, {}, 15, "1", true},  {false, {}, 16, "0", true},
        {false, {}, 21, 254, false},     {false, {}, 22, false, true}, {false, {}, 11, "unchanged", false},
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
