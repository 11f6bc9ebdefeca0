#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "GenerationSupport.h"
#include "content/FileOutput.h"
#include "db/Gbk.h"
#include "numerology/CharNotes.h"
#include "numerology/Characters.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

struct CliResult {
    int exitCode = -1;
    std::string out;  // stdout, or stdout and stderr together
};

CliResult GenerateOn(const std::string& db, const std::string& arguments,
                     const char* redirect = "2>/dev/null") {
    std::string cmd =
        std::string(LUMO_CLI_PATH) + " --db '" + db + "' generate " + arguments + " " + redirect;
    CliResult r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    for (std::size_t n; (n = fread(buf.data(), 1, buf.size(), p)) > 0;) r.out.append(buf.data(), n);
    int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

CliResult Generate(const std::string& arguments, const char* redirect = "2>/dev/null") {
    return GenerateOn(test::GenerationDbPath(), arguments, redirect);
}

std::vector<std::vector<std::string>> Rows(const std::string& out) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cols;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) cols.push_back(cell);
        rows.push_back(cols);
    }
    return rows;
}

TEST(GenerateCommand, PrintsTheSortedRowsOfAScoredRun) {
    CliResult r = Generate("combination --surname 李 --length 2");
    ASSERT_EQ(r.exitCode, 0);
    auto rows = Rows(r.out);
    ASSERT_EQ(rows.size(), 400u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 8u);
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        EXPECT_EQ(rows[i][1].rfind("李", 0), 0u);
        if (i) {
            EXPECT_GE(std::stoi(rows[i - 1][7]), std::stoi(rows[i][7]));
        }
    }
    // The per-candidate queries give the very same list.
    EXPECT_EQ(Generate("combination --surname 李 --length 2 --per-candidate-queries").out, r.out);
    CliResult typed = Generate("combination --surname 李 --length 2 --chars 圣诚 --second 志");
    EXPECT_EQ(Rows(typed.out).size(), 2u);
    EXPECT_EQ(Rows(typed.out)[0][1].substr(0, 6), "李志");
}

TEST(GenerateCommand, ModesAndTheirOptions) {
    struct Case {
        const char* arguments;
        std::size_t rows;
        const char* given;  // every listed given name starts with this (after the family name)
    } cases[] = {
        {"poetry --surname 李 --length 2 --chars 春江花月春", 16, ""},
        {"nickname --surname 李 --style 小A", 0, "小"},
        {"high-score --surname 龚 --length 2 --third 强", 400, ""},
        {"super --surname 龚 --sex 女 --second-elements 木 --third-elements 金", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        CliResult r = Generate(c.arguments);
        ASSERT_EQ(r.exitCode, 0);
        auto rows = Rows(r.out);
        if (c.rows) {
            EXPECT_EQ(rows.size(), c.rows);
        }
        EXPECT_FALSE(rows.empty());
        for (const auto& row : rows) {
            ASSERT_EQ(row.size(), 8u);
            EXPECT_EQ(row[1].substr(3).rfind(c.given, 0), 0u) << row[1];
        }
    }
}

TEST(GenerateCommand, ClassicTextEnglishRowsAndMessages) {
    CliResult classic = Generate("classic --surname 李 --sex 女 --length 1");
    ASSERT_EQ(classic.exitCode, 0);
    std::size_t emptyLines = 0;
    for (std::size_t at = 0; (at = classic.out.find("\r\n\r\n", at)) != std::string::npos; at += 4)
        ++emptyLines;
    EXPECT_EQ(emptyLines, 17u);  // 287 names, 16 to a line
    EXPECT_EQ(classic.out.substr(classic.out.size() - 3), "   ");

    CliResult english = Generate("english --surname 李 --given 晓 --gender 2");
    ASSERT_EQ(english.exitCode, 0);
    EXPECT_EQ(english.out, "1\tSharon\t莎伦\t平原\n");

    CliResult single = Generate("high-score --surname 龚", "2>&1");
    ASSERT_EQ(single.exitCode, 0);
    EXPECT_EQ(single.out.rfind("一字名数理得分较低,所以软件自动降低评分标准!\n", 0), 0u);
    CliResult noFamily = Generate("combination --length 2", "2>&1");
    EXPECT_EQ(noFamily.exitCode, 2);
    EXPECT_EQ(noFamily.out, "请输入姓氏\n");
}

// `n` distinct GB2312 hanzi, UTF-8.
std::string DistinctHanzi(std::size_t n) {
    std::string gbk;
    for (unsigned lead = 0xB0; lead <= 0xF7 && n; ++lead)
        for (unsigned trail = 0xA1; trail <= 0xFE && n; ++trail, --n) {
            gbk.push_back(static_cast<char>(lead));
            gbk.push_back(static_cast<char>(trail));
        }
    return GbkToUtf8(gbk);
}

TEST(GenerateCommand, ARefusedRunPrintsOneMessageAndExits2) {
    struct Case {
        std::string arguments;
        std::string message;  // all of stdout and stderr
    } cases[] = {
        {"high-score", "请输入姓氏\n"},
        {"high-score --surname ''", "请输入姓氏\n"},
        {"classic --surname ' '", "请输入姓氏\n"},
        {"high-score --surname 张王李赵钱", "姓氏最多4个字（如 李、欧阳），请重新输入姓氏。\n"},
        {"combination --surname 李 --chars " + DistinctHanzi(501),
         "组合的字最多500个，请删去一些再组合。\n"},
        {"poetry --surname 李 --chars 'ab c'",
         "lumo-cli generate: --chars of poetry takes Chinese characters only\n"},
        {"super --surname 李 --required-elements 金 --forbidden-elements 木金",
         "lumo-cli generate: --required-elements and --forbidden-elements share 金\n"},
        {"english --surname 李 --given $(printf '\\377')",
         "lumo-cli: argument 8 is not valid UTF-8\n"},
        {"high-score --surname 李 --bogus", "lumo-cli: unknown option --bogus\n"},
        {"high-score --surname 李 --second 😀",
         "lumo-cli: argument 8 (😀) holds a character that GBK cannot represent\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.substr(0, 80));
        CliResult r = Generate(c.arguments, "2>&1");
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, c.message);
    }
}

TEST(GenerateCommand, ARunThatFindsNothingSaysSo) {
    // Every nickname of the family name 小 in the style 小A holds the family name again.
    CliResult r = Generate("nickname --surname 小 --style 小A", "2>&1");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "没有找到符合条件的名字\n");
}

