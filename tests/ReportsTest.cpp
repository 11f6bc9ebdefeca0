// Name reports: the NameReport page, the character and family-name pages and the detail
// window's content.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "content/FileOutput.h"
#include "birthchart/ChartAnalysis.h"
#include "db/Gbk.h"
#include "reports/CharacterPages.h"
#include "reports/NameDetails.h"
#include "reports/NameReport.h"
#include "reports/PageTemplates.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

bool Has(const std::string& gbkPage, const std::string& utf8) {
    return U(gbkPage).find(utf8) != std::string::npos;
}

std::string FileBytes(const std::filesystem::path& p) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(p, bytes)) << p;
    return bytes;
}

const std::vector<std::string>& AllPlaceholders() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> out;
        for (const char* p : {"姓氏1", "姓氏2", "名字1", "名字2"}) {
            std::string s = p;
            for (const std::string& f :
                 {"{简体" + s + "}", "{繁体" + s + "}", "{" + s + "拼音}", "{简体" + s + "笔划}",
                  "{繁体" + s + "笔划}", "{" + s + "五行}"})
                out.push_back(f);
        }
        for (const char* g : {"天格", "人格", "地格", "总格", "外格"}) {
            std::string s = g;
            for (const char* suffix : {"", "五行", "吉凶", "总论", "释义", "数理暗示"})
                out.push_back("{" + s + suffix + "}");
        }
        for (const char* t : {"{三才}", "{三才吉凶}", "{三才总论}", "{三才释义}", "{基础运}",
                              "{成功运}", "{人际关系}", "{性格}", "{总分建议}", "{评分总分}"})
            out.push_back(t);
        return out;
    }();
    return all;
}

// GBK bytes that convert to UTF-8 and back unchanged, with CR LF line ends and no byte-order mark.
void ExpectGbkPage(const std::string& page) {
    EXPECT_EQ(Utf8ToGbk(GbkToUtf8(page)), page);
    EXPECT_EQ(page.rfind("<html>", 0), 0u);
    for (std::size_t i = page.find('\n'); i != std::string::npos; i = page.find('\n', i + 1))
        ASSERT_TRUE(i > 0 && page[i - 1] == '\r') << "a line not ended by CR LF at byte " << i;
    EXPECT_TRUE(Has(page, "charset=gb2312"));
}

TEST(NameReportTemplate, HoldsEveryPlaceholderAndFixedText) {
    const std::string& t = NameReportTemplate();
    ASSERT_EQ(AllPlaceholders().size(), 64u);
    for (const std::string& p : AllPlaceholders()) EXPECT_TRUE(Has(t, p)) << p;
    ExpectGbkPage(t);
    for (const char* fixed :
         {"<title>名字评分</title>",
          "#BBAC85",
          "#FDFBF2",
          "天格-&gt; {天格}({天格五行})",
          "外格-&gt; {外格}({外格五行})",
          "繁体",
          "康熙笔划",
          "字意五行",
          "[ 结果来源于： Lumo取名软件 ]",
          "说明：五格剖象法所用字的笔划以《康熙字典》为准",
          "本方法测命理只供参考,切勿影响生活!",
          "天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶"
          "吉都无法改)",
          "人格数又称主运，是整个姓名的中心点，影响人的一生命运。",
          "地格数又称前运，影响人中年（36岁）以前的活动力。",
          "总格又称后运，影响人中年（36岁）以后的命运。",
          "外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。",
          "{天格总论}（<font color=red>{天格吉凶}</font>）",
          " → 详细解释：<br />{天格释义}",
          "对三才数理的影响：",
          "您的姓名三才配置为：{三才}。它具有如下数理诱导力，据此会对人生产生一定的影响。",
          "对基础运的影响",
          "对成功运的影响",
          "对人际关系的影响",
          "对性格的影响",
          "天格{天格}有以下数理暗示",
          "外格{外格}有以下数理暗示",
          "总评及建议：<br />&nbsp;&nbsp;{总分建议}",
          "姓名五格评分：",
          " 分"})
        EXPECT_TRUE(Has(t, fixed)) << fixed;
}

// An evaluation made by hand, for the verdict and the empty-row cases.
NameEvaluation Evaluation(float rawScore) {
    NameEvaluation e;
    e.characters[0].text = Gbk("李");
    e.characters[2].text = Gbk("明");
    e.grids = {8, 15, 9, 14, 2};
    e.rawScore = rawScore;
    e.score = static_cast<int>(rawScore);
    return e;
}

