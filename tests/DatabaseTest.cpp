#include <gtest/gtest.h>

#include <fstream>

#include "support/Fixture.h"
#include "db/Gbk.h"
#include "db/ReferenceLoader.h"
#include "db/ReferenceSchema.h"
#include "db/SqliteDatabase.h"

namespace lumo {
namespace {

using test::TempDir;

TEST(Gbk, RoundTripsChineseAndReplacesWhatGbkCannotHold) {
    std::string gbk = Utf8ToGbk("张a涛");
    EXPECT_EQ(gbk.size(), 5u);
    EXPECT_EQ(GbkToUtf8(gbk), "张a涛");
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");
    EXPECT_TRUE(IsGbkEncodable("濤龜"));
    EXPECT_FALSE(IsGbkEncodable("😀"));
    EXPECT_EQ(GbkToUtf8(std::string("\xB0", 1)), "?");  // a lone lead byte
}

class MemoryDb : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.Open());
        ASSERT_TRUE(db.Exec("create table T (a Integer, b VarChar(10))"));
        ASSERT_TRUE(db.Exec(Gbk("insert into T values (1, '张'), (2, NULL)")));
    }
    SqliteDatabase db;
};

TEST_F(MemoryDb, ReadsRowsInOrderAndConvertsText) {
    Statement st = db.Query("select * from T order by a");
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(db.ColumnInt(st, 0), 1);
    EXPECT_EQ(db.ColumnText(st, 1), Gbk("张"));
    ASSERT_TRUE(db.NextRow(st));
    EXPECT_EQ(db.ColumnText(st, 1), "");  // NULL
    EXPECT_EQ(db.ColumnInt(st, 1), 0);
    EXPECT_FALSE(db.NextRow(st));
    EXPECT_TRUE(db.Finalize(st));
}

TEST_F(MemoryDb, FailureValuesInsteadOfErrors) {
    Statement none = db.Query("select * from T where a=?", {SqlParam::Integer(99)});
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(db.ColumnText(none, 1), "");
    EXPECT_EQ(db.ColumnInt(none, 0), 0);
    EXPECT_FALSE(db.NextRow(none));
    db.Finalize(none);

    EXPECT_EQ(db.Query("select * from Missing"), nullptr);
    EXPECT_FALSE(db.NextRow(nullptr));
    EXPECT_FALSE(db.Finalize(nullptr));
    EXPECT_EQ(db.ColumnText(nullptr, 0), "");

    std::string error;
    EXPECT_FALSE(db.Exec("select * from Missing", &error));
    EXPECT_NE(error.find("no such table"), std::string::npos);

    ASSERT_TRUE(db.Close());
    EXPECT_FALSE(db.Close());
    EXPECT_EQ(db.Query("select 1"), nullptr);
    EXPECT_FALSE(db.Exec("select 1"));
}

TEST_F(MemoryDb, BoundKeysAreNeverSql) {
    // A key with quotes or SQL in it is just a value that matches nothing.
    for (const char* key : {"\"", "x\" or \"1\"=\"1", "'; drop table T; --"}) {
        Statement st = db.Query("select * from T where b=?", {SqlParam::Text(key)});
        EXPECT_EQ(db.ColumnInt(st, 0), 0) << key;
        db.Finalize(st);
    }
    Statement st = db.Query("select count(*) from T");
    EXPECT_EQ(db.ColumnInt(st, 0), 2);
    db.Finalize(st);
}

TEST(CreateTableSql, WritesTypesSizesFlagsAndDefaults) {
    struct Case {
        std::vector<ColumnDef> columns;
        std::string sql;
    } cases[] = {
        {{{"Id", kInteger, 10, 0, ""}, {"Name", kVarChar, 2, 0, ""}}, "create table T (Id Integer(10),Name VarChar(2))"},
        {{{"X", 9, 4, 0, ""}}, "create table T (X (4))"},
        {{{"Id", kInteger, 0, 7, ""}}, "create table T (Id Integer Primary Key AutoIncrement Not Null)"},
        {{{"Id", kInteger, 0, 2, "5"}}, "create table T (Id Integer  AutoIncrement Default 5)"},
        {{}, "create table T"},
    };
    for (const Case& c : cases) EXPECT_EQ(SqliteDatabase::CreateTableSql("T", c.columns), c.sql);
    // The type name and flags are glued as written; SQLite still accepts the statement.
    SqliteDatabase db;
    ASSERT_TRUE(db.Open());
    EXPECT_FALSE(db.CreateTable("Empty", {}));
}

