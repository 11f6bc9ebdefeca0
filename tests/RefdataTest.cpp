// Checks the reference database that lumo-refdb built into the program's data folder: its shape
// against the shared table layouts, and the facts and rules the character table must carry.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "generation/NameLists.h"
#include "generation/NamePools.h"
#include "numerology/CharInfo.h"
#include "numerology/CharNotes.h"
#include "numerology/Characters.h"
#include "reports/CharacterPages.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

const char* const kDatabase = LUMO_DATA_DIR "/namedata.db";

// Code points of a UTF-8 text (the table's texts are valid UTF-8 once read back).
std::u32string DecodeUtf8(const std::string& utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0x3F >> (n - 1));
        for (int k = 1; k < n && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(c);
        i += n;
    }
    return out;
}

class Refdata : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        db_ = new SqliteDatabase;
        ASSERT_TRUE(std::ifstream(kDatabase).good())
            << kDatabase << " is missing: build the target refdata";
        ASSERT_TRUE(db_->Open(kDatabase));
    }
    static void TearDownTestSuite() {
        delete db_;
        db_ = nullptr;
    }

    // All rows of a query, each as its columns' texts (UTF-8).
    static std::vector<std::vector<std::string>> Rows(const std::string& sqlUtf8, int columns) {
        std::vector<std::vector<std::string>> rows;
        Statement st = db_->Query(Utf8ToGbk(sqlUtf8));
        EXPECT_NE(st, nullptr) << sqlUtf8;
        if (!st) return rows;
        // Query stands on the first row already. Every query here starts with a column that is
        // never empty, so an empty first column means there was no row.
        for (bool more = !db_->ColumnText(st, 0).empty(); more; more = db_->NextRow(st)) {
            std::vector<std::string> row;
            for (int i = 0; i < columns; ++i) row.push_back(GbkToUtf8(db_->ColumnText(st, i)));
            rows.push_back(std::move(row));
        }
        db_->Finalize(st);
        return rows;
    }

    static CharInfo Lookup(const std::string& utf8) {
        return LookupCharInfo(*db_, Utf8ToGbk(utf8));
    }

    static SqliteDatabase* db_;
};

SqliteDatabase* Refdata::db_ = nullptr;

std::string TypeOf(const ColumnDef& c) {
    return std::string(c.type == kInteger ? "Integer" : "VarChar") + "(" + std::to_string(c.size) +
           ")";
}

TEST_F(Refdata, HoldsExactlyTheNineTablesAndTheSupplementsColumnForColumn) {
    std::set<std::string> expectedNames;
    std::vector<TableLayout> layouts = ReferenceTables();
    layouts.insert(layouts.end(), SupplementTables().begin(), SupplementTables().end());
    for (const TableLayout& t : layouts) {
        const std::string name = GbkToUtf8(t.name);
        expectedNames.insert(name);
        auto columns =
            Rows("select name, type from pragma_table_info('" + name + "') order by cid", 2);
        ASSERT_EQ(columns.size(), t.columns.size()) << name;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(columns[i][0], GbkToUtf8(t.columns[i].name)) << name << " column " << i;
            EXPECT_EQ(columns[i][1], TypeOf(t.columns[i])) << name << " column " << i;
        }
    }
    std::set<std::string> actualNames;
    for (const auto& row : Rows("select name from sqlite_master where type='table'", 1))
        actualNames.insert(row[0]);
    EXPECT_EQ(actualNames, expectedNames);
}