TEST(NameReport, VerdictBands) {
    const std::string best = "你的名字取得非常棒";
    const std::string good = "你的名字取得不错";
    const std::string fair = "你的名字可能不太理想";
    const std::string poor = "你的名字不太好";
    const std::string bad = "你的名字很不好！";
    struct Case {
        float raw;
        std::string verdict;
    } cases[] = {{100, best}, {90, best}, {89.5f, good}, {89, good}, {80, good}, {79.5f, fair},
                 {70, fair},  {60, poor}, {59.5f, bad},  {59, bad},  {0, bad}};
    for (const Case& c : cases) {
        EXPECT_EQ(U(VerdictFor(c.raw)).rfind(c.verdict, 0), 0u) << c.raw;
        std::string page = NameReportPage(Evaluation(c.raw));
        EXPECT_TRUE(Has(page, "&nbsp;&nbsp;" + c.verdict)) << c.raw;
    }
}

// With a birth chart the report says, just above the verdict, how the given name meets it.
TEST(NameReport, TheBirthChartBlockStandsAboveTheVerdict) {
    NameEvaluation e = Evaluation(92);
    e.elements = Gbk("木水火");
    ChartAnalysis chart;
    ASSERT_TRUE(AnalyzeChart({Gbk("庚午"), Gbk("辛巳"), Gbk("庚辰"), Gbk("壬午")}, chart));
    const std::string page = U(NameReportPage(e, &chart, 1));
    const std::size_t block = page.find("八字日主庚金，身强，喜用水木火，忌土金。");
    ASSERT_NE(block, std::string::npos);
    EXPECT_NE(page.find("名字带来喜用之水火，与八字相合。"), std::string::npos);
    EXPECT_LT(block, page.find("你的名字取得非常棒"));
    EXPECT_EQ(U(NameReportPage(e)).find("八字日主"), std::string::npos);
}

TEST(NameReport, MissingTableRowsLeaveOnlyTheLabels) {
    std::string page = NameReportPage(Evaluation(60));
    for (const std::string& p : AllPlaceholders()) EXPECT_FALSE(Has(page, p)) << p;
    EXPECT_TRUE(Has(page, "天格8的解析："));
    EXPECT_TRUE(Has(page, "()（<font color=red></font>）"));
    EXPECT_TRUE(Has(page, "详细解释：<br /><BR>基业:<BR>家庭:<BR>健康:<BR>含义:</td>"));
    EXPECT_TRUE(Has(page, "天格8有以下数理暗示</td>\r\n    <td class=\"tdbgcolor\"></td>"));
    EXPECT_TRUE(Has(page, "1、总论:<BR>2、性格:"));
    EXPECT_TRUE(Has(page, "<BR>12、老运:<br />"));
    ExpectGbkPage(page);
}

class ReportDatabase : public ::testing::Test {
  protected:
    void SetUp() override {
        {
            test::ReferenceFile file(path);
            ASSERT_TRUE(file.db().BeginTransaction());
            file.AddChar({"李", 7, 7, "木", "李", "lǐ"});
            file.AddChar({"家", 10, 10, "木", "家", "jiā"});
            file.AddChar({"明", 8, 12, "火", "明", "míng"});
            file.AddChar({"欧", 8, 15, "土", "歐", "ōu"});
            file.AddChar({"阳", 6, 17, "土", "陽", "yáng"});
            file.AddChar({"修", 9, 10, "金", "修", "xiū"});
            file.AddChar({"张", 7, 11, "火", "張", "zhāng"});
            file.AddChar({"无", 4, 12, "", "無", "wú"});  // a row without element: unlisted
            for (int n = 1; n <= 81; ++n) AddNumber(file, n);
            AddTalent(file, "金金木");
            file.CompleteRatings();
            file.db().Finalize(
                file.db().Query(Gbk("insert into LM_百家姓 values (1, ?, ?, ?, ?)"),
                                {SqlParam::Text(Gbk("张")), SqlParam::Text(Gbk("源于<b>黄帝</b>")),
                                 SqlParam::Text(Gbk("河北")), SqlParam::Text(Gbk("张良"))}));
            ASSERT_TRUE(file.db().CommitTransaction());
        }
        ASSERT_TRUE(test::LoadFile(db, path));
    }

