#include "numerology/NameScore.h"

#include <algorithm>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "numerology/Characters.h"
#include "numerology/NameCheck.h"

namespace lumo {
namespace {

TableRow ReadRow(SqliteDatabase& db, Statement st, std::size_t columns) {
    TableRow row(columns);
    for (std::size_t i = 0; i < columns; ++i) row[i] = db.ColumnText(st, static_cast<int>(i));
    db.Finalize(st);
    return row;
}

std::string RatingIn(const TableRow& row, std::size_t column) {
    return column < row.size() ? row[column] : std::string();
}

// The first two characters of each part, and each part's length counted as 1 or 2.
struct NameParts {
    std::array<std::string, 4> text;  // s1, s2, g1, g2
    int familyLength = 0;
    int givenLength = 0;
};

NameParts SplitName(const std::string& family, const std::string& given) {
    NameParts p;
    std::vector<std::string> f = SplitCharacters(family);
    std::vector<std::string> g = SplitCharacters(given);
    p.familyLength = static_cast<int>(std::min<std::size_t>(f.size(), 2));
    p.givenLength = static_cast<int>(std::min<std::size_t>(g.size(), 2));
    for (int i = 0; i < p.familyLength; ++i) p.text[i] = f[i];
    for (int i = 0; i < p.givenLength; ++i) p.text[2 + i] = g[i];
    return p;
}

// Totals, grids, key and score from the characters' values; the ratings come from `rate`.
template <typename RateNumber, typename RateTalent>
void Judge(NameEvaluation& e, const NameParts& p, RateNumber rateNumber, RateTalent rateTalent) {
    const auto& c = e.characters;
    GridInput in{c[0].kangxiStrokes, c[1].kangxiStrokes, c[2].kangxiStrokes, c[3].kangxiStrokes,
                 std::max(p.familyLength, 1), std::max(p.givenLength, 1)};
    e.grids = ComputeFiveGrids(in);
    for (const EvaluatedChar& ch : c) {
        e.simplifiedTotal += ch.simplifiedStrokes;
        e.elements += ch.element;
    }
    e.traditionalTotal = e.grids.total;
    e.threeTalents = ThreeTalentKey(e.grids);
    const int numbers[5] = {e.grids.sky, e.grids.person, e.grids.earth, e.grids.total, e.grids.outer};
    for (int i = 0; i < 5; ++i) e.ratings[i] = rateNumber(i, numbers[i]);
    e.ratings[5] = rateTalent(e.threeTalents);
    Score s = WeightedScore(e.ratings);
    e.rawScore = s.rawScore;
    e.score = s.score;
}

}  // namespace

std::string FiveGrids::Text() const {
    return std::to_string(sky) + "," + std::to_string(person) + "," + std::to_string(earth) + "," +
           std::to_string(total) + "," + std::to_string(outer);
}

FiveGrids ComputeFiveGrids(const GridInput& in) {
    const bool doubleFamily = in.familyLength >= 2;
    const bool doubleGiven = in.givenLength >= 2;
    FiveGrids g;
    g.sky = doubleFamily ? in.s1 + in.s2 : in.s1 + 1;
    g.person = (doubleFamily ? in.s2 : in.s1) + in.g1;
    g.earth = doubleGiven ? in.g1 + in.g2 : in.g1 + 1;
    g.total = in.s1 + in.s2 + in.g1 + in.g2;
    if (!doubleFamily && !doubleGiven)
        g.outer = 2;
    else if (doubleFamily && doubleGiven)
        g.outer = g.total - g.person;
    else
        g.outer = g.total - g.person + 1;
    return g;
}

std::string ThreeTalentKey(const FiveGrids& grids) {
    // Grids are never negative; the modulo keeps any digit in 0..9 all the same.
    auto digit = [](int n) { return ((n % 10) + 10) % 10; };
    return ElementOfDigit(digit(grids.sky)) + ElementOfDigit(digit(grids.person)) +
           ElementOfDigit(digit(grids.earth));
}

TableRow RatingOfNumber(SqliteDatabase& db, int number) {
    static const std::string sql = Gbk("select * from LM_八一灵动数 where Id=?");
    return ReadRow(db, db.Query(sql, {SqlParam::Integer(number)}), 10);
}

TableRow RatingOfThreeTalents(SqliteDatabase& db, const std::string& key) {
    static const std::string sql = Gbk("select * from LM_三才配置 where 三才=?");
    return ReadRow(db, db.Query(sql, {SqlParam::Text(key)}), 21);
}

std::string DatabaseRatings::NumberRating(int number) {
    return RatingIn(RatingOfNumber(db_, number), numbers::kRating);
}

std::string DatabaseRatings::TalentRating(const std::string& key) {
    return RatingIn(RatingOfThreeTalents(db_, key), talents::kRating);
}

RatingSnapshot::RatingSnapshot(SqliteDatabase& db) {
    Statement st = db.Query(Gbk("select * from LM_八一灵动数"));
    if (st && db.ColumnText(st, 0).size()) {
        do numbers_.emplace_back(db.ColumnInt(st, numbers::kId), db.ColumnText(st, numbers::kRating));
        while (db.NextRow(st));
    }
    db.Finalize(st);
    st = db.Query(Gbk("select * from LM_三才配置"));
    if (st && db.ColumnText(st, 0).size()) {
        do talents_.emplace_back(db.ColumnText(st, talents::kKey), db.ColumnText(st, talents::kRating));
        while (db.NextRow(st));
    }
    db.Finalize(st);
    // stable_sort keeps the first row of a duplicated key first, as a "first row" query would.
    std::stable_sort(numbers_.begin(), numbers_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::stable_sort(talents_.begin(), talents_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

std::string RatingSnapshot::NumberRating(int number) {
    auto it = std::lower_bound(numbers_.begin(), numbers_.end(), number,
                               [](const auto& a, int n) { return a.first < n; });
    return (it != numbers_.end() && it->first == number) ? it->second : std::string();
}

std::string RatingSnapshot::TalentRating(const std::string& key) {
    auto it = std::lower_bound(talents_.begin(), talents_.end(), key,
                               [](const auto& a, const std::string& k) { return a.first < k; });
    return (it != talents_.end() && it->first == key) ? it->second : std::string();
}

float RatingFactor(const std::string& rating) {
    static const std::string great = Gbk("大吉"), good = Gbk("吉"), middle = Gbk("中"),
                             bad = Gbk("凶"), worst = Gbk("大凶");
    if (rating == great || rating == good) return 1.0f;
    if (rating == middle) return 0.85f;
    if (rating == bad) return 0.6f;
    if (rating == worst) return 0.3f;
    return 0.0f;
}

Score WeightedScore(const std::array<std::string, 6>& ratings) {
    float acc = 0.0f;
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        double product = static_cast<double>(RatingFactor(ratings[i])) * RatingWeights[i];
        acc = static_cast<float>(product + acc);
    }
    return {acc, static_cast<int>(acc)};
}

NameEvaluation ScoreName(const CharInfoCache& cache, RatingSource& ratings, const std::string& family,
                         const std::string& given) {
    NameEvaluation e;
    NameParts p = SplitName(family, given);
    for (std::size_t i = 0; i < 4; ++i) {
        if (p.text[i].empty()) continue;
        const CachedChar& c = FindInCache(cache, p.text[i]);
        e.characters[i] = {p.text[i], c.kangxiStrokes, c.simplifiedStrokes, c.element, {}, {}};
    }
    Judge(e, p, [&](int, int n) { return ratings.NumberRating(n); },
          [&](const std::string& key) { return ratings.TalentRating(key); });
    return e;
}

NameEvaluation EvaluateName(SqliteDatabase& db, const std::string& family, const std::string& given) {
    static const std::string yu = Gbk("于");
    NameEvaluation e;
    NameParts p = SplitName(family, given);
    for (std::size_t i = 0; i < 4; ++i) {
        EvaluatedChar& out = e.characters[i];
        out.text = p.text[i];
        if (p.text[i].empty()) continue;
        CharInfo info = LookupCharInfo(db, p.text[i]);
        if (!IsListed(info)) continue;
        out.kangxiStrokes = info.kangxiStrokes;
        out.simplifiedStrokes = info.simplifiedStrokes;
        out.element = info.element;
        out.traditional = info.traditional;
        out.pinyin = info.pinyin;
    }
    // 于 is counted by its written form (3 strokes), not by the 於 it stands for in the tables.
    if (p.familyLength == 1 && p.text[0] == yu && e.characters[0].simplifiedStrokes != 0)
        e.characters[0].kangxiStrokes = e.characters[0].simplifiedStrokes;
    Judge(
        e, p,
        [&](int i, int n) {
            e.numberRows[i] = RatingOfNumber(db, n);
            return RatingIn(e.numberRows[i], numbers::kRating);
        },
        [&](const std::string& key) {
            e.talentRow = RatingOfThreeTalents(db, key);
            return RatingIn(e.talentRow, talents::kRating);
        });
    e.warnings = ScoringWarnings(db, family, given);
    return e;
}

std::string SurnameSkyRating(const CharInfoCache& cache, RatingSource& ratings, const std::string& family) {
    std::vector<std::string> f = SplitCharacters(family);
    if (f.empty()) return ratings.NumberRating(1);
    int s1 = FindInCache(cache, f[0]).kangxiStrokes;
    int sky = f.size() >= 2 ? s1 + FindInCache(cache, f[1]).kangxiStrokes : s1 + 1;
    return ratings.NumberRating(sky);
}

}  // namespace lumo

namespace lumo {
namespace {

int KangxiOf(const CachedChar* c) { return c ? c->kangxiStrokes : 0; }
int SimplifiedOf(const CachedChar* c) { return c ? c->simplifiedStrokes : 0; }

// Grids and the simplified total of a resolved name, as Judge computes them.
QuickScore Measure(const ResolvedPart& family, const ResolvedPart& given) {
    QuickScore q;
    GridInput in{KangxiOf(family.chars[0]), KangxiOf(family.chars[1]), KangxiOf(given.chars[0]),
                 KangxiOf(given.chars[1]), std::max(family.length, 1), std::max(given.length, 1)};
    q.grids = ComputeFiveGrids(in);
    q.simplifiedTotal = SimplifiedOf(family.chars[0]) + SimplifiedOf(family.chars[1]) +
                        SimplifiedOf(given.chars[0]) + SimplifiedOf(given.chars[1]);
    return q;
}

// The element index (0..4) of a number's last digit, in the order of the representatives below.
int ElementIndexOf(int number) {
    static constexpr int kIndexOfDigit[10] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 0};
    return kIndexOfDigit[((number % 10) + 10) % 10];
}
constexpr int kRepresentativeDigit[5] = {0, 1, 3, 5, 7};  // 水 木 火 土 金

}  // namespace

ResolvedPart ResolvePart(const CharInfoCache& cache, const std::string& text) {
    ResolvedPart part;
    std::vector<std::string> chars = SplitCharacters(text);
    part.length = static_cast<int>(std::min<std::size_t>(chars.size(), 2));
    for (int i = 0; i < part.length; ++i) part.chars[static_cast<std::size_t>(i)] = &FindInCache(cache, chars[i]);
    return part;
}

RatingFactors::RatingFactors(RatingSource& source) : source_(&source) {
    for (int n = 0; n < kNumbers; ++n) numbers_[static_cast<std::size_t>(n)] = RatingFactor(source.NumberRating(n));
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            for (int k = 0; k < 5; ++k) {
                std::string key = ElementOfDigit(kRepresentativeDigit[i]) + ElementOfDigit(kRepresentativeDigit[j]) +
                                  ElementOfDigit(kRepresentativeDigit[k]);
                talents_[static_cast<std::size_t>(i * 25 + j * 5 + k)] = RatingFactor(source.TalentRating(key));
            }
}

float RatingFactors::Number(int number) const {
    if (number >= 0 && number < kNumbers) return numbers_[static_cast<std::size_t>(number)];
    return RatingFactor(source_->NumberRating(number));
}

float RatingFactors::Talent(const FiveGrids& g) const {
    int index = ElementIndexOf(g.sky) * 25 + ElementIndexOf(g.person) * 5 + ElementIndexOf(g.earth);
    return talents_[static_cast<std::size_t>(index)];
}

QuickScore ScoreResolved(const ResolvedPart& family, const ResolvedPart& given, const RatingFactors& factors) {
    QuickScore q = Measure(family, given);
    const FiveGrids& g = q.grids;
    const float f[6] = {factors.Number(g.sky),   factors.Number(g.person), factors.Number(g.earth),
                        factors.Number(g.total), factors.Number(g.outer),  factors.Talent(g)};
    // The same single-precision accumulation as WeightedScore, so that the truncation agrees.
    float acc = 0.0f;
    for (std::size_t i = 0; i < 6; ++i) {
        double product = static_cast<double>(f[i]) * RatingWeights[i];
        acc = static_cast<float>(product + acc);
    }
    q.rawScore = acc;
    q.score = static_cast<int>(acc);
    return q;
}

QuickScore ScoreResolved(const ResolvedPart& family, const ResolvedPart& given, RatingSource& ratings) {
    QuickScore q = Measure(family, given);
    const FiveGrids& g = q.grids;
    std::array<std::string, 6> words = {ratings.NumberRating(g.sky),   ratings.NumberRating(g.person),
                                        ratings.NumberRating(g.earth), ratings.NumberRating(g.total),
                                        ratings.NumberRating(g.outer), ratings.TalentRating(ThreeTalentKey(g))};
    Score s = WeightedScore(words);
    q.rawScore = s.rawScore;
    q.score = s.score;
    return q;
}

std::string ResolvedElements(const ResolvedPart& family, const ResolvedPart& given) {
    std::string out;
    for (const ResolvedPart* part : {&family, &given})
        for (const CachedChar* c : part->chars)
            if (c) out += c->element;
    return out;
}

}  // namespace lumo
