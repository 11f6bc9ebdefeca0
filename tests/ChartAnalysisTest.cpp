#include <gtest/gtest.h>

#include <sstream>

#include "birthchart/ChartAnalysis.h"
#include "birthchart/FavorableNames.h"
#include "db/Gbk.h"

namespace lumo {
namespace {

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

std::string OneDecimal(double v) {
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(1);
    out << v;
    return out.str();
}

// Twenty charts worked out by hand with the documented weights, covering the four seasons and
// strong, weak and balanced day masters (the pillars are the calendar's for the birth given).
TEST(ChartAnalysis, AgreesWithTwentyChartsWorkedByHand) {
    struct Case {
        const char *pillars, *hidden, *strength, *own, *other, *verdict, *favorable, *unfavorable;
    } const cases[] = {
        {"癸巳 甲子 癸亥 丙辰", "丙戊庚|癸|壬甲|戊乙癸", "金0.1木1.6水4.8火1.6土0.9", "4.9", "4.1",
         "中和", "土", "水"},  // 2013-12-23 8时
        {"庚午 辛巳 庚辰 壬午", "丁己|丙戊庚|戊乙癸|丁己", "金3.2木0.3水1.1火2.6土1.8", "5.0",
         "4.0", "身强", "水木火", "土金"},  // 1990-5-15 12时
        {"乙丑 甲申 己卯 甲戌", "己癸辛|庚壬戊|乙|戊辛丁", "金1.6木4.0水0.9火0.1土2.4", "2.5",
         "6.5", "身弱", "火土", "木金水"},  // 1985-8-8 20时
        {"己卯 丙子 戊午 壬子", "乙|癸|丁己|癸", "金0.0木1.0水4.0火1.7土2.3", "4.0", "5.0", "身弱",
         "火土", "木金水"},  // 2000-1-1 0时
        {"庚子 己卯 癸亥 乙卯", "癸|乙|壬甲|乙", "金1.0木4.3水2.7火0.0土1.0", "3.7", "5.3", "身弱",
         "金水", "土木火"},  // 2020-3-21 6时
        {"戊午 壬戌 戊辰 己未", "丁己|戊辛丁|戊乙癸|己丁乙", "金0.6木0.4水1.1火1.2土5.7", "6.9",
         "2.1", "身强", "金水木", "火土"},  // 1978-11-2 14时
        {"己酉 辛未 丙申 丙申", "辛|己丁乙|庚壬戊|庚壬戊", "金3.2木0.2水0.6火2.6土2.4", "2.8",
         "6.2", "身弱", "木火", "水土金"},  // 1969-7-20 16时
        {"戊子 庚申 庚辰 庚辰", "癸|庚壬戊|戊乙癸|戊乙癸", "金4.2木0.6水1.8火0.0土2.4", "6.6",
         "2.4", "身强", "水木火", "土金"},  // 2008-8-8 8时
        {"乙亥 戊寅 丙子 癸巳", "壬甲|甲丙戊|癸|丙戊庚", "金0.1木2.5水2.7火2.2土1.5", "4.7", "4.3",
         "中和", "金", "水"},  // 1995-2-14 10时
        {"丙申 戊戌 乙丑 丁亥", "庚壬戊|戊辛丁|己癸辛|壬甲", "金1.3木1.3水1.3火2.2土2.9", "2.6",
         "6.4", "身弱", "水木", "金火土"},  // 2016-10-10 22时
        {"戊辰 乙卯 己丑 丙寅", "戊乙癸|乙|己癸辛|甲丙戊", "金0.1木3.9水0.4火1.3土3.3", "4.6",
         "4.4", "中和", "金", "木"},  // 1988-4-4 4时
        {"癸未 戊午 甲戌 癸酉", "己丁乙|丁己|戊辛丁|辛", "金1.3木1.1水2.0火1.8土2.8", "3.1", "5.9",
         "身弱", "水木", "金火土"},  // 2003-6-30 18时
        {"乙卯 乙酉 戊午 丁巳", "乙|辛|丁己|丙戊庚", "金2.1木3.0水0.0火2.3土1.6", "3.9", "5.1",
         "身弱", "火土", "木金水"},  // 1975-9-9 9时
        {"辛卯 己亥 庚午 壬午", "乙|壬甲|丁己|丁己", "金2.0木1.6水2.4火1.4土1.6", "3.6", "5.4",
         "身弱", "土金", "火水木"},  // 2011-11-11 11时
        {"己卯 丙子 丁巳 壬子", "乙|癸|丙戊庚|癸", "金0.1木1.0水4.0火2.6土1.3", "3.6", "5.4",
         "身弱", "木火", "水土金"},  // 1999-12-31 23时
        {"癸亥 甲寅 甲子 乙丑", "壬甲|甲丙戊|癸|己癸辛", "金0.1木4.5水3.0火0.6土0.8", "7.5", "1.5",
         "身强", "火土金", "水木"},  // 1983-2-5 2时
        {"壬寅 丁未 辛酉 丙申", "甲丙戊|己丁乙|辛|庚壬戊", "金2.6木0.8水1.3火2.9土1.4", "4.0",
         "5.0", "身弱", "土金", "火水木"},  // 2022-7-7 15时
        {"己亥 丁丑 壬寅 甲辰", "壬甲|己癸辛|甲丙戊|戊乙癸", "金0.2木2.2水2.4火1.3土2.9", "2.6",
         "6.4", "身弱", "金水", "土木火"},  // 1960-1-15 7时
        {"乙酉 庚辰 己丑 丁卯", "辛|戊乙癸|己癸辛|乙", "金2.1木2.6水0.5火1.0土2.8", "3.8", "5.2",
         "身弱", "火土", "木金水"},  // 2005-5-5 5时
        {"壬申 己酉 壬寅 丁未", "庚壬戊|辛|甲丙戊|己丁乙", "金2.6木0.7水2.3火1.6土1.8", "4.9",
         "4.1", "中和", "木", "金"},  // 1992-9-23 13时
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pillars);
        std::array<std::string, 4> pillars;
        std::istringstream in(c.pillars);
        for (std::string& p : pillars) {
            in >> p;
            p = Utf8ToGbk(p);
        }
        ChartAnalysis a;
        ASSERT_TRUE(AnalyzeChart(pillars, a));
        std::string hidden;
        for (std::size_t b = 0; b < 4; ++b) {
            hidden += b ? "|" : "";
            for (const std::string& s : a.hiddenStems[b]) hidden += U(s);
        }
        EXPECT_EQ(hidden, c.hidden);
        std::string strength;
        for (int e = 0; e < 5; ++e)
            strength += U(ElementName(static_cast<ChartElement>(e))) +
                        OneDecimal(a.elementStrength[static_cast<std::size_t>(e)]);
        EXPECT_EQ(strength, c.strength);
        EXPECT_EQ(OneDecimal(a.ownKind), c.own);
        EXPECT_EQ(OneDecimal(a.otherKind), c.other);
        EXPECT_EQ(U(StrengthName(a.strength)), c.verdict);
        EXPECT_EQ(U(ElementsText(a.favorable)), c.favorable);
        EXPECT_EQ(U(ElementsText(a.unfavorable)), c.unfavorable);
    }
}

TEST(ChartAnalysis, WritesOutItsReasoningWithTheFiguresAndRefusesWhatIsNotAPillar) {
    ChartAnalysis a;
    ASSERT_TRUE(AnalyzeChart({Gbk("庚午"), Gbk("辛巳"), Gbk("庚辰"), Gbk("壬午")}, a));
    ASSERT_EQ(a.reasoning.size(), 4u);
    EXPECT_EQ(U(a.reasoning[0]), "日主庚金，生于巳月，月令本气丙非同类，失令。");
    EXPECT_NE(U(a.reasoning[2]).find("同类（金土）得分 5.0，异类得分 4.0，同类占 56%，判为身强"),
              std::string::npos);
    EXPECT_NE(U(a.reasoning[3]).find("身强宜抑"), std::string::npos);
    for (const auto& bad :
         {std::array<std::string, 4>{Gbk("庚午"), Gbk("辛巳"), Gbk("庚"), Gbk("壬午")},
          std::array<std::string, 4>{Gbk("午庚"), Gbk("辛巳"), Gbk("庚辰"), Gbk("壬午")},
          std::array<std::string, 4>{"", "", "", ""}})
        EXPECT_FALSE(AnalyzeChart(bad, a));
}

// A name meets the chart through its given-name characters' elements.
TEST(FavorableNames, GivenNameCharactersCarryTheFavourableElements) {
    const std::vector<ChartElement> wood = {ChartElement::Water, ChartElement::Wood};
    struct Case {
        const char* elements;
        std::size_t family;
        bool favorable;
    } const cases[] = {
        {"木水木", 1, true},   {"木水火", 1, false}, {"火木", 1, true},
        {"金金水水", 2, true}, {"水水金", 2, false}, {"木", 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GivenNameFavorable(Gbk(c.elements), c.family, ElementsText(wood)), c.favorable) << c.elements;

    ChartAnalysis a;
    ASSERT_TRUE(AnalyzeChart({Gbk("庚午"), Gbk("辛巳"), Gbk("庚辰"), Gbk("壬午")}, a));
    std::vector<std::string> lines = ChartMatchLines(a, Gbk("水土"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(U(lines[0]), "八字日主庚金，身强，喜用水木火，忌土金。");
    EXPECT_EQ(U(lines[1]), "名字带来喜用之水，与八字相合。");
    EXPECT_EQ(U(lines[2]), "名字带有所忌之土，宜斟酌。");
    EXPECT_EQ(U(ChartMatchLines(a, Gbk("金金"))[1]), "名字未带喜用之五行。");
}

}  // namespace
}  // namespace lumo