TEST(ReferenceSchema, NineTablesWithSharedArticleLayout) {
    const auto& tables = ReferenceTables();
    ASSERT_EQ(tables.size(), 9u);
    std::vector<std::size_t> widths;
    for (const auto& t : tables) widths.push_back(t.columns.size());
    EXPECT_EQ(widths, (std::vector<std::size_t>{16, 21, 10, 10, 4, 6, 5, 5, 5}));
    const TableLayout* a = FindReferenceTable(Gbk("LM_育儿百科"));
    const TableLayout* b = FindReferenceTable(Gbk("LM_算命风水"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(SqliteDatabase::CreateTableSql("X", a->columns), SqliteDatabase::CreateTableSql("X", b->columns));
    EXPECT_EQ(SqliteDatabase::CreateTableSql("T", {tables[0].columns[2]}), Gbk("create table T (汉字 VarChar(2))"));
}

class Loader : public ::testing::Test {
protected:
    TempDir dir{"lumo-loader"};
};

TEST_F(Loader, CopiesEveryTableAndIndexes) {
    std::string path = dir.File("namedata.db");
    {
        test::ReferenceFile file(path);
        file.AddChar({"涛", 10, 18, "水"});
        file.AddUniformRatings("吉", "大吉");
    }
    SqliteDatabase db;
    test::RecordingSink sink;
    ASSERT_TRUE(test::LoadFile(db, path, &sink));
    EXPECT_TRUE(sink.messages.empty());
    Statement st = db.Query(Gbk("select count(*) from LM_八一灵动数"));
    EXPECT_EQ(db.ColumnInt(st, 0), 81);
    db.Finalize(st);
    st = db.Query("select count(*) from sqlite_master where type='index'");
    EXPECT_EQ(db.ColumnInt(st, 0), 3);
    db.Finalize(st);
    // The file is no longer attached.
    EXPECT_EQ(db.Query("select * from new_db.LM_CNWord"), nullptr);
}

TEST_F(Loader, MissingFileGivesTheAttachMessageAndClosesTheDatabase) {
    SqliteDatabase db;
    test::RecordingSink sink;
    EXPECT_FALSE(test::LoadFile(db, dir.File("absent.db"), &sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, Gbk("将磁盘数据库附加到内存数据库失败！"));
    EXPECT_EQ(sink.messages[0].title, Gbk("信息："));
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(dir.File("absent.db")));  // attach never creates the file
}

TEST_F(Loader, ATableWithAnExtraColumnRollsBackTheWholeCopy) {
    std::string path = dir.File("namedata.db");
    {
        test::ReferenceFile file(path);
        file.AddChar({"涛", 10, 18, "水"});
        file.AddUniformRatings("吉", "吉");
        ASSERT_TRUE(file.db().Exec(Gbk("alter table LM_百家姓 add column extra Integer")));
    }
    SqliteDatabase db;
    test::RecordingSink sink;
    EXPECT_FALSE(test::LoadFile(db, path, &sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("columns"), std::string::npos) << sink.messages[0].text;
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(Loader, AMissingTableShowsSqliteError) {
    std::string path = dir.File("namedata.db");
    {
        test::ReferenceFile file(path);
        ASSERT_TRUE(file.db().Exec(Gbk("drop table LM_Poet")));
    }
    SqliteDatabase db;
    test::RecordingSink sink;
    EXPECT_FALSE(test::LoadFile(db, path, &sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("no such table"), std::string::npos);
}

TEST_F(Loader, DamagedDataIsReportedAndNeverScored) {
    struct Case {
        const char* what;
        const char* damage;  // SQL run on a good file, or "" to write the bytes below instead
        std::string bytes;
        const char* message;  // a part of the one message
    } cases[] = {
        {"no 81 numbers", "delete from LM_八一灵动数", "", "八十一数理表应有 81 个数，只有 0 个"},
        {"80 numbers", "delete from LM_八一灵动数 where Id = 81", "", "只有 80 个"},
        {"124 talents", "delete from LM_三才配置 where 三才 = '金金金'", "", "只有 124 种"},
        {"text strokes", "update LM_CNWord set 简体笔画数 = 'abc' where 汉字 = '涛'", "",
         "“涛”的笔画数（'abc'，18）不是 1 至 64 之间的整数"},
        {"NULL strokes", "update LM_CNWord set 繁体笔画数 = NULL", "", "（10，NULL）"},
        {"negative strokes", "update LM_CNWord set 简体笔画数 = -3", "", "（-3，18）"},
        {"huge strokes", "update LM_CNWord set 繁体笔画数 = 9999999999", "", "（10，9999999999）"},
        {"element X", "update LM_CNWord set 五行属性 = 'X'", "", "“涛”的五行“X”不是金木水火土之一"},
        {"zero bytes", "", "", "数据文件已损坏或不是 Lumo 的数据文件："},
        {"not a database", "", std::string(4096, 'x'), "数据文件已损坏或不是 Lumo 的数据文件："},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = dir.File(std::string(c.what) + ".db");
        if (*c.damage) {
            test::ReferenceFile file(path);
            file.AddChar({"涛", 10, 18, "水"});
            file.AddUniformRatings("吉", "吉");
            ASSERT_TRUE(file.db().Exec(Gbk(c.damage)));
        } else {
            std::ofstream(path, std::ios::binary) << c.bytes;
        }
        SqliteDatabase db;
        test::RecordingSink sink;
        EXPECT_FALSE(test::LoadFile(db, path, &sink));
        EXPECT_FALSE(db.IsOpen());
        ASSERT_EQ(sink.messages.size(), 1u);
        const std::string text = GbkToUtf8(sink.messages[0].text);
        EXPECT_NE(text.find(c.message), std::string::npos) << text;
        EXPECT_NE(text.find(path), std::string::npos) << text;
    }
}

TEST_F(Loader, AFolderWithAnApostropheLoads) {
    std::filesystem::create_directories(dir.path() / "Tom's files");
    std::string path = (dir.path() / "Tom's files" / "namedata.db").string();
    {
        test::ReferenceFile file(path);
        file.AddChar({"李", 7, 7, "木"});
        file.CompleteRatings();
    }
    SqliteDatabase db;
    ASSERT_TRUE(test::LoadFile(db, path));
    Statement st = db.Query(Gbk("select * from LM_CNWord where 汉字=?"), {SqlParam::Text(Gbk("李"))});
    EXPECT_EQ(db.ColumnInt(st, 6), 7);
    db.Finalize(st);
}

}  // namespace
}  // namespace lumo