TEST(GenerateCommand, SharesTheFamilyNameRulesOfTheWindow) {
    // A family name that is not Chinese runs nothing.
    CliResult latin = Generate("high-score --surname Li --length 2", "2>&1");
    EXPECT_EQ(latin.exitCode, 2);
    EXPECT_EQ(latin.out, "姓氏“Li”不是汉字，请用汉字输入姓氏（如 李、欧阳）。\n");
    // The characters of 欧阳 count their strokes but are never drawn: 圣诚杰 pair alone.
    CliResult pairs = Generate("combination --surname 欧阳 --length 2 --chars 圣诚杰");
    ASSERT_EQ(pairs.exitCode, 0);
    auto rows = Rows(pairs.out);
    ASSERT_EQ(rows.size(), 9u);
    for (const auto& row : rows) {
        const std::string given = row[1].substr(std::string("欧阳").size());
        EXPECT_EQ(given.find("欧"), std::string::npos) << row[1];
        EXPECT_EQ(given.find("阳"), std::string::npos) << row[1];
    }
    // Nicknames: one row per distinct name.
    auto nicknames = Rows(Generate("nickname --surname 龚 --style AA").out);
    std::set<std::string> distinct;
    for (const auto& row : nicknames) distinct.insert(row[1]);
    EXPECT_GT(nicknames.size(), 100u);
    EXPECT_EQ(distinct.size(), nicknames.size());
}

TEST(GenerateCommand, RefusesWrongOptions) {
    struct Case {
        const char* arguments;
        const char* message;  // on stderr, or "" for a usage line
    } cases[] = {
        {"invent --surname 李", ""},
        {"high-score --surname 李 --sex x", ""},
        {"high-score --surname 李 --second 志 --third 强", ""},
        {"super --surname 李 --required-elements 风", ""},
        {"english --given 晓", "请输入姓氏\n"},
        {"english --surname 李", "请输入名字\n"},
        {"english --surname 李 --given 晓 --csv names.csv", ""},
        {"high-score --surname 李 --csv", ""},
    };
    for (const Case& c : cases) {
        CliResult r = Generate(c.arguments, "2>&1");
        EXPECT_EQ(r.exitCode, 2) << c.arguments;
        if (*c.message) {
            EXPECT_EQ(r.out, c.message);
        }
    }
}

