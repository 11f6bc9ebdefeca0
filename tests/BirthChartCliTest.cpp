// lumo-cli chart: the text of 编辑框_八字信息 on stdout.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>

#include "birthchart/BirthChart.h"
#include "db/Gbk.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

struct ChartRun {
    int exitCode = -1;
    std::string out;
};

ChartRun RunChart(const std::string& arguments, bool withStderr = false) {
    std::string cmd = std::string(LUMO_CLI_PATH) + " chart " + arguments +
                      (withStderr ? " 2>&1" : " 2>/dev/null");
    ChartRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(ChartCommand, PrintsTheEditBoxTextAndOneNewline) {
    for (const char* date : {"2013 1 1 0", "2024 2 10 23", "1970 6 15 12"}) {
        ChartRun r = RunChart(date);
        ASSERT_EQ(r.exitCode, 0) << date;
        std::string y, m, d, h;
        std::istringstream(date) >> y >> m >> d >> h;
        BirthChart chart;
        test::RecordingSink messages;
        ASSERT_TRUE(QueryBirthChart({y, m, d, h}, chart, messages));
        EXPECT_EQ(r.out, GbkToUtf8(chart.report) + "\n") << date;
    }
    ChartRun first = RunChart("2013 1 1 0");
    EXPECT_EQ(first.out.rfind("公历日期：2013年1月1日0时\r\n\r\n农历日期：", 0), 0u);
}

TEST(ChartCommand, RefusesAnImpossibleDate) {
    ChartRun bad = RunChart("2013 2 31 0", true);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.out, "公历2013年2月31日0时不存在，请重新选择出生日期。\n");
    EXPECT_EQ(RunChart("2013 2").exitCode, 2);
}

// --json prints the designed text's facts and the analysis under the documented keys.
TEST(ChartCommand, JsonHoldsThePillarsAndTheAnalysis) {
    ChartRun r = RunChart("1990 5 15 12 --json");
    ASSERT_EQ(r.exitCode, 0);
    for (const char* key : {"\"pillars\":[", "\"lunarDate\":", "\"nayin\":[", "\"hiddenStems\":[[",
                            "\"elementCounts\":{", "\"elementStrength\":{",
                            "\"dayMaster\":{\"stem\":", "\"strength\":", "\"favorable\":[",
                            "\"unfavorable\":[", "\"reasoning\":["})
        EXPECT_NE(r.out.find(key), std::string::npos) << key;
    EXPECT_EQ(r.out.back(), '\n');
    // The plain text is unchanged by the analysis.
    EXPECT_EQ(RunChart("1990 5 15 12").out.find("\"pillars\""), std::string::npos);
    EXPECT_EQ(RunChart("1990 2 31 12 --json").exitCode, 2);
}

}  // namespace
}  // namespace lumo