// Kangxi counts as published for naming (family names and common given-name characters), and
// the numerals by value. 斌 is 文 4 + 武 8 in the Kangxi dictionary; Unihan's residual counts
// 武 as 7 (the 止 class its consistency check flags), so the table holds 12. The traditional form
// that the count belongs to is given where it differs.
TEST_F(Refdata, KangxiCountsAgreeWithPublishedNamingCounts) {
    struct Published {
        const char* hanzi;
        int strokes;
    } const table[] = {
        {"涛", 18}, {"李", 7},  {"张", 11}, {"王", 4},  {"刘", 15}, {"陈", 16}, {"杨", 13},
        {"黄", 12}, {"赵", 14}, {"吴", 7},  {"周", 8},  {"徐", 10}, {"孙", 10}, {"马", 10},
        {"朱", 6},  {"胡", 11}, {"林", 8},  {"何", 7},  {"郭", 15}, {"海", 11}, {"浩", 11},
        {"泽", 17}, {"鑫", 24}, {"磊", 15}, {"博", 12}, {"宇", 6},  {"轩", 10}, {"子", 3},
        {"涵", 12}, {"梓", 11}, {"晨", 11}, {"欣", 8},  {"怡", 9},  {"思", 9},  {"雨", 8},
        {"佳", 8},  {"诗", 13}, {"琪", 13}, {"婷", 12}, {"华", 14}, {"明", 8},  {"伟", 11},
        {"强", 12}, {"丽", 19}, {"芳", 10}, {"敏", 11}, {"静", 16}, {"军", 9},  {"杰", 12},
        {"峰", 10}, {"龙", 16}, {"凤", 14}, {"于", 3},  {"余", 7},  {"范", 11}, {"钟", 17},
        {"一", 1},  {"二", 2},  {"三", 3},  {"四", 4},  {"五", 5},  {"六", 6},  {"七", 7},
        {"八", 8},  {"九", 9},  {"十", 10}, {"郑", 19}, {"冯", 12}, {"蒋", 17}, {"沈", 8},
        {"韩", 17}, {"秦", 10}, {"许", 11}, {"吕", 7},  {"施", 9},  {"孔", 4},  {"曹", 11},
        {"严", 20}, {"金", 8},  {"魏", 18}, {"陶", 16}, {"姜", 9},  {"谢", 17}, {"邹", 17},
        {"苏", 22}, {"潘", 16}, {"彭", 12}, {"鲁", 15}, {"韦", 9},  {"唐", 10}, {"罗", 20},
        {"毕", 11}, {"郝", 14}, {"安", 6},  {"常", 11}, {"乐", 15}, {"傅", 12}, {"齐", 14},
        {"康", 11}, {"顾", 21}, {"孟", 8},  {"萧", 18}, {"叶", 15}, {"邓", 19}, {"梁", 11},
        {"宋", 7},  {"丁", 2},  {"文", 4},  {"志", 7},  {"国", 11}, {"建", 9},  {"东", 8},
        {"红", 9},  {"玲", 10}, {"燕", 16}, {"霞", 17}, {"萍", 14}, {"娟", 10}, {"英", 11},
        {"慧", 15}, {"俊", 9},  {"鹏", 19}, {"飞", 9},  {"刚", 10}, {"斌", 12}, {"勇", 9},
        {"超", 12}, {"波", 9},  {"辉", 15}, {"健", 11}, {"洋", 10}, {"瑞", 14}, {"嘉", 14},
        {"睿", 14}, {"晓", 16}, {"雪", 11}, {"婉", 11}, {"雅", 12}, {"琳", 13}, {"颖", 16},
        {"鸿", 17}, {"天", 4},  {"昊", 8},  {"航", 10}, {"晗", 11}, {"然", 12}, {"瑶", 15},
        {"萱", 15}, {"蕾", 19}, {"菲", 14}, {"悦", 11}, {"诚", 14}, {"豪", 14}, {"翔", 12},
        {"阳", 17}, {"亮", 9},  {"平", 5},  {"郁", 13}, {"党", 10}, {"涂", 11}, {"游", 13},
        {"岳", 8},  {"紫", 12}, {"露", 21}, {"政", 9},  {"整", 16},
    };
    static_assert(std::size(table) >= 50);
    int agree = 0;
    for (const Published& p : table) {
        CharInfo info = Lookup(p.hanzi);
        EXPECT_EQ(info.kangxiStrokes, p.strokes)
            << p.hanzi << " (" << GbkToUtf8(info.traditional) << ")";
        agree += info.kangxiStrokes == p.strokes;
    }
    EXPECT_EQ(agree, static_cast<int>(std::size(table)));
}

TEST_F(Refdata, TheRadicalRuleUsesTheFullFormAndTheKangxiGrouping) {
    // 氵4 扌4 忄4 艹6 阝左8 阝右7 王(玉)5 礻5 衤6 月(肉)6 辶7 犭4 纟6 钅8 讠7; 廴3.
    struct Case {
        const char* hanzi;
        const char* traditional;
        int strokes;
    } const cases[] = {
        {"江", "江", 7},  {"扬", "揚", 13}, {"怡", "怡", 9},  {"芝", "芝", 10}, {"阳", "陽", 17},
        {"郑", "鄭", 19}, {"玲", "玲", 10}, {"祥", "祥", 11}, {"裕", "裕", 13}, {"朋", "朋", 8},
        {"育", "育", 10}, {"远", "遠", 17}, {"猛", "猛", 12}, {"纪", "紀", 9},  {"铭", "銘", 14},
        {"语", "語", 14}, {"建", "建", 9},  {"延", "延", 7},
    };
    for (const Case& c : cases) {
        CharInfo info = Lookup(c.hanzi);
        EXPECT_EQ(GbkToUtf8(info.traditional), c.traditional) << c.hanzi;
        EXPECT_EQ(info.kangxiStrokes, c.strokes) << c.hanzi;
    }
}

