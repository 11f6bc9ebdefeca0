// The birth-chart page: report text, nayin table, missing elements and zodiac advice.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "birthchart/BirthChart.h"
#include "birthchart/ZodiacAdvice.h"
#include "db/Gbk.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

BirthDateTexts Texts(const char* y, const char* m, const char* d, const char* h) {
    return {y, m, d, h};
}

const char* kDragonAdvice =
    "生肖属相：龙。\r\n\r\n龙年出生的人取名偏旁部首：\r\n\r\n"
    "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
    "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。";

TEST(BirthChart, WritesTheFiveLinesAndTheAdvice) {
    BirthChart chart;
    test::RecordingSink messages;
    ASSERT_TRUE(QueryBirthChart(Texts("2013", "1", "1", "0"), chart, messages));
    // 2013-01-01 0:00 is 壬辰年 壬子月 丁卯日 庚子时, lunar 冬月二十 of the 壬辰 year.
    std::string expected =
        "公历日期：2013年1月1日0时\r\n\r\n"
        "农历日期：壬辰年    冬月  二十日  庚子时\r\n\r\n"
        "八字四柱：壬辰年  壬子月  丁卯日  庚子时\r\n\r\n"
        "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \r\n\r\n"
        "五行纳音：长流水  桑柘木  炉中火  壁上土\r\n\r\n";
    EXPECT_EQ(U(chart.report), expected + kDragonAdvice);
    EXPECT_EQ(U(chart.elementString), "水,土,水,水,火,木,金,水,");
    EXPECT_EQ(chart.missing, "");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(BirthChart, ListsMissingElementsInTheirFixedOrder) {
    BirthChart chart;
    test::RecordingSink messages;
    // 2013-02-04 0:00: 壬辰 癸丑 辛丑 戊子 — 水土 水土 金土 土水: no 木, no 火.
    ASSERT_TRUE(QueryBirthChart(Texts("2013", "2", "4", "0"), chart, messages));
    EXPECT_NE(U(chart.report).find("八字五行：水,土,水,土,金,土,土,水, ( 五行缺：木火 ) \r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(U(chart.missing), "木火");
    EXPECT_NE(U(chart.report).find("农历日期：壬辰年    腊月  廿四日  戊子时\r\n\r\n"),
              std::string::npos);
}

TEST(BirthChart, MissingElementsFollowJinMuShuiHuoTu) {
    struct Case {
        const char* elements;
        const char* missing;
        const char* text;
    } cases[] = {
        {"木,土,木,土,金,土,土,金,", "水火", "五行缺：水火"},
        {"水,土,水,水,火,木,金,水,", "", "五行不缺"},
        {"", "金木水火土", "五行缺：金木水火土"},
        {"土,土,土,土,土,土,土,土,", "金木水火", "五行缺：金木水火"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(U(MissingElementCharacters(Gbk(c.elements))), c.missing) << c.elements;
        EXPECT_EQ(U(MissingElements(Gbk(c.elements))), c.text) << c.elements;
    }
}

TEST(BirthChart, NayinTableAsPrinted) {
    const char* stemElements[] = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
    const char* branchElements[] = {"水", "土", "木", "木", "土", "火",
                                    "火", "土", "金", "金", "土", "水"};
    std::set<std::string> names;
    for (int n = 1; n <= 60; ++n) {
        NayinRow row = NayinTable(n);
        EXPECT_EQ(U(row.elements), std::string(stemElements[(n - 1) % 10]) + "," +
                                       branchElements[(n - 1) % 12] + ",");
        EXPECT_EQ(U(row.nayin).size(), 9u) << n;  // three characters
        if (n % 2 == 0) {
            EXPECT_EQ(row.nayin, NayinTable(n - 1).nayin) << n;
        }
        names.insert(row.nayin);
        EXPECT_EQ(CycleIndexOf(CycleName(n)), n);
    }
    EXPECT_EQ(names.size(), 30u);
    struct Case {
        int index;
        const char* nayin;
    } cases[] = {{1, "海中金"},  {3, "炉中火"},  {13, "涧下水"}, {31, "砂石金"}, {32, "砂石金"},
                 {41, "灯头火"}, {42, "灯头火"}, {49, "桑柘木"}, {60, "大海水"}};
    for (const Case& c : cases) EXPECT_EQ(U(NayinTable(c.index).nayin), c.nayin);
    EXPECT_EQ(NayinTable(0).nayin, "");
    EXPECT_EQ(NayinTable(61).elements, "");
    EXPECT_EQ(CycleIndexOf(Gbk("甲丑")), 0);
}

TEST(ZodiacAdvice, FollowsTheBranchOfTheYearPillar) {
    const char* animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                             "马", "羊", "猴", "鸡", "狗", "猪"};
    for (int n = 1; n <= 60; ++n) {
        std::string animal = animals[(n - 1) % 12];
        std::string text = U(ZodiacAdvice(CycleName(n)));
        std::string head =
            "生肖属相：" + animal + "。\r\n\r\n" + animal + "年出生的人取名偏旁部首：\r\n\r\n宜：";
        EXPECT_EQ(text.rfind(head, 0), 0u) << n;
        bool trailingSpace = animal == "蛇" || animal == "马";
        std::string tail = trailingSpace ? "等部首。 " : "等部首。";
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << n;
        EXPECT_NE(text.find("等部首为吉。\r\n\r\n忌："), std::string::npos) << n;
        EXPECT_EQ(Utf8ToGbk(text), ZodiacAdvice(CycleName(n))) << "every radical has a GBK form";
    }
    EXPECT_EQ(U(ZodiacAdvice(CycleName(1))),
              "生肖属相：鼠。\r\n\r\n鼠年出生的人取名偏旁部首：\r\n\r\n"
              "宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n"
              "忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。");
    EXPECT_EQ(ZodiacAdvice(""), "");
}

TEST(BirthChart, EarlyJanuaryShowsTheAnimalOfThePreviousYear) {
    BirthChart chart;
    test::RecordingSink messages;
    ASSERT_TRUE(QueryBirthChart(Texts("2014", "1", "20", "8"), chart, messages));
    EXPECT_EQ(U(chart.pillars[0]), "癸巳");
    std::string report = U(chart.report);
    EXPECT_NE(report.find("生肖属相：蛇。"), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 1), " ");
}

TEST(BirthChart, ASecondQueryReplacesTheWholeReport) {
    BirthChart chart;
    test::RecordingSink messages;
    ASSERT_TRUE(QueryBirthChart(Texts("2013", "1", "1", "0"), chart, messages));
    ASSERT_TRUE(QueryBirthChart(Texts("2020", "5", "23", "12"), chart, messages));
    std::string report = U(chart.report);
    EXPECT_EQ(report.find("2013"), std::string::npos);
    EXPECT_EQ(report.find("生肖属相："), report.rfind("生肖属相："));
    EXPECT_NE(report.find("农历日期：庚子年    闰四月  初一日  甲午时"), std::string::npos);
}

TEST(BirthChart, RefusesDatesThatDoNotExistAndKeepsTheLastChart) {
    BirthChart chart;
    test::RecordingSink messages;
    ASSERT_TRUE(QueryBirthChart(Texts("2013", "1", "1", "0"), chart, messages));
    BirthChart before = chart;
    struct Case {
        BirthDateTexts texts;
        const char* message;
    } cases[] = {
        {Texts("2013", "2", "31", "0"), "公历2013年2月31日0时不存在，请重新选择出生日期。"},
        {Texts("2013", "4", "31", "5"), "公历2013年4月31日5时不存在，请重新选择出生日期。"},
        {Texts("2013", "1", "1", "24"), "公历2013年1月1日24时不存在，请重新选择出生日期。"},
        {Texts("2013", "", "1", "0"), "请选择完整的出生日期和时辰。"},
        {Texts("2013", "1a", "1", "0"), "请选择完整的出生日期和时辰。"},
        {Texts("1899", "12", "31", "0"), "只能查询1900年至2100年的出生日期。"},
    };
    for (const Case& c : cases) {
        messages.messages.clear();
        EXPECT_FALSE(QueryBirthChart(c.texts, chart, messages));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(U(messages.messages[0].text), c.message);
        EXPECT_EQ(U(messages.messages[0].title), "提示");
        EXPECT_EQ(chart.report, before.report);
        EXPECT_EQ(chart.pillars, before.pillars);
    }
}

}  // namespace
}  // namespace lumo
