// The CSV exports: a list or the classic names as a UTF-8 file with the pinyin of every name.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "content/FileOutput.h"
#include "content/NameListCsv.h"
#include "db/Gbk.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

const std::string kBom = "\xEF\xBB\xBF";
const std::string kHeader = "编号,姓名,拼音,简体笔划,繁体笔划,五行,五格,三才,评分\r\n";

// Pinyin from a fixed table (UTF-8 keys and values), so the rows test the writer alone.
PinyinOf TablePinyin() {
    return [](const std::string& gbkName) {
        static const std::map<std::string, std::string> table = {{"李明华", "lǐ míng huá"},
                                                                 {"欧阳子涵", "ōu yáng zǐ hán"},
                                                                 {"李子涵", "lǐ zǐ hán"},
                                                                 {"李浩然", "lǐ hào rán"}};
        auto it = table.find(GbkToUtf8(gbkName));
        return Utf8ToGbk(it == table.end() ? "?" : it->second);
    };
}

NameRow Row(const std::string& number, const std::string& nameUtf8, const std::string& grids) {
    return {number, Gbk(nameUtf8), "8+6", "7+8", Gbk("木火水"), grids, Gbk("金土火"), "95"};
}

TEST(NameListCsv, HoldsEveryColumnAndThePinyinInUtf8WithAByteOrderMark) {
    std::vector<NameRow> rows = {Row("1", "李明华", "8,15,14,21,7"),
                                 Row("2", "欧阳子涵", "27,33,16,41,10"), NameRow{},
                                 Row("4", "李后", "1,2,3,4,5")};
    const std::string csv = NameListCsv(rows, TablePinyin());
    EXPECT_EQ(csv, kBom + kHeader +
                       "1,李明华,lǐ míng huá,8+6,7+8,木火水,\"8,15,14,21,7\",金土火,95\r\n"
                       "2,欧阳子涵,ōu yáng zǐ hán,8+6,7+8,木火水,\"27,33,16,41,10\",金土火,95\r\n");
    EXPECT_EQ(NameListCsv({}, TablePinyin()), kBom + kHeader);
}

TEST(NameListCsv, QuotesAFieldWithACommaAQuoteOrALineBreak) {
    struct Case {
        const char* cell;   // 姓名, UTF-8
        const char* field;  // as written
    } cases[] = {
        {"李明华", "李明华"},
        {"李,明", "\"李,明\""},
        {"李\"明\"", "\"李\"\"明\"\"\""},
        {"李\r\n明", "\"李\r\n明\""},
        {"", ""},
    };
    for (const Case& c : cases) {
        NameRow row = Row("1", c.cell, "1");
        const std::string csv =
            NameListCsv({row}, [](const std::string&) { return std::string(); });
        EXPECT_EQ(csv, kBom + kHeader + "1," + c.field + ",,8+6,7+8,木火水,1,金土火,95\r\n")
            << c.cell;
    }
}

TEST(NameListCsv, ClassicNamesAreTheRunsBetweenSpacesAndLines) {
    EXPECT_EQ(
        ClassicNamesCsv(Gbk("李子涵  李浩然\r\n\r\n李明华   \r\n"), TablePinyin()),
        kBom + "姓名,拼音\r\n李子涵,lǐ zǐ hán\r\n李浩然,lǐ hào rán\r\n李明华,lǐ míng huá\r\n");
    EXPECT_EQ(ClassicNamesCsv("", TablePinyin()), kBom + "姓名,拼音\r\n");
    EXPECT_EQ(ClassicNamesCsv(Gbk(" \r\n "), TablePinyin()), kBom + "姓名,拼音\r\n");
}

class NamePinyinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        {
            test::ReferenceFile file(path);
            file.AddChar({"李", 7, 7, "木", "李", "lǐ"});
            file.AddChar({"行", 6, 6, "水", "行", "xíng,háng"});
            file.AddChar({"绿", 11, 14, "木", "綠", "lǜ,lù"});
            file.CompleteRatings();  // a file the loader accepts holds all the rating rows
        }
        ASSERT_TRUE(test::LoadFile(db, path));
    }
    test::TempDir dir{"lumo-csv"};
    std::string path = dir.File("namedata.db");
    SqliteDatabase db;
};

TEST_F(NamePinyinTest, TakesTheFirstReadingOfEachCharacter) {
    struct Case {
        const char* name;
        const char* pinyin;
    } cases[] = {
        {"李行", "lǐ xíng"},
        {"李绿行", "lǐ lǜ xíng"},
        {"李", "lǐ"},
        {"李涛", "lǐ 涛"},  // a character the database lacks stands as itself
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GbkToUtf8(NamePinyin(db, Gbk(c.name))), c.pinyin) << c.name;
}

TEST_F(NamePinyinTest, ExportsWriteTheFilesWhole) {
    const std::filesystem::path list = dir.path() / "NameList.csv";
    ASSERT_TRUE(ExportNameListCsv({Row("1", "李行", "1"), Row("2", "李绿", "2")}, db, list));
    ASSERT_TRUE(ExportNameListCsv({Row("1", "李行", "1")}, db, list));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(list, bytes));
    EXPECT_EQ(bytes, kBom + kHeader + "1,李行,lǐ xíng,8+6,7+8,木火水,1,金土火,95\r\n");

    const std::filesystem::path classic = dir.path() / "ClassNameList.csv";
    ASSERT_TRUE(ExportClassicNamesCsv(Gbk("李行  李绿"), db, classic));
    ASSERT_TRUE(ReadWholeFile(classic, bytes));
    EXPECT_EQ(bytes, kBom + "姓名,拼音\r\n李行,lǐ xíng\r\n李绿,lǐ lǜ\r\n");

    // A folder where the file should go cannot be replaced: the export says so.
    std::filesystem::create_directory(dir.path() / "taken.csv");
    EXPECT_FALSE(ExportNameListCsv({Row("1", "李行", "1")}, db, dir.path() / "taken.csv"));
}

}  // namespace
}  // namespace lumo
