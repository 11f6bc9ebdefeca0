#include <gtest/gtest.h>

#include "GenerationSupport.h"
#include "db/Gbk.h"
#include "numerology/NameScore.h"

namespace lumo {
namespace {

using test::GenerationDb;

// The worker's scoring from resolved cache entries and rating factors must give what ScoreName
// gives, for every shape of name the modes can produce and a few they cannot.
TEST(GenerationScoring, ResolvedScoringMatchesScoreName) {
    // 岂 is cached but unlisted, 丑 is not cached at all, 龚 has 17 strokes (grids past 81 occur
    // with three of them).
    CharInfoCache cache;
    for (const char* c : {"李", "龚", "明", "涛", "岂", "欧", "阳", "志"})
        cache.push_back(ToCachedChar(LookupCharInfo(GenerationDb(), Gbk(c))));
    cache.push_back({Gbk("明"), 1, 1, Gbk("金")});  // a second entry never wins
    DatabaseRatings direct(GenerationDb());
    RatingSnapshot snapshot(GenerationDb());
    RatingFactors factors(snapshot);
    const char* names[][2] = {{"李", "明"},     {"李", "明涛"},   {"欧阳", "明"}, {"欧阳", "明涛"},
                              {"李", "岂明"},   {"李", "丑"},     {"丑", "明"},   {"龚", "龚龚"},
                              {"李", "明涛志"}, {"欧阳李", "志"}, {"李", "明 "},  {"李", " 明"},
                              {"李", "a"},      {"龚", "龚"}};
    for (const auto& [familyUtf8, givenUtf8] : names) {
        const std::string family = Gbk(familyUtf8), given = Gbk(givenUtf8);
        NameEvaluation expected = ScoreName(cache, direct, family, given);
        ResolvedPart f = ResolvePart(cache, family), g = ResolvePart(cache, given);
        for (const QuickScore& q : {ScoreResolved(f, g, factors), ScoreResolved(f, g, direct)}) {
            SCOPED_TRACE(std::string(familyUtf8) + "|" + givenUtf8);
            EXPECT_EQ(q.grids.Text(), expected.grids.Text());
            EXPECT_EQ(q.simplifiedTotal, expected.simplifiedTotal);
            EXPECT_EQ(q.grids.total, expected.traditionalTotal);
            EXPECT_EQ(q.score, expected.score);
            EXPECT_FLOAT_EQ(q.rawScore, expected.rawScore);
            EXPECT_EQ(ThreeTalentKey(q.grids), expected.threeTalents);
        }
        EXPECT_EQ(ResolvedElements(f, g), expected.elements) << familyUtf8 << givenUtf8;
    }
}

// Every score of the factor table's range, including numbers without a row and far past 81.
TEST(GenerationScoring, FactorsAnswerLikeTheirSource) {
    RatingSnapshot snapshot(GenerationDb());
    RatingFactors factors(snapshot);
    for (int n : {-3, 0, 1, 8, 9, 14, 25, 81, 82, 511, 512, 4000})
        EXPECT_EQ(factors.Number(n), RatingFactor(snapshot.NumberRating(n))) << n;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b) {
            FiveGrids g{a, b + 10, a + b + 20, 0, 0};
            EXPECT_EQ(factors.Talent(g), RatingFactor(snapshot.TalentRating(ThreeTalentKey(g))));
        }
}

// A run's rows are ScoreName's, whether it reads the ratings once or queries them per candidate.
TEST(GenerationScoring, SnapshotAndPerCandidateQueriesGiveTheSameRows) {
    struct Case {
        NamingMode mode;
        const char* typed;
    } cases[] = {
        {NamingMode::Combination, "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇明涛志岂丑欧阳龚"},
        {NamingMode::Nickname, ""},
    };
    for (const Case& c : cases) {
        GenerationInputs in = test::Inputs(c.mode, "欧阳");
        in.combinationText = Gbk(c.typed);
        test::RunRecorder snapshot, queries, notLoaded;
        test::RunNow(in, snapshot);
        in.perCandidateQueries = true;
        test::RunNow(in, queries);
        in.perCandidateQueries = false;
        in.referenceDataLoaded = false;
        test::RunNow(in, notLoaded);
        const std::vector<NameRow> rows = snapshot.Rows();
        ASSERT_GT(rows.size(), 300u);
        for (const test::RunRecorder* other : {&queries, &notLoaded}) {
            std::vector<NameRow> otherRows = other->Rows();
            ASSERT_EQ(otherRows.size(), rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i)
                for (int col = 0; col < NameRow::kColumns; ++col)
                    ASSERT_EQ(otherRows[i].Column(col), rows[i].Column(col)) << i << " " << col;
        }
        // And each row is what ScoreName says of that name.
        for (const NameRow& r : rows) {
            NameRow e = test::ExpectedRow(0, Gbk("欧阳"), r.name.substr(Gbk("欧阳").size()));
            for (int col = 1; col < NameRow::kColumns; ++col)
                ASSERT_EQ(r.Column(col), e.Column(col)) << GbkToUtf8(r.name);
        }
    }
}

}  // namespace
}  // namespace lumo