TEST_F(Refdata, ShowsTheTraditionalFormCountsAndElementOfTao) {
    CharInfo tao = Lookup("涛");
    EXPECT_EQ(GbkToUtf8(tao.traditional), "濤");
    EXPECT_EQ(tao.simplifiedStrokes, 10);
    EXPECT_EQ(tao.kangxiStrokes, 18);
    EXPECT_EQ(GbkToUtf8(tao.element), "水");
    EXPECT_EQ(GbkToUtf8(tao.pinyin), "tāo");
    EXPECT_EQ(GbkToUtf8(tao.radical), "氵");  // as a modern dictionary shows it
    EXPECT_FALSE(tao.basic.empty());
    EXPECT_NE(GbkToUtf8(tao.detail).find("tāo"), std::string::npos);
}

// Every character of the naming pools and the classic name lists counts, and carries an
// explanation written by us rather than the English gloss.
TEST_F(Refdata, ListsEveryCharacterOfThePoolsAndClassicLists) {
    struct Source {
        const char* name;
        const std::string& text;
    } const sources[] = {
        {"MaleNamePool", MaleNamePool()},           {"FemaleNamePool", FemaleNamePool()},
        {"MaleClassicPool", MaleClassicPool()},     {"FemaleClassicPool", FemaleClassicPool()},
        {"MaleGivenNameList", MaleGivenNameList()}, {"FemaleGivenNameList", FemaleGivenNameList()},
    };
    for (const Source& s : sources) {
        int checked = 0;
        for (const std::string& c : SplitCharacters(s.text)) {
            if (c.size() != 2) continue;  // the lists' separating commas
            CharInfo info = LookupCharInfo(*db_, c);
            EXPECT_TRUE(IsListed(info)) << s.name << ": " << GbkToUtf8(c);
            EXPECT_EQ(GbkToUtf8(info.basic).rfind("英文释义", 0), std::string::npos)
                << s.name << ": " << GbkToUtf8(c);
            ++checked;
        }
        EXPECT_GT(checked, 0) << s.name;
    }
}

TEST_F(Refdata, ListsEveryFamilyNameCharacterWithAnExplanationOfOurs) {
    std::ifstream in(LUMO_SOURCE_DIR "/refdata/text/surnames.tsv");
    ASSERT_TRUE(in.good());
    std::string line;
    std::getline(in, line);  // header
    int checked = 0;
    while (std::getline(in, line)) {
        for (const std::string& c : SplitCharacters(Utf8ToGbk(line.substr(0, line.find('\t'))))) {
            CharInfo info = LookupCharInfo(*db_, c);
            EXPECT_TRUE(IsListed(info)) << GbkToUtf8(c);
            EXPECT_EQ(GbkToUtf8(info.basic).rfind("英文释义", 0), std::string::npos)
                << GbkToUtf8(c);
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST_F(Refdata, ListsAllGb2312Characters) {
    int listed = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA) continue;
            std::string c{static_cast<char>(lead), static_cast<char>(trail)};
            CharInfo info = LookupCharInfo(*db_, c);
            EXPECT_TRUE(IsListed(info)) << GbkToUtf8(c);
            listed += IsListed(info);
        }
    }
    EXPECT_EQ(listed, 6763);
}

