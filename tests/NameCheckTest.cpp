// What counts as a name, what a score leaves out, and the family name's characters in a run.
#include <gtest/gtest.h>

#include <set>

#include "GenerationSupport.h"
#include "db/Gbk.h"
#include "generation/ModeCharacters.h"
#include "generation/NamePools.h"
#include "numerology/Characters.h"
#include "numerology/NameCheck.h"
#include "numerology/NameScore.h"
#include "reports/NameReport.h"

namespace lumo {
namespace {

using test::RunNow;
using test::RunRecorder;

TEST(NameCheck, OnlyChineseCharactersMakeAName) {
    const struct {
        const char* text;
        bool name;
    } cases[] = {
        {"李", true},   {"欧阳", true}, {"龘", true},     // GB2312 and a GBK extension character
        {"Li", false},  {"李abc", false}, {"李 ", false}, {"  ", false}, {"李1", false},
        {"李，", false}, {"Ａ", false},   {"〇", false},  // punctuation, full-width letter, symbol
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(!FamilyNameProblem(Gbk(c.text)).has_value(), c.name);
        EXPECT_EQ(!GivenNameProblem(Gbk(c.text)).has_value(), c.name);
    }
    // An empty text is asked for by name elsewhere ("请输入姓氏").
    EXPECT_FALSE(FamilyNameProblem("").has_value());
    EXPECT_EQ(GbkToUtf8(*FamilyNameProblem("Li")), "姓氏“Li”不是汉字，请用汉字输入姓氏（如 李、欧阳）。");
    EXPECT_EQ(GbkToUtf8(*GivenNameProblem(Gbk("李abc"))), "名字“李abc”不是汉字，请用汉字输入名字。");
}

TEST(NameCheck, WarnsOfWhatTheScoreLeavesOut) {
    // The generation fixture: 丑 has no row, 岂 a row without an element; 李 明 are listed.
    const struct {
        const char *family, *given;
        std::vector<std::string> warnings;
    } cases[] = {
        {"李", "明", {}},
        {"李", "明丑", {"丑：字库未收录，此名评分不可信"}},
        {"李", "岂岂", {"岂：字库未收录，此名评分不可信"}},  // each character once
        {"李", "明明明", {"名字超过两个字，评分只计前两个字，此名评分不可信"}},
        {"李明明", "明", {"姓氏超过两个字，评分只计前两个字，此名评分不可信"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.family) + c.given);
        std::vector<std::string> got;
        for (const std::string& w : ScoringWarnings(test::GenerationDb(), Gbk(c.family), Gbk(c.given)))
            got.push_back(GbkToUtf8(w));
        EXPECT_EQ(got, c.warnings);
        // The report path carries them, and the report page shows them above the verdict.
        NameEvaluation e = EvaluateName(test::GenerationDb(), Gbk(c.family), Gbk(c.given));
        EXPECT_EQ(e.warnings.size(), c.warnings.size());
        const std::string page = GbkToUtf8(NameReportPage(e));
        for (const std::string& w : c.warnings) EXPECT_NE(page.find(w), std::string::npos) << w;
    }
}

std::set<std::string> Given(const RunRecorder& rec) {
    std::vector<std::string> g = rec.GivenNames();
    return {g.begin(), g.end()};
}

TEST(FamilyNameCharacters, AreNeverDrawnUnlessTyped) {
    const struct {
        NamingMode mode;
        const char* typed;  // the combination text, or the ticked poem characters
        std::set<std::string> names;
    } cases[] = {
        {NamingMode::Combination, "圣诚", {"圣圣", "圣诚", "诚圣", "诚诚"}},
        // 欧 typed by the user is a given-name character like any other.
        {NamingMode::Combination, "圣欧", {"圣圣", "圣欧", "欧圣", "欧欧"}},
        // The whole family name typed: its characters are typed too; 欧阳 itself never stands.
        {NamingMode::Combination, "圣欧阳",
         {"圣圣", "圣欧", "圣阳", "欧圣", "欧欧", "阳圣", "阳欧", "阳阳"}},
        {NamingMode::Poetry, "春江", {"春春", "春江", "江春", "江江"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        GenerationInputs in = test::Inputs(c.mode, "欧阳");
        in.combinationText = Gbk(c.typed);
        for (const std::string& ch : SplitCharacters(Gbk(c.typed))) in.poemCharacters.push_back(ch);
        RunRecorder rec;
        RunNow(in, rec);
        EXPECT_EQ(Given(rec), c.names);
    }
}

TEST(FamilyNameCharacters, StayOutOfPoolModes) {
    // The pools hold 欧 (twice: both sexes) and 阳, yet the user typed neither as a given-name
    // character: no given name of a pool mode holds them.
    std::set<std::string> pool;
    for (const std::string& ch : SplitCharacters(MaleNamePool() + FemaleNamePool()))
        pool.insert(GbkToUtf8(ch));
    ASSERT_EQ(pool.count("欧"), 1u);
    for (NamingMode mode : {NamingMode::HighScore, NamingMode::Nickname}) {
        for (int length : {1, 2}) {
            SCOPED_TRACE(static_cast<int>(mode) * 10 + length);
            RunRecorder rec;
            RunNow(test::Inputs(mode, "欧阳", length), rec);
            ASSERT_FALSE(rec.Rows().empty());
            for (const std::string& g : rec.GivenNames()) {
                ASSERT_EQ(g.find("欧"), std::string::npos) << g;
                ASSERT_EQ(g.find("阳"), std::string::npos) << g;
            }
        }
    }
}

}  // namespace
}  // namespace lumo
