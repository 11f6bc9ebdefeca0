// The settings file: INI codec, number rules, records value, location and safe saving.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "content/FileOutput.h"
#include "content/IniFile.h"
#include "content/SettingsFile.h"
#include "db/Gbk.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

NameRow Record(const std::string& number, const std::string& familyUtf8,
               const std::string& givenUtf8) {
    return {number,        Gbk(familyUtf8) + "\r\n" + Gbk(givenUtf8),
            "25",          "29",
            Gbk("木木火"), "8,17,22,29,13",
            Gbk("金金木"), "97"};
}

std::vector<std::string> Cells(const NameRow& r) {
    std::vector<std::string> cells;
    for (int i = 0; i < NameRow::kColumns; ++i) cells.push_back(U(r.Column(i)));
    return cells;
}

TEST(SettingsNumbers, SexAndNameLengthRules) {
    struct Case {
        const char* text;
        int sex;
        int nameLength;
    } cases[] = {
        {"1", 1, 1},     {"0", 0, 0},          {"", 0, 0},    {"abc", 0, 0},  {"2", 1, 0},
        {"-1", 1, 0},    {"1.0", 1, 1},        {" 1 ", 1, 1}, {"1abc", 0, 0}, {"0.00000001", 0, 0},
        {"0.001", 1, 0}, {"1.00000001", 1, 1}, {"+1", 1, 1},  {".", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SexIndexFromText(c.text), c.sex) << "'" << c.text << "'";
        EXPECT_EQ(NameLengthIndexFromText(c.text), c.nameLength) << "'" << c.text << "'";
    }
}

TEST(RecordsValue, EncodesColumnsOneToSevenWithTheLineBreakAsASpace) {
    std::vector<NameRow> rows = {Record("1", "张", "三丰"), Record("2", "欧阳", "修")};
    EXPECT_EQ(U(EncodeRecords(rows)),
              "张 三丰;25;29;木木火;8,17,22,29,13;金金木;97|欧阳 "
              "修;25;29;木木火;8,17,22,29,13;金金木;97|");
    EXPECT_EQ(EncodeRecords({}), "");
    std::vector<NameRow> back = DecodeRecords(EncodeRecords(rows));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(Cells(back[0]), Cells(rows[0]));
    EXPECT_EQ(Cells(back[1]), Cells(rows[1]));
}

TEST(RecordsValue, DecodesTheEdgeCases) {
    struct Case {
        const char* value;
        std::vector<std::vector<std::string>> rows;  // cells 0..7
    } cases[] = {
        {"", {}},
        {"|", {{"1", "", "", "", "", "", "", ""}}},
        {"a;b;c;d;e;f;g|", {{"1", "a", "b", "c", "d", "e", "f", "g"}}},
        {"a;b;c|", {{"1", "a", "b", "c", "", "", "", ""}}},
        {"1;2;3;4;5;6;7;8;9|", {{"1", "1", "2", "3", "4", "5", "6", "7"}}},
        {"||", {{"1", "", "", "", "", "", "", ""}, {"2", "", "", "", "", "", "", ""}}},
        {"a;b", {{"1", "a", "b", "", "", "", "", ""}}},
        {"张 三丰;x y|", {{"1", "张\r\n三丰", "x\r\ny", "", "", "", "", ""}}},
    };
    for (const Case& c : cases) {
        std::vector<NameRow> rows = DecodeRecords(Gbk(c.value));
        ASSERT_EQ(rows.size(), c.rows.size()) << c.value;
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(Cells(rows[i]), c.rows[i]) << c.value;
    }
}

TEST(RecordsValue, SplitsByCharactersNotBytes) {
    // 0x81 0x7C is one GBK character whose second byte is "|".
    std::string name = std::string("\x81\x7C") + " x";
    std::vector<NameRow> rows = DecodeRecords(name + ";1|b|");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, std::string("\x81\x7C") + "\r\nx");
    EXPECT_EQ(rows[0].simplifiedStrokes, "1");
    EXPECT_EQ(rows[1].name, "b");
}

