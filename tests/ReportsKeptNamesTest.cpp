// The name-scoring list and the naming records: adding, splitting, opening and deleting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/Gbk.h"
#include "reports/KeptNames.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

class KeptNames : public ::testing::Test {
  protected:
    void SetUp() override {
        {
            test::ReferenceFile file(path);
            file.AddChar({"李", 7, 7, "木", "李", "lǐ"});
            file.AddChar({"家", 10, 10, "木", "家", "jiā"});
            file.AddChar({"明", 8, 12, "火", "明", "míng"});
            file.AddChar({"欧", 8, 15, "土", "歐", "ōu"});
            file.AddChar({"阳", 6, 17, "土", "陽", "yáng"});
            file.AddChar({"修", 9, 10, "金", "修", "xiū"});
            file.CompleteRatings();
        }
        ASSERT_TRUE(test::LoadFile(db, path));
    }
    test::TempDir dir{"lumo-kept"};
    std::string path = dir.File("namedata.db");
    SqliteDatabase db;
    DataFolder folder = DataFolder::At(dir.path() / "data");
    test::RecordingSink messages;
};

TEST_F(KeptNames, ScoringListsANameOnce) {
    std::vector<NameRow> list;
    ASSERT_TRUE(ScoreTypedName(db, Gbk("李"), Gbk("家明"), list, folder, messages));
    ASSERT_TRUE(ScoreTypedName(db, Gbk("李"), Gbk("家明"), list, folder, messages));
    ASSERT_TRUE(ScoreTypedName(db, Gbk("李"), Gbk("明家修"), list, folder, messages));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].number, "1");
    EXPECT_EQ(U(list[0].name), "李\r\n家明");
    EXPECT_EQ(list[0].traditionalStrokes, "29");
    EXPECT_EQ(list[0].grids, "8,17,22,29,13");
    EXPECT_EQ(U(list[0].threeTalents), "金金木");
    EXPECT_EQ(list[1].number, "2");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(folder.File("temp.html")));
}

TEST_F(KeptNames, ScoringRefusesEmptyNames) {
    std::vector<NameRow> list;
    EXPECT_FALSE(ScoreTypedName(db, "", Gbk("家明"), list, folder, messages));
    EXPECT_FALSE(ScoreTypedName(db, Gbk("李"), "", list, folder, messages));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(U(messages.messages[0].text), "请输入姓氏");
    EXPECT_EQ(U(messages.messages[1].text), "请输入名字");
    EXPECT_EQ(U(messages.messages[1].title), "提示");
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp.html")));
    // Texts that are not Chinese characters are refused by name, before any page is written.
    const struct {
        const char *family, *given, *message;
    } refused[] = {{"李", "  ", "名字“  ”不是汉字，请用汉字输入名字。"},
                   {"李", "abc", "名字“abc”不是汉字，请用汉字输入名字。"},
                   {"Li", "明", "姓氏“Li”不是汉字，请用汉字输入姓氏（如 李、欧阳）。"}};
    for (const auto& c : refused) {
        messages.messages.clear();
        EXPECT_FALSE(ScoreTypedName(db, Gbk(c.family), Gbk(c.given), list, folder, messages)) << c.given;
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(U(messages.messages[0].text), c.message);
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    }
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp.html")));
}

NameRow Generated(const std::string& nameUtf8) {
    return {"1", Gbk(nameUtf8), "15", "19", Gbk("木火"), "8,19,13,19,2", Gbk("金水火"), "88"};
}

TEST_F(KeptNames, OpeningAGeneratedNameRecordsItOnce) {
    std::vector<NameRow> records;
    NameRow row = Generated("李明");
    auto first = OpenFromGenerationList(db, &row, Gbk("李"), records, folder, messages);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(U(first->caption), "李明姓名详细解释");
    OpenFromGenerationList(db, &row, Gbk("李"), records, folder, messages);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].number, "1");
    EXPECT_EQ(U(records[0].name), "李\r\n明");
    EXPECT_EQ(records[0].score, "88");
    EXPECT_EQ(U(records[0].threeTalents), "金水火");

    NameRow empty;
    EXPECT_FALSE(
        OpenFromGenerationList(db, &empty, Gbk("李"), records, folder, messages).has_value());
    EXPECT_FALSE(
        OpenFromGenerationList(db, nullptr, Gbk("李"), records, folder, messages).has_value());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(KeptNames, TheFamilyNameBoxDecidesTheSplit) {
    struct Case {
        const char* box;
        const char* cell;
        const char* family;  // empty: refused
        const char* given;
    } cases[] = {
        {"李", "李家明", "李", "家明"},
        {"欧阳", "李家明", "欧阳", "明"},  // the box's two characters, the cell's last one
        {"欧阳", "李明", "", ""},          // nothing left for the given name
        {"", "李明", "", ""},
    };
    for (const Case& c : cases) {
        messages.messages.clear();
        auto parts = SplitGenerationCell(Gbk(c.box), Gbk(c.cell), messages);
        if (*c.family) {
            ASSERT_TRUE(parts.has_value()) << c.box << " " << c.cell;
            EXPECT_EQ(U(parts->family), c.family);
            EXPECT_EQ(U(parts->given), c.given);
            EXPECT_TRUE(messages.messages.empty());
        } else {
            EXPECT_FALSE(parts.has_value()) << c.box << " " << c.cell;
            EXPECT_EQ(messages.messages.size(), 1u);
        }
    }
}

TEST_F(KeptNames, KeptNamesSplitAtTheFirstLineBreak) {
    struct Case {
        std::string cell;
        bool opens;
        const char* given;
    } cases[] = {
        {Gbk("欧阳\r\n修"), true, "修"}, {Gbk("李\r\n明\r\n家"), true, "明\r\n家"},
        {Gbk("李明"), false, ""},        {Gbk("\r\n明"), false, ""},
        {Gbk("李\r\n"), false, ""},
    };
    for (const Case& c : cases) {
        messages.messages.clear();
        auto parts = SplitKeptCell(c.cell, messages);
        EXPECT_EQ(parts.has_value(), c.opens) << U(c.cell);
        if (parts) {
            EXPECT_EQ(U(parts->given), c.given);
        }
        EXPECT_EQ(messages.messages.size(), c.opens ? 0u : 1u) << U(c.cell);
    }
    NameRow kept = Generated("x");
    kept.name = Gbk("欧阳\r\n修");
    std::vector<NameRow> records;
    auto d = OpenFromKeptList(db, &kept, folder, messages);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(U(d->caption), "欧阳\r\n修姓名详细解释");
    EXPECT_EQ(d->evaluation.grids.sky, 32);
}

TEST(Records, DeletingRenumbersTheRest) {
    std::vector<NameRow> records = {Generated("李明"), Generated("李家"), Generated("李修")};
    for (std::size_t i = 0; i < records.size(); ++i) records[i].number = std::to_string(i + 1);
    EXPECT_FALSE(DeleteRecord(records, -1));
    EXPECT_FALSE(DeleteRecord(records, 3));
    EXPECT_TRUE(DeleteRecord(records, 0));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].number, "1");
    EXPECT_EQ(U(records[0].name), "李家");
    EXPECT_EQ(records[1].number, "2");
    records[1].name.clear();
    EXPECT_FALSE(DeleteRecord(records, 1));
    EXPECT_EQ(records.size(), 2u);
}

}  // namespace
}  // namespace lumo
