// Content: GBK text operations, file output, the data folder, the article reader and the
// pronunciation helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "content/Articles.h"
#include "content/DataFolder.h"
#include "content/FileOutput.h"
#include "content/GbkText.h"
#include "content/Pronunciation.h"
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

// A GBK character whose second byte is "|" (0x7C), and one whose second byte is "{" (0x7B).
const std::string kPipeTrail = "\x81\x7C";
const std::string kBraceTrail = "\x81\x7B";

TEST(GbkText, MatchesOnlyOnCharacterBoundaries) {
    std::string text = "a" + kPipeTrail + "|b";
    EXPECT_EQ(gbk::Find(text, "|"), 3u);
    EXPECT_EQ(gbk::Split(text, "|"), (std::vector<std::string>{"a" + kPipeTrail, "b"}));
    EXPECT_EQ(gbk::ReplaceAll(kBraceTrail + "{x}", "{x}", "y"), kBraceTrail + "y");
    EXPECT_EQ(gbk::ReplaceAll("{x}{x}", "{x}", "{x}{x}"), "{x}{x}{x}{x}");
    EXPECT_EQ(gbk::Find("abc", ""), std::string::npos);
}

TEST(GbkText, ALoneLeadByteNeverSwallowsTheByteAfterIt) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;  // split at ";"
    } cases[] = {
        {"\xA3;b", {"\xA3", "b"}},
        {"a\xA3;", {"a\xA3", ""}},
        {"\xA3\xA3;", {"\xA3\xA3", ""}},  // a real pair
        {"\x81\x3B;", {"\x81", "", ""}},  // 0x3B is no trail byte
    };
    for (const Case& c : cases) EXPECT_EQ(gbk::Split(c.text, ";"), c.pieces) << c.text;
    EXPECT_EQ(gbk::ReplaceAll("\xA3 x", " ", "_"), "\xA3_x");
    EXPECT_EQ(gbk::CutToBytes("\xA3\x20", 1), "\xA3");
    EXPECT_EQ(GbkToUtf8("\xA3 a"), "? a");
}

TEST(GbkText, SplitKeepsEmptyPieces) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
    } cases[] = {
        {"", {""}},
        {"|", {"", ""}},
        {"a||b|", {"a", "", "b", ""}},
        {"ab", {"ab"}},
    };
    for (const Case& c : cases) EXPECT_EQ(gbk::Split(c.text, "|"), c.pieces) << c.text;
}

TEST(GbkText, CutsWithoutSplittingACharacter) {
    std::string text = Gbk("张三");  // four bytes
    EXPECT_EQ(gbk::CutToBytes(text, 4), text);
    EXPECT_EQ(gbk::CutToBytes(text, 3), Gbk("张"));
    EXPECT_EQ(gbk::CutToBytes("a" + text, 2), "a");
    EXPECT_EQ(gbk::CutToBytes(text, 0), "");
}

