#include "frame/Message.h"

#include "frame/TempProgramFolder.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

struct Case { int number; std::optional<int> buttons; std::optional<QString> arguments; QString text; int style; };

// What reaches the box: the filled, expanded text and the style with 32 added.
void expectBoxes(const std::vector<Case>& cases, const QString& title) {
    for (const Case& c : cases) {
        ScriptedMessages boxes({MsgBox::No});
        EXPECT_EQ(ShowMessage(c.number, c.buttons, std::nullopt, c.arguments), MsgBox::No);
        ASSERT_EQ(boxes.count(), 1) << c.number;
        EXPECT_EQ(boxes.shown()[0].text, c.text) << c.number;
        EXPECT_EQ(boxes.shown()[0].style, c.style) << c.number;
        EXPECT_EQ(boxes.shown()[0].title, title) << c.number;
        EXPECT_EQ(boxes.shown()[0].helpFile, "") << c.number;
    }
}

TEST(Message, BuiltInTextsFilledAndExpanded) {
    TempProgramFolder folder;
    TempProgramFolder::init();
    expectBoxes({
        {11, 34, "RM,12", "Beim Lesen der Sensordaten trat ein Fehler auf.\r\rBefehl <RM,12> Fehler <>", 66},
        {17, 0, "SH1, SD11|-|BR",
         "Nicht alle Parameter wurden übernommen.\r\rVom Sensor abgelehnt: SH1, SD11\r"
         "Keine Antwort vom Sensor: -\rUngültig in der Datendatei: BR", 32},
        {18, std::nullopt, std::nullopt, "Programmfehler! Fehlernummer 18", 32},   // 18 and 19 have no text
    }, "ZELVO 8200");
}

TEST(Message, LanguageFileOverridesTextsTitleAndDefault) {
    TempProgramFolder folder;
    folder.writeLanguage("WZLVLANG.ENG", "English",
                         "[Errors]\r\n1=Sensor could not be started!\r\n5=\r\n"
                         "7=File (%s)\\nsensor (%s) \xe4\r\nDefault=Program error no.\r\n"
                         "[frmMessage]\r\nfrmMessage=Zelvo Message\r\n");
    TempProgramFolder::init();
    int english = 1;
    LanguageUtil::SelectLanguage(english);
    expectBoxes({
        {1, 0, std::nullopt, "Sensor could not be started!", 32},
        {5, 36, std::nullopt, "Sensor auf Defaultwerte zurücksetzen?", 68},   // empty value: built-in text
        {7, 4, "A|B", "File (A)\rsensor (B) " + QString(QChar(0xE4)), 36},    // read as Latin-1
        {99, 0, std::nullopt, "Program error no. 99", 32},
    }, "Zelvo Message");
    EXPECT_EQ(GetErrorText(99), "");
}

}  // namespace
