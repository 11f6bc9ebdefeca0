#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "GenerationSupport.h"
#include "db/Gbk.h"
#include "generation/ClassicNames.h"
#include "generation/ModeCharacters.h"
#include "generation/NamePools.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

using test::RunNow;
using test::RunRecorder;

std::vector<std::string> Utf8Chars(const std::string& utf8) {
    std::vector<std::string> out;
    for (const std::string& c : SplitCharacters(Gbk(utf8))) out.push_back(GbkToUtf8(c));
    return out;
}

std::vector<std::string> ClassicEntriesUtf8(Sex sex, int length) {
    std::vector<std::string> out;
    for (const std::string& e : ClassicEntries(sex, length)) out.push_back(GbkToUtf8(e));
    return out;
}

void ExpectRowsAreScoreNames(const std::vector<NameRow>& rows, const std::string& familyUtf8) {
    const std::string family = Gbk(familyUtf8);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        NameRow e = test::ExpectedRow(i + 1, family, rows[i].name.substr(family.size()));
        for (int col = 0; col < NameRow::kColumns; ++col)
            ASSERT_EQ(rows[i].Column(col), e.Column(col))
                << GbkToUtf8(rows[i].name) << " column " << col;
    }
}

// Sorted highest first, and rows of equal score in the order they were filled (before the sort,
// a row's number is its fill position).
void ExpectStableDescending(const std::vector<NameRow>& sorted) {
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        ASSERT_GE(sorted[i - 1].ScoreValue(), sorted[i].ScoreValue()) << i;
        if (sorted[i - 1].ScoreValue() == sorted[i].ScoreValue()) {
            ASSERT_LT(std::stoi(sorted[i - 1].number), std::stoi(sorted[i].number)) << i;
        }
    }
}

TEST(HighScoreMode, StopsAtExactlyTenThousandNamesSortedAndNumbered) {
    RunRecorder rec;
    RunNow(test::Inputs(NamingMode::HighScore, "李"), rec);
    const std::vector<NameRow> rows = rec.Rows();
    ASSERT_EQ(rows.size(), 10000u);
    ExpectStableDescending(rec.SortedRows());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].number, std::to_string(i + 1));
        ASSERT_GE(rows[i].ScoreValue(), 90);
    }
    ExpectRowsAreScoreNames(rows, "李");
    // The family name never stands inside a given name, while doubled characters (涛涛) do occur.
    std::size_t doubled = 0;
    for (const std::string& given : rec.GivenNames()) {
        ASSERT_EQ(given.find("李"), std::string::npos) << given;
        ASSERT_EQ(Utf8Chars(given).size(), 2u);
        doubled += Utf8Chars(given)[0] == Utf8Chars(given)[1];
    }
    EXPECT_GT(doubled, 0u);
    // 10,001 rows reserved, handed over in batches, the first row on its own.
    std::vector<std::string> events = rec.Events();
    EXPECT_NE(std::find(events.begin(), events.end(), "reserve 10001"), events.end());
    std::vector<std::size_t> batches = rec.BatchSizes();
    ASSERT_FALSE(batches.empty());
    EXPECT_EQ(batches[0], 1u);
    EXPECT_LE(batches.size(), 20u);
    EXPECT_EQ(rec.Messages().size(), 0u);
}

TEST(HighScoreMode, RunStepsReachTheWindowInOrder) {
    RunRecorder rec;
    RunNow(test::Inputs(NamingMode::HighScore, "李"), rec);
    std::vector<std::string> events = rec.Events();
    auto fill = std::find(events.begin(), events.end(), "fill 0 1");
    ASSERT_NE(fill, events.end());
    const std::vector<std::string> opening(events.begin(), fill);
    EXPECT_EQ(opening,
              (std::vector<std::string>{"open", "disable tool", "disable menu", "page main 1",
                                        "disable highPause", "disable highAgain",
                                        "disable highExport", "reserve 10001"}));
    EXPECT_EQ(*(fill + 1), "close");
    EXPECT_EQ(*(fill + 2), "enable highPause");
    const std::vector<std::string> ending(events.end() - 9, events.end());
    EXPECT_EQ(ending, (std::vector<std::string>{"remove", "sort", "renumber", "enable highAgain",
                                                "enable tool", "enable menu", "enable nickname",
                                                "enable highExport", "finished"}));
    EXPECT_EQ(std::count(events.begin(), events.end(), "close"), 1);
}

