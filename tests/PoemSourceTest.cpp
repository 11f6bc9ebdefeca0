#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "db/Gbk.h"
#include "generation/PoemSource.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

TEST(PoemPreviewPage, BreaksAfterEveryFullStopAndNamesPoetAndTitle) {
    std::string page = PoemPreviewPage(Gbk("张继"), Gbk("枫桥夜泊"), Gbk("月落乌啼。江枫渔火。"));
    EXPECT_EQ(GbkToUtf8(page),
              "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><title>张继:枫桥夜泊"
              "</title></head><body><b>张继:枫桥夜泊</b><br><br>月落乌啼。<br>江枫渔火。<br></body><html>");
}

TEST(PoemCharacters, DropsCommasAndStopsAndMarksByCharacter) {
    PoemText poem{Gbk("月落，乌啼。啼"), Gbk("啼")};
    std::vector<PoemCharacter> chars = PoemCharacters(poem);
    ASSERT_EQ(chars.size(), 5u);
    std::string joined;
    int marked = 0;
    for (const auto& c : chars) {
        joined += c.text;
        marked += c.marked;
    }
    EXPECT_EQ(GbkToUtf8(joined), "月落乌啼啼");
    EXPECT_EQ(marked, 2);  // every occurrence of a marked character starts ticked
}

TEST(PoemSource, ReadsThePoetsAndPoemsOfTheReferenceDatabase) {
    std::string file = std::string(LUMO_DATA_DIR) + "/namedata.db";
    ASSERT_TRUE(std::filesystem::exists(file));
    SqliteDatabase db;
    ASSERT_TRUE(test::LoadFile(db, file));
    std::vector<std::string> poets = PoetNames(db);
    ASSERT_GT(poets.size(), 1000u);
    EXPECT_EQ(GbkToUtf8(poets[0]), "白居易");  // the poet with most poems opens the list
    std::vector<std::string> titles = PoemTitles(db, Gbk("张继"));
    EXPECT_NE(std::find(titles.begin(), titles.end(), Gbk("枫桥夜泊")), titles.end());
    EXPECT_TRUE(PoemTitles(db, "\"").empty());
    std::vector<PoemCharacter> chars = PoemCharacters(PoemByTitle(db, Gbk("枫桥夜泊")));
    ASSERT_EQ(chars.size(), 28u);
    EXPECT_TRUE(chars[0].marked);   // 月
    EXPECT_FALSE(chars[1].marked);  // 落
    EXPECT_TRUE(PoemByTitle(db, Gbk("没有这首诗")).content.empty());
}

}  // namespace
}  // namespace lumo
