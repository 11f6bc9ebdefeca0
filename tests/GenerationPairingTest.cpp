#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "GenerationSupport.h"
#include "db/Gbk.h"
#include "generation/ModeCharacters.h"
#include "generation/NamePools.h"
#include "numerology/Characters.h"

// The modes that pair or decorate characters the user chose: combination, poetry, nickname.
namespace lumo {
namespace {

using test::RunNow;
using test::RunRecorder;

bool Listed(const std::string& gbk) { return test::FixtureListed(gbk); }

// What a run of CharacterPairing over `set` must list, in list order: every ordered pair of a
// listed first character with any character, without the family name, stably sorted by score.
std::vector<NameRow> ExpectedPairs(const std::vector<std::string>& set, const std::string& family) {
    std::vector<NameRow> rows;
    for (const std::string& a : set) {
        if (!Listed(a)) continue;
        for (const std::string& b : set)
            if ((a + b).find(family) == std::string::npos)
                rows.push_back(test::ExpectedRow(rows.size() + 1, family, a + b));
    }
    SortByScore(rows);
    Renumber(rows);
    return rows;
}

void ExpectSameRows(const std::vector<NameRow>& actual, const std::vector<NameRow>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        for (int col = 0; col < NameRow::kColumns; ++col)
            ASSERT_EQ(actual[i].Column(col), expected[i].Column(col)) << i << " column " << col;
}

TEST(CombinationMode, PairsTheTypedCharactersWithTheFamilyName) {
    // The start-up text: 20 characters, the family name appended for its strokes only: 20 × 20
    // candidates, 400 names.
    RunRecorder rec;
    RunNow(test::Inputs(NamingMode::Combination, "李"), rec);
    std::vector<std::string> set = SplitCharacters(DefaultCombinationText() + Gbk("李"));
    ASSERT_EQ(set.size(), 21u);
    ASSERT_EQ(rec.Rows().size(), 400u);
    ExpectSameRows(rec.Rows(), ExpectedPairs(set, Gbk("李")));
    std::vector<std::string> events = rec.Events();
    auto reserve = std::find(events.begin(), events.end(), "reserve 400");
    ASSERT_NE(reserve, events.end());
    EXPECT_EQ(*(reserve - 1), "close");  // the wait window closes before scoring
    EXPECT_EQ(rec.Messages().size(), 0u);
}

TEST(CombinationMode, TypedTextsAndTheFamilyName) {
    struct Case {
        const char* typed;
        const char* family;
        const char* set;  // the CharacterSet the run pairs
    } cases[] = {
        {"圣诚杰圣诚杰", "李", "圣诚杰李"},     // typed twice: each character once
        {"圣李诚", "李", "圣李诚"},             // the family name is not appended again
        {"ab 圣, x诚!，岂", "李", "圣诚岂李"},  // only GB2312 hanzi; 岂 is unlisted
        {"圣诚", "", "圣诚"},                   // an empty family name lists nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        GenerationInputs in = test::Inputs(NamingMode::Combination, c.family);
        in.combinationText = Gbk(c.typed);
        EXPECT_EQ(CombinationCharacters(in.combinationText, in.familyName),
                  SplitCharacters(Gbk(c.set)));
        RunRecorder rec;
        RunNow(in, rec);
        if (*c.family == '\0') {
            EXPECT_TRUE(rec.Rows().empty());
            EXPECT_EQ(rec.CountMessages("请输入姓氏"), 1u);
            continue;
        }
        ExpectSameRows(rec.Rows(), ExpectedPairs(SplitCharacters(Gbk(c.set)), Gbk(c.family)));
    }
    // Typed twice: each character combines once, so each pair of 圣诚杰 stands once, as typed once.
    GenerationInputs twice = test::Inputs(NamingMode::Combination, "李");
    twice.combinationText = Gbk("圣诚杰圣诚杰");
    RunRecorder rec;
    RunNow(twice, rec);
    std::map<std::string, std::vector<int>> scores;
    for (const NameRow& r : rec.Rows()) scores[r.name].push_back(r.ScoreValue());
    EXPECT_EQ(scores.size(), 9u);
    for (const auto& [name, s] : scores) EXPECT_EQ(s.size(), 1u) << GbkToUtf8(name);
    ExpectSameRows(rec.Rows(), ExpectedPairs(SplitCharacters(Gbk("圣诚杰李")), Gbk("李")));
}

TEST(CombinationMode, GenerationCharacterAndOneCharacterNames) {
    GenerationInputs in = test::Inputs(NamingMode::Combination, "李");
    ConfirmGenerationChar(in.charSetting, GenerationCharChoice::Third, Gbk("强"));
    RunRecorder fixed;
    RunNow(in, fixed);
    ASSERT_EQ(fixed.Rows().size(), 20u);  // 李强 is skipped
    for (const std::string& g : fixed.GivenNames()) EXPECT_EQ(g.substr(3), "强") << g;
    EXPECT_EQ(fixed.Messages().size(), 0u);  // the warning belongs to HighScore alone

    in.nameLength = 1;
    RunRecorder single;
    RunNow(in, single);
    EXPECT_EQ(single.Rows().size(), 20u);
    EXPECT_EQ(single.CountMessages("一字名数理得分较低,所以软件自动降低评分标准!"), 1u);
}

TEST(PoetryMode, TicksEachCharacterOnceAndPairsAll) {
    GenerationInputs in = test::Inputs(NamingMode::Poetry, "李");
    for (const char* c : {"春", "江", "花", "春", "月", "江"}) in.poemCharacters.push_back(Gbk(c));
    EXPECT_EQ(PoetryCharacters(in.poemCharacters, in.familyName),
              SplitCharacters(Gbk("春江花月李")));
    RunRecorder rec;
    RunNow(in, rec);
    ASSERT_EQ(rec.Rows().size(), 16u);  // n × n with n = 4
    ExpectSameRows(rec.Rows(), ExpectedPairs(SplitCharacters(Gbk("春江花月李")), Gbk("李")));
    std::vector<std::string> events = rec.Events();
    EXPECT_NE(std::find(events.begin(), events.end(), "page poetry 2"), events.end());

    // Nothing ticked: only the family name, and every candidate holds it.
    in.poemCharacters.clear();
    RunRecorder empty;
    RunNow(in, empty);
    EXPECT_TRUE(empty.Rows().empty());
    EXPECT_EQ(empty.Events().back(), "finished");
}

TEST(NicknameMode, EachStyleShapesEveryListedCharacter) {
    struct Case {
        NicknameStyle style;
        const char* family;
        const char* prefix;
        const char* suffix;
    } cases[] = {{NicknameStyle::Doubled, "龚", "", ""},
                 {NicknameStyle::Xiao, "龚", "小", ""},
                 {NicknameStyle::Er, "李", "", "儿"},
                 {NicknameStyle::A, "龚", "阿", ""},
                 {NicknameStyle::Xiao, "小", "小", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.prefix) + "A" + c.suffix + " " + c.family);
        GenerationInputs in = test::Inputs(NamingMode::Nickname, c.family, 1);
        in.nicknameStyle = c.style;
        RunRecorder rec;
        RunNow(in, rec);
        // NicknamePool: both sex pools, the shared characters twice; the family name appended.
        // Each distinct nickname is listed once.
        std::vector<std::string> set = NicknameCharacters(Gbk(c.family));
        std::set<std::string> expected;
        for (const std::string& a : set) {
            if (!Listed(a)) continue;
            std::string name =
                Gbk(c.prefix) + a + Gbk(c.suffix) + (c.style == NicknameStyle::Doubled ? a : "");
            if (name.find(Gbk(c.family)) == std::string::npos) expected.insert(GbkToUtf8(name));
        }
        const std::vector<std::string> given = rec.GivenNames();
        EXPECT_EQ(std::set<std::string>(given.begin(), given.end()), expected);
        EXPECT_EQ(given.size(), expected.size());  // no name twice
        if (std::string(c.family) == "小") {
            EXPECT_TRUE(given.empty());
        }
        for (const std::string& g : given) {
            ASSERT_EQ(g.rfind(c.prefix, 0), 0u) << g;
            ASSERT_GE(g.size(), std::string(c.suffix).size());
            ASSERT_EQ(g.substr(g.size() - std::string(c.suffix).size()), c.suffix) << g;
            if (c.style == NicknameStyle::Doubled) {
                ASSERT_EQ(g.substr(0, 3), g.substr(3)) << g;
            }
        }
        std::vector<std::string> events = rec.Events();
        EXPECT_NE(std::find(events.begin(), events.end(), "disable nickname"), events.end());
        EXPECT_EQ(events[events.size() - 3], "enable nickname");
    }
    EXPECT_EQ(NicknameCharacters(Gbk("李")).size(), 2827u);
    EXPECT_EQ(NicknameCharacters(Gbk("龚")).size(), 2828u);
}

// The pool modes leave the unsuitable characters out before sampling; the family name's own
// characters stay whatever the list says of them.
TEST(ModeCharacters, LeaveOutUnsuitableCharactersButNeverTheFamilyName) {
    const UnsuitableChars skip = {{Gbk("涂"), Gbk("糊涂")}, {Gbk("蚊"), Gbk("蚊虫")}};
    auto holds = [](const std::vector<std::string>& set, const char* c) {
        return std::find(set.begin(), set.end(), Gbk(c)) != set.end();
    };
    for (const std::vector<std::string>& set :
         {SuperAuspiciousCharacters(Sex::Male, Gbk("李"), skip),
          HighScoreCharacters(Sex::Male, 1, Gbk("李"), skip),
          NicknameCharacters(Gbk("李"), skip)}) {
        EXPECT_FALSE(holds(set, "涂"));
        EXPECT_FALSE(holds(set, "蚊"));
    }
    EXPECT_EQ(HighScoreCharacters(Sex::Male, 1, Gbk("李"), skip).size(),
              1001u);  // sample kept whole
    EXPECT_TRUE(holds(NicknameCharacters(Gbk("涂"), skip), "涂"));
    EXPECT_TRUE(holds(SuperAuspiciousCharacters(Sex::Male, Gbk("涂"), skip), "涂"));
    EXPECT_TRUE(
        holds(SuperAuspiciousCharacters(Sex::Male, Gbk("李")), "蚊"));  // no list, no filter
    EXPECT_EQ(UnsuitableAmong({Gbk("涛"), Gbk("蚊"), Gbk("涂"), Gbk("蚊")}, skip),
              (std::vector<std::string>{Gbk("蚊"), Gbk("涂")}));
}

}  // namespace
}  // namespace lumo