TEST(HighScoreMode, FixedGenerationCharacterListsEveryCandidateAndWarnsOnce) {
    struct Case {
        bool second;
        const char* fixed;
    } cases[] = {{true, "志"}, {false, "强"}};
    for (const Case& c : cases) {
        // 龚 is in no pool, so every sampled character gives a name.
        GenerationInputs in = test::Inputs(NamingMode::HighScore, "龚");
        ConfirmGenerationChar(in.charSetting,
                              c.second ? GenerationCharChoice::Second : GenerationCharChoice::Third,
                              Gbk(c.fixed));
        RunRecorder rec;
        RunNow(in, rec);
        // 400 sampled characters and the family name; the pair with the family name is skipped.
        const std::vector<std::string> given = rec.GivenNames();
        ASSERT_EQ(given.size(), 400u) << c.fixed;
        int belowNinety = 0;
        for (std::size_t i = 0; i < given.size(); ++i) {
            std::vector<std::string> chars = Utf8Chars(given[i]);
            ASSERT_EQ(chars.size(), 2u);
            EXPECT_EQ(chars[c.second ? 0 : 1], c.fixed);
            belowNinety += rec.Rows()[i].ScoreValue() < 90;
        }
        EXPECT_GT(belowNinety, 0) << "the threshold is 0 with a generation character";
        EXPECT_EQ(rec.CountMessages("设定辈份后,产生的名字较少,所以系统将显示全部名字"), 1u);
        EXPECT_EQ(rec.Messages()[0].icon, MessageIcon::Warning);
        // The fixed character counts its strokes even when the sample did not draw it.
        ExpectRowsAreScoreNames(rec.Rows(), "龚");
    }
}

TEST(HighScoreMode, OneCharacterNamesListEveryScoredCandidate) {
    struct Case {
        Sex sex;
        std::size_t rows;
    } cases[] = {{Sex::Male, 1000}, {Sex::Female, 973}};  // the girls' pool has fewer than 1,000
    for (const Case& c : cases) {
        GenerationInputs in = test::Inputs(NamingMode::HighScore, "龚", 1, c.sex);
        ConfirmGenerationChar(in.charSetting, GenerationCharChoice::Second,
                              Gbk("志"));  // plays no part
        RunRecorder rec;
        RunNow(in, rec);
        const std::vector<std::string> given = rec.GivenNames();
        EXPECT_EQ(given.size(), c.rows);
        for (const std::string& g : given) ASSERT_EQ(Utf8Chars(g).size(), 1u);
        EXPECT_EQ(std::set<std::string>(given.begin(), given.end()).size(), given.size());
        EXPECT_EQ(rec.CountMessages("一字名数理得分较低,所以软件自动降低评分标准!"), 1u);
        EXPECT_EQ(rec.Messages().size(), 1u);
        EXPECT_EQ(rec.Messages()[0].icon, MessageIcon::Information);
        ExpectStableDescending(rec.SortedRows());
    }
}

TEST(HighScoreMode, TwoCharacterFamilyNameCountsItsStrokes) {
    std::vector<std::string> set = HighScoreCharacters(Sex::Male, 2, Gbk("欧阳"));
    ASSERT_EQ(set.size(), 403u);
    EXPECT_EQ(GbkToUtf8(set[400]), "欧阳");
    EXPECT_EQ(GbkToUtf8(set[401]), "欧");
    EXPECT_EQ(GbkToUtf8(set[402]), "阳");
    RunRecorder rec;
    RunNow(test::Inputs(NamingMode::HighScore, "欧阳"), rec);
    ASSERT_FALSE(rec.Rows().empty());
    ExpectRowsAreScoreNames(rec.Rows(), "欧阳");  // the full cache holds 欧 and 阳
}

TEST(ClassicMode, PrintsEveryListEntryInLinesWithEmptyLinesBetween) {
    struct Case {
        Sex sex;
        int length;
        std::size_t names, perLine, lines, last;
        const char* separator;
    } cases[] = {{Sex::Male, 2, 2909, 14, 208, 11, "  "},
                 {Sex::Female, 2, 2134, 14, 153, 6, "  "},
                 {Sex::Female, 1, 287, 16, 18, 15, "   "},
                 {Sex::Male, 1, 785, 16, 50, 1, "   "}};
    for (const Case& c : cases) {
        GenerationInputs in = test::Inputs(NamingMode::Classic, "李", c.length, c.sex);
        RunRecorder rec;
        RunNow(in, rec);
        const std::vector<std::string> texts = rec.ClassicTexts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0], "");  // emptied first, then written whole
        const std::string text = GbkToUtf8(texts[1]);
        std::vector<std::string> lines;
        for (std::size_t start = 0;;) {
            std::size_t end = text.find("\r\n\r\n", start);
            lines.push_back(
                text.substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos) break;
            start = end + 4;
        }
        ASSERT_EQ(lines.size(), c.lines);
        std::multiset<std::string> printed;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t count = i + 1 == lines.size() ? c.last : c.perLine;
            std::string line = lines[i];
            for (std::size_t k = 0; k < count; ++k) {
                ASSERT_EQ(line.rfind("李", 0), 0u) << line;
                std::size_t sep = line.find(c.separator);
                ASSERT_NE(sep, std::string::npos);
                printed.insert(line.substr(3, sep - 3));
                line = line.substr(sep + std::string(c.separator).size());
            }
            EXPECT_EQ(line, "");
        }
        std::multiset<std::string> expected;
        for (const std::string& e : ClassicEntriesUtf8(c.sex, c.length)) expected.insert(e);
        EXPECT_EQ(printed, expected);
        std::vector<std::string> events = rec.Events();
        EXPECT_EQ(events, (std::vector<std::string>{"open", "disable tool", "disable menu",
                                                    "page main 10", "classic", "classic",
                                                    "enable tool", "enable menu", "enable nickname",
                                                    "enable highExport", "close", "finished"}));
    }
}

}  // namespace
}  // namespace lumo