TEST_F(Refdata, EveryCharacterRowIsComplete) {
    const std::set<std::string> elements(test::ElementsUtf8().begin(), test::ElementsUtf8().end());
    auto rows = Rows(
        "select 汉字, 简体, 五行属性, 拼音1, 声母, 韵母, 简体笔画数, 繁体笔画数, 部首, code from "
        "LM_CNWord",
        10);
    ASSERT_GT(rows.size(), 6763u);
    std::set<std::string> seen;
    for (const auto& r : rows) {
        EXPECT_TRUE(seen.insert(r[0]).second) << "twice: " << r[0];
        EXPECT_EQ(r[1], r[0]);
        EXPECT_TRUE(elements.count(r[2])) << r[0] << " element " << r[2];
        EXPECT_FALSE(r[3].empty()) << r[0];
        EXPECT_EQ(r[3].find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos)
            << r[0] << " " << r[3];
        EXPECT_EQ(r[4] + r[5], r[3]) << r[0];
        EXPECT_GT(std::stoi(r[6]), 0) << r[0];
        EXPECT_GT(std::stoi(r[7]), 0) << r[0];
        EXPECT_FALSE(r[8].empty()) << r[0];
        std::string gbk = Utf8ToGbk(r[0]);
        EXPECT_EQ(std::stoi(r[9]),
                  (static_cast<unsigned char>(gbk[0]) << 8) | static_cast<unsigned char>(gbk[1]))
            << r[0];
    }
}

// Every stored text must survive the program's GBK conversion unchanged.
TEST_F(Refdata, EveryCharacterTextIsGbkEncodable) {
    auto rows = Rows(
        "select 汉字, hex(繁体), hex(拼音2), hex(部首), hex(基本解释), hex(详细解释) from "
        "LM_CNWord",
        6);
    auto unhex = [](const std::string& hex) {
        std::string bytes;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        return bytes;
    };
    for (const auto& r : rows) {
        for (int i = 1; i < 6; ++i) {
            std::string text = unhex(r[i]);
            EXPECT_FALSE(text.empty()) << r[0] << " column " << i;
            EXPECT_TRUE(IsGbkEncodable(text)) << r[0] << ": " << text;
        }
        EXPECT_LE(unhex(r[5]).size(), 700u * 3) << r[0];
    }
}

TEST_F(Refdata, HoldsTheEightyOneNumbers) {
    auto rows = Rows("select Id, 吉凶, 解释一, 数理暗示 from LM_八一灵动数 order by Id", 4);
    ASSERT_EQ(rows.size(), 81u);
    const std::set<std::string> ratings = {"大吉", "吉", "中", "凶", "大凶"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        EXPECT_TRUE(ratings.count(rows[i][1])) << rows[i][0] << ": " << rows[i][1];
        EXPECT_FALSE(rows[i][2].empty()) << rows[i][0];
        EXPECT_FALSE(rows[i][3].empty()) << rows[i][0];
    }
}

TEST_F(Refdata, HoldsEveryThreeTalentKeyOnce) {
    auto rows = Rows("select Id, 三才, 吉凶, 总论 from LM_三才配置 order by Id", 4);
    ASSERT_EQ(rows.size(), 125u);
    const std::set<std::string> ratings = {"大吉", "吉", "中", "凶", "大凶"};
    std::set<std::string> keys;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        keys.insert(rows[i][1]);
        EXPECT_TRUE(ratings.count(rows[i][2])) << rows[i][1] << ": " << rows[i][2];
        EXPECT_FALSE(rows[i][3].empty()) << rows[i][1];
    }
    std::set<std::string> all;
    for (const auto& a : test::ElementsUtf8())
        for (const auto& b : test::ElementsUtf8())
            for (const auto& c : test::ElementsUtf8()) all.insert(a + b + c);
    EXPECT_EQ(keys, all);
}

// The element naming books print for common name characters; the rule of radicals alone got a
// fifth of these wrong (王 as 金, 忄 as 火, 日 as 火 …).
TEST_F(Refdata, ElementsFollowTheReviewedNamingTable) {
    const char* const table[][2] = {
        {"琪", "木"}, {"琳", "木"}, {"瑶", "火"}, {"玲", "火"}, {"怡", "土"}, {"思", "金"},
        {"悦", "金"}, {"慧", "水"}, {"恒", "水"}, {"晨", "金"}, {"文", "水"}, {"华", "水"},
        {"轩", "土"}, {"涛", "水"}, {"浩", "水"}, {"林", "木"}, {"森", "木"}, {"鑫", "金"},
        {"铭", "金"}, {"炎", "火"}, {"煜", "火"}, {"坤", "土"}, {"垚", "土"}, {"子", "水"},
        {"涵", "水"}, {"梓", "木"}, {"欣", "木"}, {"雨", "水"}, {"佳", "木"}, {"诗", "金"},
        {"婷", "火"}, {"伟", "土"}, {"强", "木"}, {"敏", "水"}, {"静", "金"}, {"杰", "木"},
        {"峰", "土"}, {"宇", "土"}, {"博", "水"}, {"泽", "水"}, {"然", "金"}, {"萱", "木"},
        {"蕾", "木"}, {"睿", "金"}, {"嘉", "木"}, {"瑞", "金"}, {"航", "水"}, {"洋", "水"},
        {"鹏", "水"}, {"飞", "水"}, {"斌", "水"}, {"超", "金"}, {"波", "水"}, {"健", "木"},
        {"雪", "水"}, {"婉", "土"}, {"雅", "木"}, {"颖", "木"}, {"鸿", "水"}, {"天", "火"},
        {"昊", "火"}, {"翔", "土"}, {"亮", "火"}, {"安", "土"}, {"心", "金"}, {"馨", "金"},
        {"彤", "火"}, {"可", "木"}, {"凤", "水"}, {"丽", "火"},
    };
    static_assert(std::size(table) >= 60);
    for (const auto& [hanzi, element] : table)
        EXPECT_EQ(GbkToUtf8(Lookup(hanzi).element), element) << hanzi;
}

