#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "support/Fixture.h"

namespace lumo {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
};

// Runs lumo-cli with the arguments (already shell-quoted) and captures stdout; stderr is merged
// into the output when `withStderr` is set.
CliRun RunCli(const std::string& arguments, bool withStderr = false) {
    std::string cmd = std::string(LUMO_CLI_PATH) + " " + arguments + (withStderr ? " 2>&1" : " 2>/dev/null");
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        test::ReferenceFile file(db);
        file.AddUniformRatings("吉", "中");
        file.AddNumber(8, "大凶");
        file.AddChar({"李", 7, 7, "木", "李", "lǐ"});
        file.AddChar({"家", 10, 10, "木", "家", "jiā"});
        file.AddChar({"明", 8, 12, "火", "明", "míng"});
    }
    test::TempDir dir{"lumo-cli"};
    std::string db = dir.File("namedata.db");
};

TEST_F(Cli, ScoresANameAsJsonAndAsARow) {
    CliRun json = RunCli("--db '" + db + "' score 李 家明 --json");
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out,
              "{\"name\":\"李家明\",\"simplifiedTotal\":25,\"traditionalTotal\":29,\"elements\":\"木木火\","
              "\"grids\":[8,17,22,29,13],\"threeTalents\":\"金金木\",\"ratings\":[\"吉\",\"吉\",\"吉\",\"吉\",\"吉\",\"中\"],"
              "\"rawScore\":97.75,\"score\":97}\n");
    CliRun plain = RunCli("score 李 家明 --db '" + db + "'");
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, "李家明\t25\t29\t木木火\t8,17,22,29,13\t金金木\t97\n");
}

TEST_F(Cli, LooksUpACharacter) {
    CliRun r = RunCli("--db '" + db + "' char 明 --json");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"kangxiStrokes\":12"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"listed\":true"), std::string::npos);
    CliRun missing = RunCli("--db '" + db + "' char 无 --json");
    EXPECT_NE(missing.out.find("\"listed\":false"), std::string::npos);
}

TEST_F(Cli, RefusesEmptyNamesAndMissingDatabases) {
    CliRun noFamily = RunCli("--db '" + db + "' score '' 家明", true);
    EXPECT_EQ(noFamily.exitCode, 2);
    EXPECT_EQ(noFamily.out, "请输入姓氏\n");
    CliRun noGiven = RunCli("--db '" + db + "' score 李 '  '", true);
    EXPECT_EQ(noGiven.exitCode, 2);
    EXPECT_EQ(noGiven.out, "请输入名字\n");
    CliRun noDb = RunCli("--db '" + dir.File("none.db") + "' score 李 家明", true);
    EXPECT_EQ(noDb.exitCode, 2);
    EXPECT_NE(noDb.out.find("将磁盘数据库附加到内存数据库失败！"), std::string::npos);
    EXPECT_EQ(RunCli("frobnicate").exitCode, 2);
}

TEST_F(Cli, RefusesToScoreWithDamagedData) {
    std::string damaged = dir.File("damaged.db");
    {
        test::ReferenceFile file(damaged);
        file.AddChar({"李", 7, 7, "木", "李", "lǐ"});  // no 81 numbers: every name would score low
    }
    CliRun r = RunCli("--db '" + damaged + "' score 李 李李");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    CliRun told = RunCli("--db '" + damaged + "' score 李 李李", true);
    EXPECT_NE(told.out.find("八十一数理表应有 81 个数，只有 0 个"), std::string::npos) << told.out;
}

TEST_F(Cli, RefusesUnknownOptionsAndTextsTheCoreCannotHold) {
    struct Case {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"char 明 --bogus", "lumo-cli: unknown option --bogus\n"},
        {"score 李 家明 --out x", "lumo-cli: unknown option --out\n"},
        {"chart 2020 1 1 0 --bogus", "lumo-cli: unknown option --bogus\n"},
        {"score 李 😀😀", "lumo-cli: argument 5 (😀😀) holds a character that GBK cannot represent\n"},
        {"score 李 $(printf '\\344\\270')", "lumo-cli: argument 5 is not valid UTF-8\n"},
        {"score 李 $(printf '\\300\\257')",
         "lumo-cli: argument 5 is not valid UTF-8\n"},  // overlong "/"
        {"score 李家明明明 明", "姓氏最多4个字（如 李、欧阳），请重新输入姓氏。\n"},
    };
    for (const Case& c : cases) {
        CliRun r = RunCli("--db '" + db + "' " + c.arguments, true);
        EXPECT_EQ(r.exitCode, 2) << c.arguments;
        EXPECT_EQ(r.out, c.message) << c.arguments;
    }
}

TEST_F(Cli, RefusesNamesThatAreNotChineseAndWarnsOfUnlistedCharacters) {
    const struct {
        const char *family, *given, *message;
    } refused[] = {{"Li", "家明", "姓氏“Li”不是汉字，请用汉字输入姓氏（如 李、欧阳）。\n"},
                   {"李", "abc", "名字“abc”不是汉字，请用汉字输入名字。\n"},
                   {"李", "家1", "名字“家1”不是汉字，请用汉字输入名字。\n"}};
    for (const auto& c : refused) {
        CliRun r = RunCli("--db '" + db + "' score '" + c.family + "' '" + c.given + "'", true);
        EXPECT_EQ(r.exitCode, 2) << c.given;
        EXPECT_EQ(r.out, c.message);
    }
    // 龘 has no row: the name is scored, with the warning on stderr before the score.
    CliRun unlisted = RunCli("--db '" + db + "' score 李 家龘", true);
    EXPECT_EQ(unlisted.exitCode, 0);
    EXPECT_EQ(unlisted.out.rfind("龘：字库未收录，此名评分不可信\n李家龘", 0), 0u) << unlisted.out;
}

}  // namespace
}  // namespace lumo