    // Every column of number n carries its own label, so each placeholder's source can be seen.
    static void AddNumber(test::ReferenceFile& f, int n) {
        std::string s = std::to_string(n);
        std::vector<SqlParam> p = {SqlParam::Integer(n),
                                   SqlParam::Text(Gbk(n == 17 ? "大吉" : "吉"))};
        for (const char* label : {"一", "二", "三", "基", "家", "健", "含"})
            p.push_back(SqlParam::Text(Gbk(label + s)));
        p.push_back(SqlParam::Text(Gbk("甲" + s + "|乙" + s + "|丙" + s + "|丁" + s)));
        f.db().Finalize(f.db().Query(
            Gbk("insert into LM_八一灵动数 values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"), p));
    }

    static void AddTalent(test::ReferenceFile& f, const std::string& key) {
        std::vector<SqlParam> p = {SqlParam::Integer(1), SqlParam::Text(Gbk(key)),
                                   SqlParam::Text(Gbk("中")), SqlParam::Text(Gbk("三才总一")),
                                   SqlParam::Text(Gbk("不用的解释二"))};
        for (int c = 5; c <= 20; ++c) p.push_back(SqlParam::Text("c" + std::to_string(c)));
        std::string marks = "?";
        for (int i = 1; i < 21; ++i) marks += ", ?";
        f.db().Finalize(f.db().Query(Gbk("insert into LM_三才配置 values (") + marks + ")", p));
    }

    test::TempDir dir{"lumo-reports"};
    std::string path = dir.File("namedata.db");
    SqliteDatabase db;
    DataFolder folder = DataFolder::At(dir.path() / "data");
    test::RecordingSink messages;
};

TEST_F(ReportDatabase, FillsTheReportOfANameAndWritesItAsGbk) {
    std::filesystem::path file = folder.File("temp.html");
    NameEvaluation e = BuildNameReport(db, Gbk("李"), Gbk("家明"), file);
    ASSERT_EQ(e.grids.Text(), "8,17,22,29,13");
    std::string page = FileBytes(file);
    EXPECT_EQ(page, NameReportPage(e));
    ExpectGbkPage(page);
    for (const std::string& p : AllPlaceholders()) EXPECT_FALSE(Has(page, p)) << p;
    for (const char* filled :
         {"<span class=\"fontcolor1\">李</span>", "<font color=\"#aaaaaa\">lǐ</font>",
          "<td class=\"tdbgcolor\">12</td>", "<font color=\"#aaaaaa\">míng</font>",
          "天格-&gt; 8(金)", "人格-&gt; 17(金)", "地格-&gt; 22(木)", "外格-&gt; 13(火)",
          "总格-&gt; 29(水)", "人格17的解析：", "一17(三17)（<font color=red>大吉</font>）",
          "详细解释：<br />二22<BR>基业:基22<BR>家庭:家22<BR>健康:健22<BR>含义:含22</td>",
          "甲13<BR>乙13<BR>丙13<BR>丁13",  // three "|" make four lines
          "您的姓名三才配置为：金金木。", "三才总一（<font color=red>中</font>）",
          "1、总论:c5<BR>2、性格:c6<BR>3、意志:c7", "<BR>11、健康:c15<BR>12、老运:c16<br />",
          "<td class=\"tdbgcolor\">c17</td>", "<td class=\"tdbgcolor\">c20</td>"})
        EXPECT_TRUE(Has(page, filled)) << filled;
    EXPECT_FALSE(Has(page, "不用的解释二"));
    EXPECT_TRUE(Has(page, ">" + std::to_string(e.score) + "</font> 分"));
    // The second family-name and given-name rows are present with empty cells.
    EXPECT_TRUE(Has(page, "<span class=\"fontcolor1\"></span>"));
}

TEST_F(ReportDatabase, UnlistedCharactersShowZeroStrokesAndEmptyTexts) {
    NameEvaluation e = BuildNameReport(db, Gbk("李"), Gbk("无"), folder.File("temp.html"));
    std::string page = NameReportPage(e);
    EXPECT_TRUE(Has(page, "<span class=\"fontcolor1\">无</span>"));
    EXPECT_FALSE(Has(page, "無"));
    EXPECT_FALSE(Has(page, "wú"));
    EXPECT_TRUE(
        Has(page, "<td class=\"tdbgcolor\">0</td>\r\n          <td class=\"tdbgcolor\">0</td>"));
    EXPECT_EQ(e.grids.outer, 2);
}

