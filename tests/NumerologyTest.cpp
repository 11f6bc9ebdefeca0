#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/Fixture.h"
#include "db/Gbk.h"
#include "numerology/CharInfo.h"
#include "numerology/Characters.h"
#include "numerology/NameScore.h"

namespace lumo {
namespace {

TEST(SplitCharacters, CutsAtTheBoundaryOf122) {
    struct Case {
        std::string text;  // GBK bytes
        std::vector<std::string> parts;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {Gbk("张 三"), {Gbk("张"), " ", Gbk("三")}},
        {"ab", {"a", "b"}},
        {"a{b", {"a", "{b"}},
        {Gbk("李") + "\xB0", {Gbk("李"), "\xB0"}},  // a lone lead byte at the end stays one byte
        {"a~", {"a", "~"}},
        // A lead byte pairs only with a trail byte (0x40..0x7E, 0x80..0xFE).
        {"\xA3;" + Gbk("李"), {"\xA3", ";", Gbk("李")}},
        {"\xA3 b", {"\xA3", " ", "b"}},
        {"{;", {"{", ";"}},
        {"\xA3\x7F", {"\xA3", "\x7F"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCharacters(c.text), c.parts) << GbkToUtf8(c.text);
}

TEST(IsHanziCode, AcceptsOnlyGb2312Hanzi) {
    EXPECT_TRUE(IsHanziCode("\xB0\xA1"));
    EXPECT_TRUE(IsHanziCode(Gbk(" 涛")));
    EXPECT_FALSE(IsHanziCode("\x81\x40"));
    EXPECT_FALSE(IsHanziCode("a"));
    EXPECT_FALSE(IsHanziCode("\xA3\xAC"));  // full-width comma
    EXPECT_FALSE(IsHanziCode(""));
}

TEST(KeepHanzi, DropsSpacesAsciiAndPunctuation) {
    EXPECT_EQ(GbkToUtf8(KeepHanzi(Gbk("张三 a，李"))), "张三李");
    EXPECT_EQ(KeepHanzi("abc"), "");
}

TEST(ElementOfDigit, FollowsTheDigitTable) {
    const std::map<int, std::string> expected = {{0, "水"}, {1, "木"}, {2, "木"}, {3, "火"}, {4, "火"}, {5, "土"},
                                                 {6, "土"}, {7, "金"}, {8, "金"}, {9, "水"}, {10, ""}, {-1, ""}};
    for (const auto& [digit, element] : expected) EXPECT_EQ(GbkToUtf8(ElementOfDigit(digit)), element) << digit;
}

TEST(ShuffleCharacters, PermutesAndReachesEveryOrder) {
    std::vector<std::string> base = {"a", "b", "c"};
    std::set<std::vector<std::string>> seen;
    std::map<std::string, int> firstCount;
    for (int i = 0; i < 3000; ++i) {
        auto v = base;
        ShuffleCharacters(v);
        auto sorted = v;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, base);
        seen.insert(v);
        ++firstCount[v[0]];
    }
    EXPECT_EQ(seen.size(), 6u);
    for (const auto& [s, n] : firstCount) EXPECT_GT(n, 800) << s;  // about 1000 each when uniform
    std::vector<std::string> one = {"x"};
    ShuffleCharacters(one);
    EXPECT_EQ(one, std::vector<std::string>{"x"});
}

// A small reference database: 81-number ratings chosen per test, characters with known strokes.
class Scoring : public ::testing::Test {
protected:
    void Load(const std::map<int, std::string>& numberRatings, const std::string& defaultNumber,
              const std::string& talentRating) {
        test::ReferenceFile file(dir.File("namedata.db"));
        for (int n = 1; n <= 81; ++n) {
            auto it = numberRatings.find(n);
            file.AddNumber(n, it == numberRatings.end() ? defaultNumber : it->second);
        }
        for (const auto& a : test::ElementsUtf8())
            for (const auto& b : test::ElementsUtf8())
                for (const auto& c : test::ElementsUtf8()) file.AddTalent(a + b + c, talentRating);
        file.AddChar({"李", 7, 7, "木", "李", "lǐ"});
        file.AddChar({"家", 10, 10, "木", "家", "jiā"});
        file.AddChar({"明", 8, 12, "火", "明", "míng"});
        file.AddChar({"于", 3, 8, "土", "於", "yú"});
        file.AddChar({"欧", 8, 15, "土", "歐", "ōu"});
        file.AddChar({"阳", 6, 17, "土", "陽", "yáng"});
        file.AddChar({"涛", 10, 18, "水", "濤", "tāo"});
        file.AddChar({"空", 8, 8, ""});          // a row without an element: unlisted
        file.AddChar({"重", 25, 25, "金"});
        file.db().Close();
        ASSERT_TRUE(test::LoadFile(db, dir.File("namedata.db")));
    }
    CharInfoCache CacheOf(const std::vector<std::string>& chars) {
        CharInfoCache cache;
        for (const auto& c : chars) cache.push_back(ToCachedChar(LookupCharInfo(db, Gbk(c))));
        return cache;
    }

    test::TempDir dir{"lumo-score"};
    SqliteDatabase db;
};

TEST_F(Scoring, LookupAndTheListedRule) {
    Load({}, "吉", "吉");
    CharInfo tao = LookupCharInfo(db, Gbk("涛"));
    EXPECT_EQ(GbkToUtf8(tao.traditional), "濤");
    EXPECT_EQ(tao.simplifiedStrokes, 10);
    EXPECT_EQ(tao.kangxiStrokes, 18);
    EXPECT_TRUE(IsListed(tao));
    CharInfo none = LookupCharInfo(db, Gbk("无"));
    EXPECT_EQ(none.simplifiedStrokes + none.kangxiStrokes, 0);
    EXPECT_TRUE(none.element.empty() && none.traditional.empty());
    EXPECT_FALSE(IsListed(none));
    EXPECT_FALSE(IsListed(LookupCharInfo(db, Gbk("空"))));
    EXPECT_EQ(LookupCharInfo(db, "\"").kangxiStrokes, 0);  // a quote is a key like any other
}

TEST_F(Scoring, FindInCacheTakesTheFirstEntry) {
    CharInfoCache cache = {{Gbk("甲"), 1, 2, Gbk("木")}, {Gbk("甲"), 3, 4, Gbk("火")}};
    EXPECT_EQ(FindInCache(cache, Gbk("甲")).kangxiStrokes, 2);
    EXPECT_EQ(FindInCache(cache, Gbk("乙")).kangxiStrokes, 0);
    EXPECT_TRUE(FindInCache(cache, Gbk("乙")).element.empty());
}

TEST(FiveGrids, WorkedExampleAndTheFourLengthPairs) {
    FiveGrids g = ComputeFiveGrids({7, 0, 10, 12, 1, 2});
    EXPECT_EQ(g.Text(), "8,17,22,29,13");
    EXPECT_EQ(GbkToUtf8(ThreeTalentKey(g)), "金金木");

    struct Case {
        GridInput in;
        int outer;
    } cases[] = {
        {{7, 0, 9, 0, 1, 1}, 2},
        {{7, 0, 9, 5, 1, 2}, 7 + 9 + 5 - (7 + 9) + 1},
        {{8, 17, 9, 5, 2, 2}, 8 + 5},
        {{8, 17, 9, 0, 2, 1}, 8 + 1},
    };
    for (const Case& c : cases) EXPECT_EQ(ComputeFiveGrids(c.in).outer, c.outer);
    FiveGrids single = ComputeFiveGrids({7, 0, 9, 0, 1, 1});
    EXPECT_EQ(single.earth, 10);
    FiveGrids twenty = ComputeFiveGrids({7, 0, 13, 0, 1, 1});  // 人格 20 ends in 0: 水
    EXPECT_EQ(GbkToUtf8(ThreeTalentKey(twenty)).substr(3, 3), "水");
}

TEST(WeightedScore, UniformAndMixedRatings) {
    auto all = [](const char* r) {
        std::array<std::string, 6> a;
        a.fill(Gbk(r));
        return a;
    };
    EXPECT_EQ(WeightedScore(all("大吉")).score, 100);
    EXPECT_EQ(WeightedScore(all("吉")).score, 100);
    EXPECT_EQ(WeightedScore(all("中")).score, 85);
    EXPECT_EQ(WeightedScore(all("凶")).score, 60);
    EXPECT_EQ(WeightedScore(all("大凶")).score, 30);
    EXPECT_EQ(WeightedScore(all("")).score, 0);
    EXPECT_EQ(WeightedScore(all("半吉")).score, 0);

    auto sky = all("大吉");
    sky[0] = Gbk("大凶");
    Score s = WeightedScore(sky);
    EXPECT_FLOAT_EQ(s.rawScore, 96.5f);
    EXPECT_EQ(s.score, 96);

    std::array<std::string, 6> worked = {Gbk("吉"), Gbk("大吉"), Gbk("中"), Gbk("凶"), Gbk("吉"), Gbk("大凶")};
    Score w = WeightedScore(worked);
    EXPECT_FLOAT_EQ(w.rawScore, 78.5f);
    EXPECT_EQ(w.score, 78);
}

TEST_F(Scoring, BothPathsAgreeOnAnOrdinaryName) {
    Load({{8, "吉"}, {17, "大吉"}, {22, "中"}}, "凶", "大凶");
    CharInfoCache cache = CacheOf({"李", "家", "明"});
    DatabaseRatings ratings(db);
    NameEvaluation gen = ScoreName(cache, ratings, Gbk("李"), Gbk("家明"));
    NameEvaluation rep = EvaluateName(db, Gbk("李"), Gbk("家明"));
    for (const NameEvaluation* e : {&gen, &rep}) {
        EXPECT_EQ(e->grids.Text(), "8,17,22,29,13");
        EXPECT_EQ(e->simplifiedTotal, 25);
        EXPECT_EQ(e->traditionalTotal, 29);
        EXPECT_EQ(GbkToUtf8(e->elements), "木木火");
        EXPECT_EQ(GbkToUtf8(e->threeTalents), "金金木");
        EXPECT_EQ(GbkToUtf8(e->ratings[3]), "凶");
    }
    // 吉 大吉 中 凶 凶 大凶 = 5 + 30 + 17 + 12 + 6 + 4.5
    EXPECT_EQ(gen.score, 74);
    EXPECT_EQ(rep.score, 74);
    EXPECT_EQ(rep.numberRows[0][2], "title8");
    EXPECT_EQ(GbkToUtf8(rep.talentRow[3]), "金金木");
    EXPECT_EQ(GbkToUtf8(rep.characters[3].pinyin), "míng");
    EXPECT_TRUE(gen.numberRows[0].empty());
}

TEST_F(Scoring, MissingRowsCountZeroButTheOthersStillCount) {
    Load({}, "吉", "吉");
    NameEvaluation e = EvaluateName(db, Gbk("重重"), Gbk("重重"));
    EXPECT_EQ(e.grids.total, 100);
    EXPECT_EQ(e.ratings[3], "");
    EXPECT_EQ(e.score, 80);
    // Long parts: only two characters of each count, 外格 as for two-character parts.
    NameEvaluation longer = EvaluateName(db, Gbk("欧阳李"), Gbk("家明涛涛"));
    EXPECT_EQ(longer.grids.Text(), ComputeFiveGrids({15, 17, 10, 12, 2, 2}).Text());
}

TEST_F(Scoring, YuCountsByItsWrittenFormOnlyInTheReport) {
    Load({}, "吉", "吉");
    CharInfoCache cache = CacheOf({"于", "涛"});
    DatabaseRatings ratings(db);
    EXPECT_EQ(ScoreName(cache, ratings, Gbk("于"), Gbk("涛")).grids.sky, 9);
    EXPECT_EQ(EvaluateName(db, Gbk("于"), Gbk("涛")).grids.sky, 4);
    EXPECT_EQ(EvaluateName(db, Gbk("于"), Gbk("涛")).grids.total, 21);
}

TEST_F(Scoring, UnlistedRowsDifferBetweenThePaths) {
    Load({}, "吉", "吉");
    CharInfoCache cache = CacheOf({"李", "空"});
    DatabaseRatings ratings(db);
    EXPECT_EQ(ScoreName(cache, ratings, Gbk("李"), Gbk("空")).grids.person, 15);
    NameEvaluation rep = EvaluateName(db, Gbk("李"), Gbk("空"));
    EXPECT_EQ(rep.grids.person, 7);
    EXPECT_EQ(GbkToUtf8(rep.characters[2].text), "空");
    EXPECT_EQ(rep.characters[2].simplifiedStrokes, 0);
}

TEST_F(Scoring, NothingCarriesOverBetweenEvaluations) {
    Load({}, "吉", "吉");
    EXPECT_EQ(EvaluateName(db, Gbk("李"), Gbk("家明")).simplifiedTotal, 25);
    NameEvaluation e = EvaluateName(db, Gbk("李"), Gbk("家"));
    EXPECT_EQ(e.simplifiedTotal, 17);
    EXPECT_EQ(e.grids.outer, 2);
}

TEST_F(Scoring, SkyRatingAndSnapshotMatchTheDatabase) {
    Load({{8, "大凶"}, {32, "中"}, {5, "凶"}}, "吉", "大吉");
    CharInfoCache cache = CacheOf({"李", "欧", "阳", "涛", "家", "明"});
    DatabaseRatings direct(db);
    RatingSnapshot snapshot(db);
    EXPECT_EQ(GbkToUtf8(SurnameSkyRating(cache, direct, Gbk("李"))), "大凶");
    EXPECT_EQ(GbkToUtf8(SurnameSkyRating(cache, direct, Gbk("欧阳"))), "中");
    for (int n : {0, 1, 5, 8, 32, 81, 82, 100}) EXPECT_EQ(snapshot.NumberRating(n), direct.NumberRating(n)) << n;
    for (const auto& key : {"金金木", "土土土", "", "x"})
        EXPECT_EQ(snapshot.TalentRating(Gbk(key)), direct.TalentRating(Gbk(key)));
    for (const char* given : {"涛", "家明", "明涛"}) {
        NameEvaluation a = ScoreName(cache, direct, Gbk("欧阳"), Gbk(given));
        NameEvaluation b = ScoreName(cache, snapshot, Gbk("欧阳"), Gbk(given));
        EXPECT_EQ(a.ratings, b.ratings);
        EXPECT_EQ(a.score, b.score);
    }
}

}  // namespace
}  // namespace lumo