TEST(FileOutput, ReplacesTheWholeFileAndLeavesNoTemporaryFiles) {
    test::TempDir dir("lumo-output");
    std::filesystem::path file = dir.path() / "page.html";
    ASSERT_TRUE(WriteFileAtomically(file, "a much longer first content"));
    ASSERT_TRUE(WriteFileAtomically(file, "second"));
    EXPECT_EQ(FileBytes(file), "second");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(FileOutput, AFailedWriteKeepsTheOldFile) {
    test::TempDir dir("lumo-output");
    EXPECT_FALSE(WriteFileAtomically(dir.path() / "missing" / "page.html", "x"));
    std::filesystem::create_directory(dir.path() / "taken");
    EXPECT_FALSE(WriteFileAtomically(dir.path() / "taken", "x"));  // a folder cannot be replaced
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken"));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataFolder, UsesTheProgramFolderWhenItCanBeWritten) {
    test::TempDir program("lumo-program");
    DataFolder folder = DataFolder::Locate(program.path());
    EXPECT_EQ(folder.Path(), program.path() / "data");
    EXPECT_FALSE(folder.UsesUserDirectory());
    EXPECT_TRUE(std::filesystem::is_directory(program.path() / "data"));
    EXPECT_EQ(folder.File("temp.html"), program.path() / "data" / "temp.html");
}

TEST(DataFolder, FallsBackToTheUserDataDirectory) {
    test::TempDir program("lumo-program");
    test::TempDir user("lumo-user");
    ScopedEnv xdg("XDG_DATA_HOME", user.path().string());
    std::ofstream(program.path() / "data")
        << "not a folder";  // the program's data folder cannot exist
    DataFolder folder = DataFolder::Locate(program.path());
    EXPECT_TRUE(folder.UsesUserDirectory());
    EXPECT_EQ(folder.Path(), user.path() / "lumo");
    EXPECT_TRUE(std::filesystem::is_directory(user.path() / "lumo"));

    // namedata.db: the user's copy is found when the program has none.
    EXPECT_EQ(folder.ReferenceDatabase(), program.path() / "data" / "namedata.db");
    std::ofstream(user.path() / "lumo" / "namedata.db") << "db";
    EXPECT_EQ(folder.ReferenceDatabase(), user.path() / "lumo" / "namedata.db");
}

// The build tree keeps data/ and site/ beside the programs; an install under any prefix (or an
// unpacked package) keeps them in ../share/lumo.
TEST(DataFolder, FindsItsFilesFromTheProgramFolder) {
    struct Case {
        const char* made;  // folders made under the root, separated by spaces
        const char* data;
        const char* site;
    } cases[] = {
        {"bin", "bin/data", "bin/site"},
        {"bin/data bin/site", "bin/data", "bin/site"},
        {"bin share/lumo/data share/lumo/site", "share/lumo/data", "share/lumo/site"},
        {"bin/data share/lumo/data share/lumo/site", "bin/data", "share/lumo/site"},
        {"bin share/data share/site", "bin/data", "bin/site"},
    };
    for (const Case& c : cases) {
        test::TempDir root("lumo-prefix");
        std::istringstream made(c.made);
        for (std::string folder; made >> folder;)
            std::filesystem::create_directories(root.path() / folder);
        const std::filesystem::path program = root.path() / "bin";
        EXPECT_EQ(ProgramDataDirectory(program), (root.path() / c.data).lexically_normal())
            << c.made;
        EXPECT_EQ(SiteDirectory(program), (root.path() / c.site).lexically_normal()) << c.made;
    }
}

TEST(DataFolder, AnInstalledProgramUsesItsSharedFolder) {
    test::TempDir root("lumo-prefix");
    std::filesystem::create_directories(root.path() / "bin");
    std::filesystem::create_directories(root.path() / "share" / "lumo" / "data");
    std::ofstream(root.path() / "share" / "lumo" / "data" / "namedata.db") << "db";
    DataFolder folder = DataFolder::Locate(root.path() / "bin");
    const std::filesystem::path shared =
        (root.path() / "share" / "lumo" / "data").lexically_normal();
    EXPECT_EQ(folder.Path(), shared);  // writable here; an install under /usr falls back as above
    EXPECT_FALSE(folder.UsesUserDirectory());
    EXPECT_EQ(folder.ReferenceDatabase(), shared / "namedata.db");
    EXPECT_FALSE(std::filesystem::exists(root.path() / "bin" / "data"));  // nothing made beside
}

TEST(DataFolder, UserDirectoryFollowsXdgOrHome) {
    {
        ScopedEnv xdg("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(UserDataDirectory(), std::filesystem::path("/srv/data/lumo"));
    }
    ScopedEnv relative("XDG_DATA_HOME", "relative/path");
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(UserDataDirectory(), std::filesystem::path("/home/someone/.local/share/lumo"));
}

TEST(Pronunciation, TextBetweenCases) {
    struct Case {
        const char* text;
        const char* start;
        const char* end;
        const char* result;
    } cases[] = {
        {"x<a>one.mp3 y<a>two.mp3", "<a>", ".mp3", "one"},  // the first marker wins
        {"no marker here", "<a>", ".mp3", ""},
        {"x<a>one y<a>two.mp3", "<a>", ".mp3", "one y"},  // no end before the next marker
        {"x<a>tail", "<a>", ".mp3", "tail"},              // no end at all
        {"<a>.mp3", "<a>", ".mp3", ""},
        {"x<a>one", "", ".mp3", ""},
        {"x<a>one", "<a>", "", "one"},
    };
    for (const Case& c : cases) EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.result) << c.text;
}

TEST(Pronunciation, FindsTheRecordingInASearchPage) {
    std::string page =
        "<html>\xe4\xbd\xa0<a href=\"#\" url=\"http://res.example/a/mary.mp3\">x</a>"
        "<a href=\"#\" url=\"http://res.example/b/other.mp3\"></html>";
    EXPECT_EQ(RecordingAddress(page), "http://res.example/a/mary.mp3");
    EXPECT_EQ(RecordingAddress("nothing"), ".mp3");
    EXPECT_EQ(RecordingAddress(""), ".mp3");
    EXPECT_EQ(PronunciationSearchAddress("Mary Ann"),
              std::string(kDictionaryBase) + "/s?wd=Mary Ann");
}

TEST(Pronunciation, Utf8BecomesGbkUpToTheFirstNul) {
    EXPECT_EQ(Utf8ToLocalText(std::string("\xe5\xa7\x93\xe5\x90\x8d\0tail", 10)), Gbk("姓名"));
    EXPECT_EQ(Utf8ToLocalText("a\xf0\x9f\x98\x80"
                              "b"),
              "a?b");  // an emoji has no GBK form
    EXPECT_EQ(Utf8ToLocalText(""), "");
}

class Articles : public ::testing::Test {
  protected:
    void SetUp() override {
        {
            test::ReferenceFile file(path);
            Add(file, "LM_育儿百科", 1, "新生儿", "喂养", "<p>按需喂养</p>");
            Add(file, "LM_育儿百科", 2, "新生儿", "睡眠", "<b>多睡</b>");
            Add(file, "LM_育儿百科", 3, "新生儿", "喂养", "second text");
            Add(file, "LM_算命风水", 1, "风水", "睡眠", "风水的睡眠");
            file.CompleteRatings();
        }
        ASSERT_TRUE(test::LoadFile(db, path));
    }
    static void Add(test::ReferenceFile& f, const char* table, int id, const char* category,
                    const char* title, const char* content) {
        f.db().Finalize(
            f.db().Query(Gbk("insert into ") + Gbk(table) + " values (?, ?, ?, ?, ?)",
                         {SqlParam::Integer(id), SqlParam::Text("c"), SqlParam::Text(Gbk(category)),
                          SqlParam::Text(Gbk(title)), SqlParam::Text(Gbk(content))}));
    }
    test::TempDir dir{"lumo-articles"};
    std::string path = dir.File("namedata.db");
    SqliteDatabase db;
};

TEST_F(Articles, ListsTheTitlesOfACategory) {
    std::vector<std::string> titles = ArticleTitles(db, ArticleTable::Parenting, Gbk("新生儿"));
    ASSERT_EQ(titles.size(), 3u);
    EXPECT_EQ(U(titles[0]), "喂养");
    EXPECT_EQ(U(titles[1]), "睡眠");
    EXPECT_TRUE(ArticleTitles(db, ArticleTable::Parenting, Gbk("没有")).empty());
    EXPECT_TRUE(ArticleTitles(db, ArticleTable::Parenting, "\" or 1=1 --").empty());
}

TEST_F(Articles, BuildsThePageOfATitleInTheCurrentTable) {
    std::string page = U(ArticlePage(db, ArticleTable::Parenting, Gbk("睡眠")));
    EXPECT_NE(page.find("<title>睡眠</title>"), std::string::npos);
    EXPECT_NE(page.find("<h1 align=\"center\">睡眠</h1>\r\n<b>多睡</b>\r\n"), std::string::npos);
    EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 7), "</html>");
    EXPECT_NE(U(ArticlePage(db, ArticleTable::Fortune, Gbk("睡眠"))).find("风水的睡眠"),
              std::string::npos);
    // Two articles with one title show the first one's text.
    EXPECT_NE(U(ArticlePage(db, ArticleTable::Parenting, Gbk("喂养"))).find("按需喂养"),
              std::string::npos);
    std::string missing = U(ArticlePage(db, ArticleTable::Parenting, Gbk("一个\"引号")));
    EXPECT_NE(missing.find("<h1 align=\"center\">一个\"引号</h1>\r\n\r\n</body>"),
              std::string::npos);
}

TEST_F(Articles, WritesThePageAndKnowsOnlyTheTwoTables) {
    std::filesystem::path file = dir.path() / "temp.html";
    ASSERT_TRUE(WriteArticlePage(db, ArticleTable::Parenting, Gbk("睡眠"), file));
    EXPECT_EQ(FileBytes(file), ArticlePage(db, ArticleTable::Parenting, Gbk("睡眠")));
    EXPECT_EQ(ArticleTableNamed(Gbk("育儿百科")), ArticleTable::Parenting);
    EXPECT_EQ(ArticleTableNamed(Gbk("算命风水")), ArticleTable::Fortune);
    EXPECT_FALSE(ArticleTableNamed(Gbk("CNWord")).has_value());
    EXPECT_FALSE(ArticleTableNamed(Gbk("育儿百科 where 1=1")).has_value());
}

}  // namespace
}  // namespace lumo
