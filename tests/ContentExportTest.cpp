// The name-list exports: NameList.txt, 100NameList.txt and ClassNameList.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "content/FileOutput.h"
#include "content/NameListExport.h"
#include "db/Gbk.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

std::string FileBytes(const std::filesystem::path& p) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(p, bytes)) << p;
    return bytes;
}

NameRow Row(const std::string& number, const std::string& nameUtf8) {
    return {number, Gbk(nameUtf8), "25", "29", Gbk("木木火"), "8,17,22,29,13", Gbk("金金木"), "97"};
}

TEST(NameListExport, WritesHeaderAndRowsUpToTheFirstEmptyNumber) {
    std::string header = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n";
    std::string line1 = "1    李家明    25    29    木木火    8,17,22,29,13    金金木    97\r\n";
    std::vector<NameRow> paused = {Row("1", "李家明"), Row("2", "李明"), Row("3", "李家"),
                                   NameRow{},          NameRow{},        Row("6", "李后")};
    std::string text = U(NameListText(paused));
    EXPECT_EQ(text.rfind(header + line1, 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_EQ(text.find("李后"), std::string::npos);
    EXPECT_EQ(U(NameListText({})), header);
    std::vector<NameRow> full = {Row("1", "李家明"), Row("2", "李明")};
    std::string fullText = U(NameListText(full));
    EXPECT_EQ(std::count(fullText.begin(), fullText.end(), '\n'), 3);
}

TEST(NameListExport, ReplacesTheFileWithGbkBytes) {
    test::TempDir dir("lumo-export");
    std::filesystem::path file = dir.path() / "NameList.txt";
    ASSERT_TRUE(ExportNameList({Row("1", "李家明"), Row("2", "李明")}, file));
    ASSERT_TRUE(ExportNameList({Row("1", "李家明")}, file));
    std::string bytes = FileBytes(file);
    EXPECT_EQ(bytes, NameListText({Row("1", "李家明")}));
    EXPECT_EQ(bytes.substr(0, 4), Gbk("编号"));  // GBK, no byte-order mark

    std::filesystem::path classic = dir.path() / "ClassNameList.txt";
    ASSERT_TRUE(ExportClassicNames(Gbk("李白\r\n杜甫"), classic));
    EXPECT_EQ(FileBytes(classic), Gbk("李白\r\n杜甫"));
    ASSERT_TRUE(ExportClassicNames("", classic));
    EXPECT_EQ(FileBytes(classic), "");
}

}  // namespace
}  // namespace lumo