TEST_F(ReportDatabase, BuildsTheCharacterAndFamilyNamePages) {
    std::string page = CharacterPageText(db, Gbk("明"));
    ExpectGbkPage(page);
    EXPECT_TRUE(Has(page, "<title>明</title>"));
    EXPECT_TRUE(Has(page, "class=\"font_22\">明</td>"));
    EXPECT_TRUE(Has(page, "<td width=\"55%\" class=\"font_14\">míng</td>"));
    EXPECT_TRUE(Has(page, "<td width=\"10%\">8</td>"));
    EXPECT_TRUE(Has(page, "<td width=\"10%\">12</td>"));
    EXPECT_TRUE(Has(page, "<b>基本解释</b>：<hr />基本<br />"));
    for (const char* p :
         {"{汉字}", "{拼音}", "{简体笔划}", "{部首}", "{繁体笔划}", "{基本解释}", "{详细解释}"})
        EXPECT_FALSE(Has(page, p)) << p;

    std::string missing = CharacterPageText(db, Gbk("明\"亮"));  // a quote is only a character here
    EXPECT_TRUE(Has(missing, "<title>明\"亮</title>"));
    EXPECT_TRUE(Has(missing, "<td width=\"10%\"></td>"));

    std::string surname = SurnamePageText(db, Gbk("张"));
    ExpectGbkPage(surname);
    EXPECT_TRUE(Has(surname, "<title>百家姓_张</title>"));
    EXPECT_TRUE(Has(surname, "<font color=\"#FF0000\" size=\"5\">张</font>"));
    EXPECT_TRUE(Has(surname,
                    "<b>姓氏起源</b>： <br>源于<b>黄帝</b><br><br><b>分布地域</b>： <br>河北<br>"));
    EXPECT_TRUE(Has(surname, "<b>历史名人</b>： <br>张良<br>"));
    EXPECT_TRUE(Has(SurnamePageText(db, Gbk("赵")), "<b>历史名人</b>： <br><br>"));
}

TEST_F(ReportDatabase, PageFilesGoToTheirOwnNames) {
    EXPECT_EQ(CharacterPage(db, Gbk("明"), 3, folder), 1);
    EXPECT_EQ(FileBytes(folder.File("temp3.html")), CharacterPageText(db, Gbk("明")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp.html")));
    EXPECT_EQ(U(LookUpCharacter(db, "", folder)), " 汉字[  ]的详细解释");
    EXPECT_EQ(U(LookUpCharacter(db, Gbk("明"), folder)), " 汉字[ 明 ]的详细解释");
    EXPECT_EQ(FileBytes(folder.File("temp.html")), CharacterPageText(db, Gbk("明")));
    SurnamePage(db, Gbk("张"), folder);
    EXPECT_EQ(FileBytes(folder.File("temp5.html")), SurnamePageText(db, Gbk("张")));
}

TEST_F(ReportDatabase, DetailsOfAFiveCharacterNameEndWithTheFamilyNameTab) {
    NameDetails d = ShowNameDetails(db, Gbk("欧阳"), Gbk("修明家"), Gbk("欧阳修明家"), folder);
    EXPECT_EQ(U(d.caption), "欧阳修明家姓名详细解释");
    std::array<std::string, 5> tabs;
    for (int i = 0; i < 5; ++i) tabs[i] = U(d.tabs[i]);
    EXPECT_EQ(tabs, (std::array<std::string, 5>{"欧", "阳", "修", "明", "姓氏起源"}));
    EXPECT_EQ(FileBytes(folder.File("temp1.html")), CharacterPageText(db, Gbk("欧")));
    EXPECT_EQ(FileBytes(folder.File("temp4.html")), CharacterPageText(db, Gbk("明")));
    EXPECT_EQ(FileBytes(folder.File("temp5.html")), SurnamePageText(db, Gbk("欧阳")));
    EXPECT_EQ(FileBytes(folder.File("temp.html")), NameReportPage(d.evaluation));

    NameDetails shortName = ShowNameDetails(db, Gbk("李"), Gbk("明"), Gbk("李\r\n明"), folder);
    EXPECT_EQ(U(shortName.caption), "李\r\n明姓名详细解释");
    EXPECT_EQ(shortName.tabs[2], "");
    EXPECT_EQ(U(shortName.tabs[4]), "姓氏起源");
}

}  // namespace
}  // namespace lumo
