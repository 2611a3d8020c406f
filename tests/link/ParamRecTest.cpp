#include "link/ParamRec.h"
#include "frame/TempProgramFolder.h"
#include "link/SensorState.h"
#include "link/ValidationRules.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <unistd.h>

namespace {

class ParamRecTest : public ::testing::Test {
protected:
    void TearDown() override {
        Sensor::ResetStateForTests();
        Sensor::ResetValidateNoticeForTests();
    }
};

struct RuleCase {
    const char* rule;
    int range;
    const char* proposed;
    bool accepted;
};

TEST_F(ParamRecTest, RuleAcceptsByRulesAndSelectors) {
    const char* const twoParts = "2000=0..99;200/DEFAULT=5";
    const RuleCase cases[] = {
        {"", 2000, "123456", true},                  // no rule accepts everything
        {twoParts, 2000, "50", true},
        {twoParts, 2000, "150", false},
        {twoParts, 6000, "5", true},                 // no part for 6000: the DEFAULT part
        {twoParts, 6000, "50", false},
        {"12000=7/DEFAULT=5", 2000, "7", true},      // "2000=" is found inside "12000="
        {"3000=1..2", 2000, "99", true},             // neither the selector nor DEFAULT
        {"2000=;1..9", 2000, "5", false},            // an empty item ends the search
        // bounds to whole numbers: 0..10
        {"2000=0.4..9.6", 2000, "10", true},
        {"2000=0.4..9.6", 2000, "10.2", false},
        // halves to even: 0..2
        {"2000=0.5..2.5", 2000, "2.5", false},
        {"2000=5", 2000, "  5mm", true},             // the input's leading number
        {"2000=0", 2000, "abc", true},               // no number counts as 0
    };
    for (const RuleCase& c : cases) {
        Sensor::State().SensorRange = c.range;
        ParamRec rec;
        rec.Rule = c.rule;
        EXPECT_EQ(Sensor::RuleAccepts(rec, c.proposed), c.accepted) << c.rule << " / " << c.proposed;
    }
}

TEST_F(ParamRecTest, IsParamSupportedByTypeAndMinimumVersion) {
    struct Case {
        const char* condition;
        const char* type;
        const char* version;
        bool supported;
    } const cases[] = {
        {"62HN|2", "QE3000-62HN", "1.9", false},
        {"62HN|2", "QE3000-62HN", "2", true},
        {"62HN|2", "QF3000", "2.1", false},
        {"62hn", "QE3000-62HN", "2.1", false},       // case-sensitive
        {"|2", "QF3000", "1.9", false},              // version only
    };
    for (const Case& c : cases) {
        Sensor::State().SensorType = c.type;
        Sensor::State().SensorVersion = c.version;
        ParamRec rec;
        rec.Condition = c.condition;
        EXPECT_EQ(Sensor::IsParamSupported(rec), c.supported) << c.condition << " / " << c.type << " " << c.version;
    }
}

QString ruleOf(const QString& ruleKey, bool stored = true, const QString& section = "frmEd") {
    ParamRec rec;
    Sensor::InitParameter(rec, 4003, "RM,WXEF", stored, 0, 0, {}, true, true, ruleKey, "WM,WXEF", 0, section);
    return rec.Rule;
}

TEST_F(ParamRecTest, RulesFromTypeSectionThenEditorSectionOneReferenceDeep) {
    TempProgramFolder folder;
    folder.write("VALIDATE.CFG", "[QE3000-62HN]\nSEN=DEFAULT=1..3\n"
                                 "[frmEd]\nSEN=DEFAULT=1..9\nBURST=4;5\nREF=$(BURST)\nLOOP=$(REF)\nBAD=$(NONE)\n");
    Sensor::State().SensorType = "QE3000-62HN";
    ScriptedMessages boxes;
    EXPECT_EQ(ruleOf("SEN"), "DEFAULT=1..3");
    EXPECT_EQ(ruleOf("BURST"), "4;5");
    EXPECT_EQ(ruleOf("REF"), "4;5");
    EXPECT_EQ(ruleOf("LOOP"), "$(BURST)");
    EXPECT_EQ(ruleOf("BAD"), "");
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ParamRecTest, MissingEmptyOrUnreadableRuleFileIsReportedOncePerRun) {
    enum class File { Missing, Empty, Unreadable };
    for (const File file : {File::Missing, File::Empty, File::Unreadable}) {
        if (file == File::Unreadable && geteuid() == 0)
            continue;  // root reads every file
        TempProgramFolder folder;
        if (file != File::Missing)
            folder.write("VALIDATE.CFG", file == File::Empty ? "" : "[frmEd]\nSEN=DEFAULT=1..3\n");
        if (file == File::Unreadable)
            QFile::setPermissions(folder.file("VALIDATE.CFG"), QFileDevice::WriteOwner);
        Sensor::ResetValidateNoticeForTests();
        ScriptedMessages boxes;
        ruleOf("SEN", false);
        ruleOf("SEN", true, "");
        EXPECT_EQ(boxes.count(), 0);  // records without a rule never look
        ruleOf("SEN");
        ruleOf("BURST");
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_TRUE(boxes.shown().at(0).text.contains(folder.file("VALIDATE.CFG")));
    }
}

TEST_F(ParamRecTest, DependencyChainWalk) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> links;  // FirstLink, NextLink of records 1..n
        int start;
        std::vector<int> visited;
    } const cases[] = {
        // The start's NextLink and a later record's FirstLink are not followed.
        {"first then next", {{3, 2}, {0, 0}, {2, 4}, {1, 0}}, 1, {1, 3, 4}},
        {"loop", {{2, 0}, {0, 3}, {0, 2}}, 1, {1, 2, 3}},
        {"beyond count", {{3, 0}, {0, 0}}, 1, {1}},
        {"no start", {{0, 0}}, 0, {}},
    };
    for (const Case& c : cases) {
        ParamTable table(30);
        table.Count = int(c.links.size());
        for (int i = 1; i <= table.Count; ++i) {
            table[i].FirstLink = qint16(c.links[size_t(i - 1)].first);
            table[i].NextLink = qint16(c.links[size_t(i - 1)].second);
        }
        std::vector<int> visited;
        Sensor::DependencyChain(table, c.start, [&](int index, ParamRec& rec) {
            EXPECT_EQ(&rec, &table[index]);
            visited.push_back(index);
        });
        EXPECT_EQ(visited, c.visited) << c.name;
    }
}

}  // namespace