TEST(RecordsValue, ALoneLeadByteIsItsOwnCharacterAndTheRoundTripIsStable) {
    struct Case {
        std::string value;
        std::size_t rows;
    } cases[] = {
        {"\xA3", 1},                    // the whole value a lone lead byte
        {"\xA3;b|c|", 2},               // before ";" it is a character of its own
        {"a;b;c;d;e;f;\xA3|", 1},       // column 7, before the row's "|"
        {"a;b;c;d;e;f;g;\xA3", 1},      // past column 7
        {"a;b;c;d;e;f;g\xA3;h|x|", 2},  // column 7 ends in it, an eighth field follows
        {"\xB0\xA1;97\xB0", 1},         // a file cut inside a character
        {"\xA3 b;\xA3\xA3|", 1},        // before a space, and a real pair
    };
    for (const Case& c : cases) {
        std::vector<NameRow> once = DecodeRecords(c.value);
        ASSERT_EQ(once.size(), c.rows) << U(c.value);
        std::string encoded = EncodeRecords(once);
        std::vector<NameRow> twice = DecodeRecords(encoded);
        ASSERT_EQ(twice.size(), once.size()) << U(c.value);
        for (std::size_t i = 0; i < once.size(); ++i)
            EXPECT_EQ(Cells(twice[i]), Cells(once[i])) << U(c.value);
        EXPECT_EQ(EncodeRecords(twice), encoded) << U(c.value);  // no field grows on every save
    }
    EXPECT_EQ(DecodeRecords("\xA3;b|")[0].name, "\xA3");
    EXPECT_EQ(DecodeRecords("\xA3;b|")[0].simplifiedStrokes, "b");
}

TEST(IniFile, ReadsWritesAndKeepsWhatItDoesNotOwn) {
    std::string text = "; comment\n[other]\nkey=outside\n[section]\n key = a=b \n\n[third]\nx=1\n";
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.Get("section", "key"), " a=b ");
    EXPECT_EQ(ini.Get("other", "key"), "outside");
    EXPECT_FALSE(ini.Get("section", "missing").has_value());
    EXPECT_FALSE(ini.Get("nowhere", "key").has_value());
    ini.Set("section", "key", "new");
    ini.Set("section", "added", "two\r\nlines");
    ini.Set("fresh", "k", "v");
    EXPECT_EQ(ini.Text(),
              "; comment\r\n[other]\r\nkey=outside\r\n[section]\r\nkey=new\r\nadded=two "
              "lines\r\n\r\n[third]\r\n"
              "x=1\r\n[fresh]\r\nk=v\r\n");
    IniFile again = IniFile::Parse(ini.Text());
    EXPECT_EQ(again.Get("section", "added"), "two lines");
    EXPECT_EQ(again.Get("fresh", "k"), "v");
}

TEST(IniFile, AHeaderMustEndInABracketCharacter) {
    // "\x81\x5D" is one character whose second byte is "]": the line is not a header.
    IniFile ini = IniFile::Parse("[a]\nk=1\n[b\x81\x5D\nk=2\n");
    EXPECT_EQ(ini.Get("a", "k"), "1");
}

class SettingsFileTest : public ::testing::Test {
  protected:
    test::TempDir dir{"lumo-settings"};
    std::filesystem::path file = dir.path() / "lumo" / "config.dat";
};

TEST_F(SettingsFileTest, AMissingFileGivesTheDefaults) {
    Settings s = LoadSettings(file);
    EXPECT_EQ(s.familyName, "");
    EXPECT_EQ(s.sexIndex, 0);
    EXPECT_EQ(s.nameLengthIndex, 0);
    EXPECT_EQ(s.combinationChars, "");
    EXPECT_EQ(s.englishName, "");
    EXPECT_EQ(s.scoringGivenName, "");
    EXPECT_TRUE(s.records.empty());
}