// Every character has its note row; the naming characters take their element from the reviewed
// table, the rest from the rule; the reviewed list of unsuitable characters is marked.
TEST_F(Refdata, NotesTellWhereEachElementCameFromAndWhichCharactersAreUnsuitable) {
    EXPECT_EQ(Rows("select count(*) from LM_用字注记", 1)[0][0],
              Rows("select count(*) from LM_CNWord", 1)[0][0]);
    EXPECT_EQ(Rows("select count(*) from LM_CNWord w left join LM_用字注记 n on n.Id = w.Id "
                   "where n.汉字 is not w.汉字",
                   1)[0][0],
              "0");
    const std::set<std::string> origins = {"审定", "例外", "部首", "读音"};
    for (const auto& row : Rows("select distinct 五行来源 from LM_用字注记", 1))
        EXPECT_TRUE(origins.count(row[0])) << row[0];
    for (const std::string* pool : {&MaleNamePool(), &FemaleNamePool()})
        for (const std::string& c : SplitCharacters(*pool))
            ASSERT_EQ(GbkToUtf8(LookupCharNote(*db_, c).elementOrigin), "审定") << GbkToUtf8(c);

    for (const char* c : {"屠", "逝", "危", "险", "陷", "蚊", "奴", "妖", "恨", "痴"})
        EXPECT_FALSE(LookupCharNote(*db_, Utf8ToGbk(c)).unsuitable.empty()) << c;
    for (const char* c : {"涛", "琪", "明", "子", "梅", "寒", "霜", "虎", "龙", "李"})
        EXPECT_TRUE(LookupCharNote(*db_, Utf8ToGbk(c)).unsuitable.empty()) << c;
}

TEST_F(Refdata, CharacterPagesMarkUnsuitableCharactersWithTheirReason) {
    const std::string page = GbkToUtf8(CharacterPageText(*db_, Utf8ToGbk("屠")));
    const std::string reason = GbkToUtf8(LookupCharNote(*db_, Utf8ToGbk("屠")).unsuitable);
    ASSERT_FALSE(reason.empty());
    EXPECT_NE(page.find("不宜取名：" + reason), std::string::npos);
    EXPECT_EQ(GbkToUtf8(CharacterPageText(*db_, Utf8ToGbk("涛"))).find("不宜取名"),
              std::string::npos);
}

TEST_F(Refdata, ClassicListsAndPoolsHoldNoUnsuitableCharacter) {
    const UnsuitableChars unsuitable = LoadUnsuitableChars(*db_);
    ASSERT_GT(unsuitable.size(), 100u);
    for (const std::string* list :
         {&MaleClassicPool(), &FemaleClassicPool(), &MaleGivenNameList(), &FemaleGivenNameList()})
        for (const std::string& c : SplitCharacters(*list))
            EXPECT_FALSE(unsuitable.count(c)) << GbkToUtf8(c);
}

