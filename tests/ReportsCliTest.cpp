// lumo-cli report: the NameReport page of a name, as GBK, to a file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "content/FileOutput.h"
#include "db/Gbk.h"
#include "numerology/NameScore.h"
#include "reports/NameReport.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

int RunCli(const std::string& arguments, std::string* output = nullptr) {
    std::string cmd = std::string(LUMO_CLI_PATH) + " " + arguments + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    std::array<char, 4096> buf;
    std::size_t n;
    std::string out;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    int status = pclose(p);
    if (output) *output = out;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReportCommand, WritesTheNameReportPageAsGbk) {
    test::TempDir dir("lumo-report-cli");
    std::string dbPath = dir.File("namedata.db");
    {
        test::ReferenceFile file(dbPath);
        file.AddUniformRatings("吉", "中");
        file.AddChar({"李", 7, 7, "木", "李", "lǐ"});
        file.AddChar({"家", 10, 10, "木", "家", "jiā"});
        file.AddChar({"明", 8, 12, "火", "明", "míng"});
    }
    std::string out = dir.File("report.html");
    ASSERT_EQ(RunCli("--db '" + dbPath + "' report 李 家明 --out '" + out + "'"), 0);
    std::string page;
    ASSERT_TRUE(ReadWholeFile(out, page));

    SqliteDatabase db;
    ASSERT_TRUE(test::LoadFile(db, dbPath));
    EXPECT_EQ(page, NameReportPage(EvaluateName(db, Gbk("李"), Gbk("家明"))));
    EXPECT_NE(GbkToUtf8(page).find("<span class=\"fontcolor1\">李</span>"), std::string::npos);
    EXPECT_EQ(page.rfind("<html>", 0), 0u);
}

TEST(ReportCommand, RefusesAnEmptyName) {
    std::string output;
    EXPECT_EQ(RunCli("report '' 家明", &output), 2);
    EXPECT_EQ(output, "请输入姓氏\n");
    EXPECT_EQ(RunCli("report 李", &output), 2);
    EXPECT_EQ(output, "请输入名字\n");
}

}  // namespace
}  // namespace lumo