TEST_F(SettingsFileTest, SavesTheSevenKeysInOrderAndReadsThemBack) {
    Settings s;
    s.familyName = Gbk("欧阳");
    s.sexIndex = 1;
    s.nameLengthIndex = 1;
    s.combinationChars = Gbk("天地人");
    s.englishName = "Mary";
    s.scoringGivenName = Gbk("修远");
    s.records = {Record("1", "张", "三丰"), Record("2", "李", "白")};
    s.filterUnsuitable = false;
    ASSERT_TRUE(SaveSettings(file, s));

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(file, bytes));
    std::string text = U(bytes);
    std::vector<std::size_t> at;
    for (const char* key :
         {"[设置]", "姓氏=欧阳", "性别=1", "名字个数=1", "组合的字=天地人", "英文名字=Mary",
          "评分名字=修远", "名字记录=张 三丰;", "过滤不宜取名用字=0"})
        at.push_back(text.find(key));
    for (std::size_t i = 0; i < at.size(); ++i) {
        ASSERT_NE(at[i], std::string::npos) << i;
        if (i) {
            EXPECT_GT(at[i], at[i - 1]) << i;
        }
    }

    Settings back = LoadSettings(file);
    EXPECT_EQ(back.familyName, s.familyName);
    EXPECT_EQ(back.sexIndex, 1);
    EXPECT_EQ(back.nameLengthIndex, 1);
    EXPECT_EQ(back.combinationChars, s.combinationChars);
    EXPECT_EQ(back.englishName, "Mary");
    EXPECT_EQ(back.scoringGivenName, s.scoringGivenName);
    EXPECT_FALSE(back.filterUnsuitable);
    EXPECT_TRUE(
        LoadSettings(file.parent_path() / "missing.dat").filterUnsuitable);  // on by default
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(Cells(back.records[1]), Cells(s.records[1]));
}

TEST_F(SettingsFileTest, SavingKeepsOtherSectionsAndLeavesNoTemporaryFile) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "[window]\r\nwidth=800\r\n";
    Settings s;
    s.familyName = Gbk("王");
    ASSERT_TRUE(SaveSettings(file, s));
    ASSERT_TRUE(SaveSettings(file, s));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(file, bytes));
    EXPECT_EQ(bytes.rfind("[window]\r\nwidth=800\r\n[", 0), 0u);
    EXPECT_EQ(U(bytes).find("姓氏=王"), U(bytes).rfind("姓氏=王"));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(file.parent_path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(SettingsFileTest, AFailedSaveKeepsTheRecordsAlreadyThere) {
    Settings s;
    s.records = {Record("1", "张", "三丰")};
    ASSERT_TRUE(SaveSettings(file, s));
    // The file's place is taken by a folder now: the save fails and nothing is lost.
    std::filesystem::path blocked = dir.path() / "blocked";
    std::filesystem::create_directories(blocked / "config.dat");
    EXPECT_FALSE(SaveSettings(blocked / "config.dat", s));
    EXPECT_EQ(LoadSettings(file).records.size(), 1u);
}

TEST_F(SettingsFileTest, InputsAreReadBackToTheLimitButEveryRecordComesBack) {
    std::filesystem::create_directories(file.parent_path());
    std::string row = "a;b;c;d;e;f;g|";  // 14 bytes
    std::string records;
    while (records.size() <= kSettingsValueLimit + 20) records += row;             // past the limit
    std::string longName = std::string(kSettingsValueLimit - 1, 'x') + Gbk("张");  // 10,240 bytes
    std::ofstream(file, std::ios::binary)
        << Gbk("[设置]\r\n姓氏=") << longName << Gbk("\r\n名字记录=") << records << "\r\n";
    Settings s = LoadSettings(file);
    EXPECT_EQ(s.familyName, std::string(kSettingsValueLimit - 1, 'x'));  // the cut never splits 张
    ASSERT_EQ(s.records.size(), records.size() / row.size());
    EXPECT_EQ(s.records.back().score, "g");

    // A thousand records survive a save and a load.
    s.records.clear();
    for (int i = 0; i < 1000; ++i)
        s.records.push_back(s.records.empty() ? NameRow{} : s.records.back());
    for (std::size_t i = 0; i < s.records.size(); ++i) {
        s.records[i].name = Gbk("李") + "\r\n" + Gbk("名") + std::to_string(i);
        s.records[i].score = std::to_string(i % 100);
    }
    ASSERT_TRUE(SaveSettings(file, s));
    Settings back = LoadSettings(file);
    ASSERT_EQ(back.records.size(), 1000u);
    EXPECT_EQ(back.records[999].name, s.records[999].name);
}

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
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

TEST(SettingsLocation, FollowsXdgConfigHomeOrHome) {
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/etc/xdg-user");
        EXPECT_EQ(SettingsLocation(), std::filesystem::path("/etc/xdg-user/lumo/config.dat"));
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(SettingsLocation(),
                  std::filesystem::path("/home/someone/.config/lumo/config.dat"));
    }
    ScopedEnv relative("XDG_CONFIG_HOME", "not/absolute");
    EXPECT_EQ(SettingsLocation(), std::filesystem::path("/home/someone/.config/lumo/config.dat"));
}

}  // namespace
}  // namespace lumo
