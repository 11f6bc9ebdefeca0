#pragma once

#include <array>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "numerology/CharInfo.h"

namespace lumo {

struct FiveGrids {
    int sky = 0;     // 天格
    int person = 0;  // 人格
    int earth = 0;   // 地格
    int total = 0;   // 总格
    int outer = 0;   // 外格

    // "天,人,地,总,外" in decimal, no spaces: the 五格 column of every list.
    std::string Text() const;
};

// Strokes of the (up to) four characters that enter the grids, and how many characters each
// part has. Parts longer than two characters count as two: only their first two characters enter
// the grids, and 外格 is taken as for a two-character part.
struct GridInput {
    int s1 = 0, s2 = 0, g1 = 0, g2 = 0;  // Kangxi strokes, 0 when absent or unlisted
    int familyLength = 1;                // 1 or 2
    int givenLength = 1;                 // 1 or 2
};

FiveGrids ComputeFiveGrids(const GridInput& in);

// Element of 天格, 人格 and 地格 by their last digit, for example 金金木.
std::string ThreeTalentKey(const FiveGrids& grids);

// A whole row of LM_八一灵动数 or LM_三才配置 as texts; empty when no row was found.
using TableRow = std::vector<std::string>;

// Runs the query for one number of the 81-number table; the rating is column 1.
TableRow RatingOfNumber(SqliteDatabase& db, int number);
// Runs the query for one three-talent key; the rating is column 2.
TableRow RatingOfThreeTalents(SqliteDatabase& db, const std::string& key);

// Where the generation path gets its six rating words from.
class RatingSource {
public:
    virtual ~RatingSource() = default;
    virtual std::string NumberRating(int number) = 0;
    virtual std::string TalentRating(const std::string& key) = 0;
};

// One query per rating, straight against the reference database.
class DatabaseRatings : public RatingSource {
public:
    explicit DatabaseRatings(SqliteDatabase& db) : db_(db) {}
    std::string NumberRating(int number) override;
    std::string TalentRating(const std::string& key) override;

private:
    SqliteDatabase& db_;
};

// The ratings of both tables read once; valid once the reference data has finished loading,
// after which the tables never change. Answers exactly what DatabaseRatings would.
class RatingSnapshot : public RatingSource {
public:
    explicit RatingSnapshot(SqliteDatabase& db);
    std::string NumberRating(int number) override;
    std::string TalentRating(const std::string& key) override;
    bool Empty() const { return numbers_.empty() && talents_.empty(); }

private:
    std::vector<std::pair<int, std::string>> numbers_;          // sorted by number
    std::vector<std::pair<std::string, std::string>> talents_;  // sorted by key
};

// Points factor of a rating word: 大吉 吉 1.0, 中 0.85, 凶 0.6, 大凶 0.3, anything else 0.
float RatingFactor(const std::string& rating);

// Weights of 天格, 人格, 地格, 总格, 外格, 三才; they add up to 100.
inline constexpr std::array<int, 6> RatingWeights = {5, 30, 20, 20, 10, 15};

struct Score {
    float rawScore = 0;
    int score = 0;
};

// Weighted sum in a single-precision accumulator, truncated toward zero.
Score WeightedScore(const std::array<std::string, 6>& ratings);

// One character of a judged name.
struct EvaluatedChar {
    std::string text;
    int kangxiStrokes = 0;
    int simplifiedStrokes = 0;
    std::string element;
    std::string traditional;  // report path only
    std::string pinyin;       // report path only
};

struct NameEvaluation {
    std::array<EvaluatedChar, 4> characters;  // s1, s2, g1, g2; absent ones empty
    FiveGrids grids;
    int simplifiedTotal = 0;
    int traditionalTotal = 0;
    std::string elements;
    std::string threeTalents;
    std::array<TableRow, 5> numberRows;  // report path only: rows for 天 人 地 总 外
    TableRow talentRow;                  // report path only
    std::array<std::string, 6> ratings;  // 天 人 地 总 外 三才
    float rawScore = 0;
    int score = 0;
    // Report path only: what the score leaves out (ScoringWarnings), shown beside it.
    std::vector<std::string> warnings;
};

// Generation path: character values from the run's cache (as read, listed or not).
NameEvaluation ScoreName(const CharInfoCache& cache, RatingSource& ratings, const std::string& family,
                         const std::string& given);

// Report path: one lookup per character, only listed values taken, and a single family name 于
// counted by its simplified strokes. Keeps the whole table rows for the report.
NameEvaluation EvaluateName(SqliteDatabase& db, const std::string& family, const std::string& given);

// Rating of the family name's 天格 alone, from the run's cache.
std::string SurnameSkyRating(const CharInfoCache& cache, RatingSource& ratings, const std::string& family);

// ---- Generation fast path ----------------------------------------------------------------------
// A run scores up to a few million candidates. It resolves every character against its cache once,
// turns the ratings into points factors once, and scores each candidate from numbers alone; texts
// are built only for the names it lists. The results are exactly those of ScoreName.

// One part of a name (family or given) as ScoreName counts it: the cache entries of its first two
// characters (nullptr where absent or not cached) and its length taken as 0, 1 or 2.
struct ResolvedPart {
    std::array<const CachedChar*, 2> chars{nullptr, nullptr};
    int length = 0;
};

// Splits and looks up a text as ScoreName does, with FindInCache's first-entry rule.
ResolvedPart ResolvePart(const CharInfoCache& cache, const std::string& text);

// The points factors of every grid number in a fixed range and of every three-talent key, read
// once from a rating source. Numbers outside the range (impossible with real stroke counts) are
// asked from the source when they occur; the source must then outlive the table.
class RatingFactors {
public:
    explicit RatingFactors(RatingSource& source);
    float Number(int number) const;
    float Talent(const FiveGrids& grids) const;

private:
    static constexpr int kNumbers = 512;
    RatingSource* source_;
    std::array<float, kNumbers> numbers_{};
    std::array<float, 125> talents_{};  // by the element indexes of 天格, 人格 and 地格
};

// What the worker needs of a candidate before it decides to list it: numbers only.
struct QuickScore {
    FiveGrids grids;
    int simplifiedTotal = 0;
    float rawScore = 0;
    int score = 0;
};

// Scores with the ratings as factors; no allocation, no query.
QuickScore ScoreResolved(const ResolvedPart& family, const ResolvedPart& given, const RatingFactors& factors);
// Scores with six rating lookups through the source, in ScoreName's order.
QuickScore ScoreResolved(const ResolvedPart& family, const ResolvedPart& given, RatingSource& ratings);
// The 五行 column: the cached elements of the counted characters, family name first.
std::string ResolvedElements(const ResolvedPart& family, const ResolvedPart& given);

}  // namespace lumo
