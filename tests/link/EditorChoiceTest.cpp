#include "link/EditorChoice.h"
#include "frame/TempProgramFolder.h"
#include "link/SensorDetection.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorChoiceTest, SensorCfgEntryBeforeTypeCodes) {
    struct Case {
        const char* entry;  // the [SENSORS] line for the type "QF3000"
        const char* editor;
        int messages;
    } const cases[] = {
        {"QF3000=frmqt8200", "frmQT8200", 0},   // names compare in upper case
        {"QF3000=frmNothing", "frmQF8200", 1},  // message 13, then the type codes
        {"QF3000=", "frmQF8200", 0},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        folder.write("SENSOR.CFG", QByteArray("[SENSORS]\n; comment\n") + c.entry + "\n");
        ScriptedMessages boxes;
        EXPECT_EQ(Sensor::ChooseEditorName("QF3000"), QString(c.editor)) << c.entry;
        ASSERT_EQ(boxes.count(), c.messages) << c.entry;
        if (c.messages) {
            EXPECT_TRUE(boxes.shown().at(0).text.contains("<frmNothing> für den Sensor <QF3000>"));
        }
    }
}

TEST(EditorChoiceTest, SensorRangeFromTheThirdCharacter) {
    const std::pair<const char*, int> cases[] = {
        {"QF2000", 2000}, {"QE6000-62HN-IU", 6000}, {"QF350.5", 350},  // halves to even
        {"2000", 3000},  // "00": none
        {"QF", 3000},    {"QF99999", 3000},  // beyond 16 bits
    };
    for (const auto& [type, range] : cases)
        EXPECT_EQ(Sensor::SensorRangeOf(type), range) << type;
}

TEST(ParseSensorInfoTest, GoodAndBrokenIdAnswers) {
    struct Case {
        const char* id;
        bool ok;
        const char* type;
        const char* eprom;
        const char* version;
    } const cases[] = {
        {"ABCQT6000 Eprom: 7 Version: 3", true, "QT6000", "7 ", "3"},  // no prefix: three characters lost
        {"Q&B QF3000 Version: 1 Eprom: E12", true, "QF3000", "", "1 Eprom: E12"},
        {"", false, "", "old", "old"},
        {"Q&B QF3000", false, "", "old", "old"},                 // no blank behind the type
        {"Q&B QF3000 Version 2", false, "", "old", "old"},       // "Version" without ":"
    };
    for (const Case& c : cases) {
        QString type = "old", eprom = "old", version = "old";
        EXPECT_EQ(Sensor::ParseSensorInfo(c.id, type, eprom, version), c.ok) << c.id;
        EXPECT_EQ(type, QString(c.type)) << c.id;
        EXPECT_EQ(eprom, QString(c.eprom)) << c.id;
        EXPECT_EQ(version, QString(c.version)) << c.id;
    }
}

}  // namespace