// --csv writes the printed list again as a CSV, with the pinyin of the real reference data.
TEST(GenerateCommand, CsvHoldsThePrintedRowsAndTheirPinyin) {
    test::TempDir dir("lumo-cli-csv");
    const std::string real = LUMO_DATA_DIR "/namedata.db";
    const std::string run = "combination --surname 李 --length 2 --chars 圣诚 --second 志";
    CliResult plain = GenerateOn(real, run);
    CliResult withCsv = GenerateOn(real, run + " --csv '" + dir.File("names.csv") + "'");
    ASSERT_EQ(withCsv.exitCode, 0);
    EXPECT_EQ(withCsv.out, plain.out);  // the printed list is the same
    auto rows = Rows(plain.out);
    ASSERT_EQ(rows.size(), 2u);
    const std::map<std::string, std::string> pinyin = {{"李志圣", "lǐ zhì shèng"},
                                                       {"李志诚", "lǐ zhì chéng"}};
    std::string expected = "\xEF\xBB\xBF编号,姓名,拼音,简体笔划,繁体笔划,五行,五格,三才,评分\r\n";
    for (const auto& r : rows)
        expected += r[0] + "," + r[1] + "," + pinyin.at(r[1]) + "," + r[2] + "," + r[3] + "," +
                    r[4] + ",\"" + r[5] + "\"," + r[6] + "," + r[7] + "\r\n";
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("names.csv"), bytes));
    EXPECT_EQ(bytes, expected);

    // The classic mode's names, one a row; a file that cannot be written fails the command.
    CliResult classic =
        GenerateOn(real, "classic --surname 李 --length 2 --csv '" + dir.File("c.csv") + "'");
    ASSERT_EQ(classic.exitCode, 0);
    ASSERT_TRUE(ReadWholeFile(dir.File("c.csv"), bytes));
    std::size_t names = 0;
    std::istringstream words(classic.out);
    for (std::string word; words >> word;) ++names;
    ASSERT_GT(names, 10u);
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF姓名,拼音\r\n李", 0), 0u);
    EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')), 1 + names);
    std::filesystem::create_directory(dir.path() / "taken.csv");
    CliResult taken = GenerateOn(real, run + " --csv '" + dir.File("taken.csv") + "'", "2>&1");
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_NE(taken.out.find("cannot write"), std::string::npos);
}

// On the real reference data: the pool modes leave the reviewed unsuitable characters out unless
// asked, and a combination the user typed keeps them with a warning.
TEST(GenerateCommand, UnsuitableCharactersAreLeftOutOfPoolModesAndWarnedOfInTypedOnes) {
    SqliteDatabase db;
    ASSERT_TRUE(db.Open(LUMO_DATA_DIR "/namedata.db"));
    const UnsuitableChars unsuitable = LoadUnsuitableChars(db);
    ASSERT_GT(unsuitable.size(), 100u);
    auto countUnsuitable = [&unsuitable](const std::string& out) {
        std::size_t n = 0;
        for (const auto& row : Rows(out)) {
            const std::string given = Utf8ToGbk(row.at(1)).substr(2);  // after 李
            for (const std::string& c : SplitCharacters(given)) n += unsuitable.count(c);
        }
        return n;
    };
    auto real = [](const std::string& args, const char* redirect = "2>/dev/null") {
        return GenerateOn(LUMO_DATA_DIR "/namedata.db", args, redirect);
    };
    for (const char* mode : {"nickname", "super"}) {
        SCOPED_TRACE(mode);
        CliResult kept = real(std::string(mode) + " --surname 李");
        ASSERT_EQ(kept.exitCode, 0);
        ASSERT_FALSE(kept.out.empty());
        EXPECT_EQ(countUnsuitable(kept.out), 0u);
        CliResult all = real(std::string(mode) + " --surname 李 --include-unsuitable");
        EXPECT_GT(countUnsuitable(all.out), 0u);
    }
    CliResult typed = real("combination --surname 李 --length 2 --chars 涛屠明", "2>&1");
    EXPECT_NE(typed.out.find("不宜取名"), std::string::npos);
    EXPECT_NE(typed.out.find("李屠"), std::string::npos);
}

// --birth … --favorable keeps the names whose given-name characters all carry an element the
// chart favours (庚金 身强 in 1990-5-15 12时: 水木火), numbered anew; a birth that is no date is
// refused.
TEST(GenerateCommand, FavorableElementsOfTheBirthChartFilterTheNames) {
    auto real = [](const std::string& args) {
        return GenerateOn(LUMO_DATA_DIR "/namedata.db", args);
    };
    for (const char* mode : {"high-score --length 2", "super"}) {
        SCOPED_TRACE(mode);
        CliResult r = real(std::string(mode) + " --surname 李 --birth 1990-5-15-12 --favorable");
        ASSERT_EQ(r.exitCode, 0);
        const auto rows = Rows(r.out);
        ASSERT_FALSE(rows.empty());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].at(0), std::to_string(i + 1));
            const std::string given = rows[i].at(4).substr(3);  // the elements after 李's
            for (std::size_t at = 0; at < given.size(); at += 3)
                ASSERT_NE(std::string("水木火").find(given.substr(at, 3)), std::string::npos)
                    << rows[i].at(1) << " " << rows[i].at(4);
        }
    }
    EXPECT_EQ(real("high-score --surname 李 --birth 1990-2-31-12 --favorable").exitCode, 2);
    EXPECT_EQ(real("high-score --surname 李 --favorable").exitCode, 2);
}

}  // namespace
}  // namespace lumo