// The grades of the printed three-talent table, and texts that say the same as the grade: the
// first explanation ends on the printed grade word.
TEST_F(Refdata, ThreeTalentGradesFollowThePrintedTableAndTheTextsAgree) {
    const char* const graded[][2] = {
        {"木木木", "大吉"}, {"土土土", "大吉"}, {"木火土", "大吉"}, {"金水木", "大吉"},
        {"木木土", "大吉"}, {"水木土", "大吉"}, {"金金金", "凶"},   {"木土水", "大凶"},
        {"火火火", "吉"},   {"金火土", "中"},   {"土木土", "凶"},   {"水水火", "大凶"},
    };
    for (const auto& [key, grade] : graded)
        EXPECT_EQ(Rows(std::string("select 吉凶 from LM_三才配置 where 三才='") + key + "'", 1)
                      .at(0)
                      .at(0),
                  grade)
            << key;

    const std::map<std::string, std::vector<std::string>> words = {{"大吉", {"大吉"}},
                                                                   {"吉", {"吉", "中吉"}},
                                                                   {"中", {"半吉", "吉凶参半"}},
                                                                   {"凶", {"凶"}},
                                                                   {"大凶", {"大凶"}}};
    for (const auto& row : Rows("select 三才, 吉凶, 解释一 from LM_三才配置", 3)) {
        const std::string last = row[2].substr(row[2].rfind("，") + std::string("，").size());
        bool agrees = false;
        for (const std::string& w : words.at(row[1])) agrees |= last.rfind(w, 0) == 0;
        EXPECT_TRUE(agrees) << row[0] << " " << row[1] << ": " << row[2];
    }
}

// Every character explains itself in Chinese: no entry is only an English gloss, and an English
// gloss, where one is kept, stands on a last line of its own.
TEST_F(Refdata, EveryExplanationIsChinese) {
    EXPECT_EQ(
        Rows("select count(*) from LM_CNWord where 基本解释 like '英文释义%' or 基本解释 = ''",
             1)[0][0],
        "0");
    int english = 0;
    for (const auto& row : Rows("select 汉字, 基本解释 from LM_CNWord", 2)) {
        const std::u32string text = DecodeUtf8(row[1]);
        const std::size_t line = row[1].find("\n英文：");
        english += line != std::string::npos;
        // The Chinese part comes first and holds Chinese characters.
        const std::u32string chinese = DecodeUtf8(row[1].substr(0, line));
        EXPECT_TRUE(std::any_of(chinese.begin(), chinese.end(), [](char32_t c) {
            return c >= 0x4E00 && c <= 0x9FFF;
        })) << row[0];
        EXPECT_EQ(row[1].find("英文释义"), std::string::npos) << row[0];
    }
    EXPECT_GT(english, 50);  // element and species names keep their English
}

// Readings of a modern dictionary and radicals as it shows them for the simplified character.
TEST_F(Refdata, ReadingsAndRadicalsAreThoseOfAModernDictionary) {
    const char* const table[][3] = {
        {"市", "shì", "巾"},         {"七", "qī", "一"},        {"一", "yī", "一"},
        {"不", "bù", "一"},          {"锦", "jǐn", "钅"},       {"轩", "xuān", "车"},
        {"话", "huà", "讠"},         {"红", "hóng", "纟"},      {"河", "hé", "氵"},
        {"打", "dǎ,dá", "扌"},       {"草", "cǎo", "艹"},       {"问", "wèn", "门"},
        {"驰", "chí", "马"},         {"鲜", "xiān,xiǎn", "鱼"}, {"你", "nǐ", "亻"},
        {"照", "zhào", "灬"},        {"胡", "hú", "月"},        {"琪", "qí", "王"},
        {"长", "cháng,zhǎng", "长"}, {"似", "sì,shì", "亻"},    {"拓", "tuò,tà", "扌"},
    };
    for (const auto& [hanzi, readings, radical] : table) {
        CharInfo info = Lookup(hanzi);
        EXPECT_EQ(GbkToUtf8(info.pinyin), readings) << hanzi;
        EXPECT_EQ(GbkToUtf8(info.radical), radical) << hanzi;
    }
}

// Every character of the pools shows words that begin with it, and none of the old glosses that
// only an old dictionary's reader understands.
TEST_F(Refdata, PoolCharactersShowModernWords) {
    for (const std::string* pool : {&MaleNamePool(), &FemaleNamePool()})
        for (const std::string& c : SplitCharacters(*pool))
        {
            // A pure name character (鑫, 玥) says so instead of inventing words.
            const std::string detail = GbkToUtf8(Lookup(GbkToUtf8(c)).detail);
            EXPECT_TRUE(detail.find("常用词语") != std::string::npos ||
                        detail.find("多用于人名") != std::string::npos)
                << GbkToUtf8(c);
        }
    for (const char* archaic : {"】犹", "】谓", "】古官名"})
        EXPECT_EQ(Rows(std::string("select count(*) from LM_CNWord where 详细解释 like '%") +
                           archaic + "%'",
                       1)[0][0],
                  "0")
            << archaic;
}

}  // namespace
}  // namespace lumo
