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
              "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
              "charset=gb2312\"><title>张继:枫桥夜泊"
              "</title></head><body><b>张继:枫桥夜泊</b><br><br>月落乌啼。<br>江枫渔火。<br></"
              "body><html>");
}

TEST(PoemPreviewPage, ShowsTheEditorsNotesUnderThePoem) {
    std::string page = PoemPreviewPage(Gbk("李白"), Gbk("静夜思"), Gbk("床前明月光。"),
                                       Gbk("《全唐诗》作：床前看月光\n「举头」一作「<b>」"));
    EXPECT_NE(
        GbkToUtf8(page).find("床前明月光。<br><br><small><b>注</b><br>《全唐诗》作：床前看月光<br>"
                             "「举头」一作「&lt;b&gt;」</small></body><html>"),
        std::string::npos)
        << GbkToUtf8(page);
    EXPECT_EQ(GbkToUtf8(PoemPreviewPage(Gbk("李白"), Gbk("静夜思"), Gbk("床。"))).find("注"),
              std::string::npos);
}

TEST(PoemCharacters, GivesBoxesToChineseCharactersOnly) {
    struct Case {
        const char* content;
        const char* characters;
    } cases[] = {
        {"月落，乌啼。", "月落乌啼"},
        {"噫吁嚱！危乎高哉？", "噫吁嚱危乎高哉"},  // ！？ and a GBK-only character
        {"童子解吟《长恨曲》；「借问」：何处、来…",
         "童子解吟长恨曲借问何处来"},  // every other mark
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const PoemCharacter& ch : PoemCharacters(PoemText{Gbk(c.content), {}, {}}))
            joined += ch.text;
        EXPECT_EQ(GbkToUtf8(joined), c.characters) << c.content;
    }
}

TEST(PoemCharacters, DropsCommasAndStopsAndMarksByCharacter) {
    PoemText poem{Gbk("月落，乌啼。啼"), Gbk("啼"), {}};
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
    EXPECT_EQ(GbkToUtf8(poets[0]),
              "杜甫");  // the poet with most poems in 唐诗三百首 opens the list
    EXPECT_EQ(GbkToUtf8(poets.back()), "佚名");
    std::vector<std::string> titles = PoemTitles(db, Gbk("张继"));
    auto at = std::find(titles.begin(), titles.end(), Gbk("枫桥夜泊"));
    ASSERT_NE(at, titles.end());
    PoemText poem = PoemOfPoet(db, Gbk("张继"), static_cast<int>(at - titles.begin()));
    std::vector<PoemCharacter> chars = PoemCharacters(poem);
    ASSERT_EQ(chars.size(), 28u);
    EXPECT_TRUE(chars[0].marked);               // 月
    EXPECT_FALSE(chars[1].marked);              // 落
    EXPECT_EQ(GbkToUtf8(chars[9].text), "渔");  // 江枫渔火, as readers know it
    EXPECT_NE(GbkToUtf8(poem.notes).find("江枫渔父"), std::string::npos) << GbkToUtf8(poem.notes);
    EXPECT_TRUE(PoemTitles(db, "\"").empty());
    EXPECT_TRUE(PoemOfPoet(db, Gbk("张继"), static_cast<int>(titles.size())).content.empty());
    EXPECT_TRUE(PoemOfPoet(db, Gbk("没有这位诗人"), 0).content.empty());
}

// Two poems of one title by one poet are told apart by their place in the poet's list.
TEST(PoemSource, TellsPoemsOfOneTitleApartByTheirPlace) {
    SqliteDatabase db;
    ASSERT_TRUE(test::LoadFile(db, std::string(LUMO_DATA_DIR) + "/namedata.db"));
    std::vector<std::string> titles = PoemTitles(db, Gbk("李商隐"));
    std::vector<int> untitled;
    for (std::size_t i = 0; i < titles.size(); ++i)
        if (titles[i] == Gbk("无题")) untitled.push_back(static_cast<int>(i));
    ASSERT_GE(untitled.size(), 2u);
    EXPECT_NE(PoemOfPoet(db, Gbk("李商隐"), untitled[0]).content,
              PoemOfPoet(db, Gbk("李商隐"), untitled[1]).content);
}

}  // namespace
}  // namespace lumo
