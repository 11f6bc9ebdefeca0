#include "generation/GenerationRun.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "birthchart/FavorableNames.h"
#include "db/Gbk.h"
#include "generation/ClassicNames.h"
#include "generation/EnglishNames.h"
#include "generation/InputLimits.h"
#include "generation/ModeCharacters.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

// Rows go to the window in batches: never one notification per row, and never a list that lags
// more than a moment behind the scoring.
constexpr std::size_t kBatchRows = 1000;
constexpr auto kFlushInterval = std::chrono::milliseconds(100);
constexpr std::size_t kClockEvery = 4096;  // candidates between two looks at the clock

UserMessage Notice(const char* utf8, MessageIcon icon) { return {Gbk(utf8), Gbk("提示"), icon}; }

bool IsListedEntry(const CachedChar& c) { return !c.element.empty() && c.simplifiedStrokes != 0; }

bool PairsCharacters(NamingMode m) {
    return m == NamingMode::HighScore || m == NamingMode::Poetry || m == NamingMode::Combination;
}

// One piece of the piece table resolved against the cache, so that a candidate's given name is
// put together from two pieces without splitting or searching anything.
struct ResolvedPiece {
    std::array<const CachedChar*, 2> chars{nullptr, nullptr};
    int count = 0;       // characters, counted up to two
    bool plain = false;  // the piece splits the same inside a name as on its own
};

ResolvedPiece ResolvePiece(const CharInfoCache& cache, const std::string& text) {
    ResolvedPiece p;
    // A piece of spaces only, or one ending in a lone lead byte, would split differently once
    // joined to another; such names are resolved from their whole text instead.
    if (WithoutSpaces(text).empty()) return p;
    std::vector<std::string> chars = SplitCharacters(text);
    const std::string& last = chars.back();
    if (last.size() == 1 && static_cast<unsigned char>(last[0]) > 122) return p;
    p.plain = true;
    p.count = static_cast<int>(std::min<std::size_t>(chars.size(), 2));
    for (int i = 0; i < p.count; ++i)
        p.chars[static_cast<std::size_t>(i)] = &FindInCache(cache, chars[i]);
    return p;
}

// The given name of a candidate as ScoreName would resolve its text.
ResolvedPart GivenPart(const std::vector<ResolvedPiece>& pieces, const Candidate& c,
                       const CharInfoCache& cache, const std::string& text) {
    const ResolvedPiece& a = pieces[c.first];
    const ResolvedPiece* b = c.second == kNoPiece ? nullptr : &pieces[c.second];
    if (!a.plain || (b && !b->plain)) return ResolvePart(cache, text);
    ResolvedPart g;
    int n = 0;
    for (int k = 0; k < a.count && n < 2; ++k)
        g.chars[static_cast<std::size_t>(n++)] = a.chars[static_cast<std::size_t>(k)];
    for (int k = 0; b && k < b->count && n < 2; ++k)
        g.chars[static_cast<std::size_t>(n++)] = b->chars[static_cast<std::size_t>(k)];
    g.length = n;
    return g;
}

// The modes that draw from the built-in pools: the user typed none of their characters.
bool DrawsFromPools(NamingMode m) {
    return m == NamingMode::HighScore || m == NamingMode::SuperAuspicious ||
           m == NamingMode::Nickname;
}

// A pool may hold a character of the family name (阳 of 欧阳); the user did not type it as a
// given-name character, so it moves to the family's entries at the end of the set, where it is
// looked up for the strokes but never drawn.
void SetFamilyCharactersApart(std::vector<std::string>& set, std::size_t& familyEntries,
                              const std::string& family) {
    const std::vector<std::string> chars = SplitCharacters(family);
    auto ofFamily = [&](const std::string& e) {
        return std::find(chars.begin(), chars.end(), e) != chars.end();
    };
    const auto tailStart = set.end() - static_cast<std::ptrdiff_t>(familyEntries);
    std::vector<std::string> drawn, tail(tailStart, set.end());
    for (auto it = set.begin(); it != tailStart; ++it) {
        if (!ofFamily(*it))
            drawn.push_back(std::move(*it));
        else if (std::find(tail.begin(), tail.end(), *it) == tail.end())
            tail.push_back(std::move(*it));
    }
    familyEntries = tail.size();
    drawn.insert(drawn.end(), std::make_move_iterator(tail.begin()),
                 std::make_move_iterator(tail.end()));
    set = std::move(drawn);
}

// SuperAuspicious: the least score a name must reach, by the family name's sky-grid rating.
int SuperThreshold(const std::string& skyRating) {
    static const std::pair<std::string, int> table[] = {
        {Gbk("大凶"), 96}, {Gbk("凶"), 98}, {Gbk("中"), 99}, {Gbk("吉"), 100}, {Gbk("大吉"), 100}};
    for (const auto& [rating, threshold] : table)
        if (skyRating == rating) return threshold;
    return 0;
}

}  // namespace

GenerationRun::GenerationRun(SqliteDatabase& db, GenerationInputs inputs,
                             GenerationObserver& observer, RunSignals& signals)
    : db_(db),
      in_(std::move(inputs)),
      observer_(observer),
      signals_(signals),
      traits_(TraitsOf(in_.mode)) {}

void GenerationRun::Execute() {
    // A text past its limit is refused before anything else happens: no wait window, no other
    // message, no list touched.
    if (std::optional<std::string> problem = GenerationInputProblem(in_)) {
        observer_.ShowMessage(UserMessage{*problem, Gbk("提示"), MessageIcon::Warning});
        observer_.RunFinished();
        return;
    }
    observer_.OpenWaitWindow();
    waitWindowOpen_ = true;
    observer_.SetEnabled(RunControl::ModeSelectionTool, false);
    observer_.SetEnabled(RunControl::ModeSelectionMenu, false);
    if (in_.familyName.empty()) observer_.ShowMessage(Notice("请输入姓氏", MessageIcon::None));
    if (!Checkpoint()) return;
    bool finished = false;
    switch (in_.mode) {
        case NamingMode::Classic:
            finished = RunClassic();
            break;
        case NamingMode::English:
            finished = RunEnglish();
            break;
        default:
            finished = RunScored();
            break;
    }
    if (finished) Closing();
}

bool GenerationRun::Checkpoint() {
    if (signals_.StopRequested()) return false;
    if (signals_.PauseRequested()) {
        FlushRows();
        signals_.HoldWhilePaused();
    }
    return !signals_.StopRequested();
}

bool GenerationRun::RunClassic() {
    observer_.ShowPage(TabControl::Main, traits_.resultPage);
    observer_.SetClassicText({});
    std::string text = ClassicText(in_.sex, in_.nameLength, in_.familyName);
    if (!Checkpoint()) return false;
    observer_.SetClassicText(text);
    return true;
}

bool GenerationRun::RunEnglish() {
    std::optional<std::string> key = EnglishNameKey(db_, in_.englishGivenName);
    std::vector<EnglishRow> rows;
    if (key)
        rows =
            EnglishRowsFor(db_, *key, in_.englishGender, in_.englishLengths, &signals_.StopFlag());
    for (std::size_t start = 0; start < rows.size(); start += kBatchRows) {
        if (!Checkpoint()) return false;
        std::size_t end = std::min(rows.size(), start + kBatchRows);
        observer_.AddEnglishRows(
            {std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(start)),
             std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(end))});
    }
    if (!Checkpoint()) return false;
    CloseWaitWindow();
    return true;
}

bool GenerationRun::RunScored() {
    std::vector<std::string> set = PrepareCharacters();
    std::size_t familyEntries = FamilyEntriesAppended(in_);
    if (DrawsFromPools(in_.mode)) SetFamilyCharactersApart(set, familyEntries, in_.familyName);
    CandidateList list(std::move(set), familyEntries);
    if (!Checkpoint() || !BuildCandidates(list)) return false;
    if (!traits_.hasPauseButton)
        CloseWaitWindow();  // Poetry, Combination, Nickname: before scoring
    return ScoringPass(list);
}

std::vector<std::string> GenerationRun::PrepareCharacters() {
    const std::string& family = in_.familyName;
    const UnsuitableChars skip =
        in_.filterUnsuitable ? LoadUnsuitableChars(db_) : UnsuitableChars{};
    switch (in_.mode) {
        case NamingMode::HighScore:
            observer_.ShowPage(TabControl::Main, traits_.resultPage);
            for (RunControl c : {RunControl::HighScorePause, RunControl::HighScoreAgain,
                                 RunControl::HighScoreExport})
                observer_.SetEnabled(c, false);
            return HighScoreCharacters(in_.sex, in_.nameLength, family, skip);
        case NamingMode::SuperAuspicious:
            for (RunControl c :
                 {RunControl::SuperGenerate, RunControl::SuperPause, RunControl::SuperExport})
                observer_.SetEnabled(c, false);
            return SuperAuspiciousCharacters(in_.sex, family, skip);
        case NamingMode::Poetry:
            observer_.ShowPage(TabControl::Poetry, 2);
            WarnOfUnsuitable(in_.poemCharacters, skip);
            return PoetryCharacters(in_.poemCharacters, family);
        case NamingMode::Combination:
            WarnOfUnsuitable(SplitCharacters(in_.combinationText), skip);
            return CombinationCharacters(in_.combinationText, family);
        case NamingMode::Nickname:
            observer_.SetEnabled(RunControl::NicknameGenerate, false);
            return NicknameCharacters(family, skip);
        default:
            return {};
    }
}

// The user chose these characters, so they stay; the run only says which of them the reviewed
// list advises against, and why.
void GenerationRun::WarnOfUnsuitable(const std::vector<std::string>& chosen,
                                     const UnsuitableChars& skip) {
    std::vector<std::string> found = UnsuitableAmong(chosen, skip);
    if (found.empty()) return;
    std::string text = Gbk("所选的字中有不宜取名的字：");
    for (std::size_t i = 0; i < found.size() && i < 5; ++i)
        text +=
            (i ? Gbk("；") : std::string()) + found[i] + Gbk("（") + skip.at(found[i]) + Gbk("）");
    if (found.size() > 5) text += Gbk("等");
    text += Gbk("。仍按您的选择组合，请斟酌。");
    observer_.ShowMessage(UserMessage{text, Gbk("提示"), MessageIcon::Information});
}

bool GenerationRun::BuildCandidates(CandidateList& list) {
    const bool pairs = PairsCharacters(in_.mode);
    if (pairs && in_.nameLength != 2)
        observer_.ShowMessage(
            Notice("一字名数理得分较低,所以软件自动降低评分标准!", MessageIcon::Information));
    std::optional<CharacterPairing> pairing;
    if (pairs) pairing.emplace(list, in_.nameLength, in_.charSetting);

    const ElementFilter filter = BuildElementFilter(in_.superFilters);
    std::vector<std::uint32_t> firstList, secondList, bothList;
    const NicknameStyle style = in_.nicknameStyle;
    if (in_.mode == NamingMode::Nickname && style != NicknameStyle::Doubled) {
        const std::uint32_t affix = list.AddPiece(NicknameAffix(style));
        if (style == NicknameStyle::Er)
            list.BeginCross({}, {affix});
        else
            list.BeginCross({affix}, {});
    }

    // The pools hold some characters twice; a nickname is listed once however often its
    // character stands there.
    std::unordered_set<std::string> nicknamed;
    cache_.clear();
    cache_.reserve(list.Pieces().size() + 2);
    for (std::uint32_t i = 0; i < list.EntryCount(); ++i) {
        if (!Checkpoint()) return false;
        cache_.push_back(ToCachedChar(LookupCharInfo(db_, list.Pieces()[i])));
        const CachedChar& entry = cache_.back();
        if (i >= list.DrawnCount() || !IsListedEntry(entry)) continue;
        if (in_.mode == NamingMode::Nickname && !nicknamed.insert(entry.hanzi).second) continue;
        if (pairing) {
            pairing->AddCandidatesOf(i);
        } else if (in_.mode == NamingMode::Nickname) {
            if (style == NicknameStyle::Doubled)
                list.AddPair(i, i);
            else if (style == NicknameStyle::Er)
                list.AddFirst(i);
            else
                list.AddSecond(i);
        } else if (in_.mode == NamingMode::SuperAuspicious) {
            FilterVerdict v = Classify(filter, entry.element);
            if (v.first) firstList.push_back(i);
            if (v.second) secondList.push_back(i);
            if (v.both) bothList.push_back(i);
        }
    }
    // The texts a mode adds (the generation character, a nickname affix) are looked up once as
    // well, after the CharacterSet's own entries: a fixed 志 must count its strokes whether or not
    // the sample happened to draw it, or the list would disagree with the name's report.
    for (std::size_t p = list.EntryCount(); p < list.Pieces().size(); ++p)
        for (const std::string& c : SplitCharacters(list.Pieces()[p]))
            cache_.push_back(ToCachedChar(LookupCharInfo(db_, c)));
    if (in_.mode == NamingMode::SuperAuspicious) {
        // The pairs of the position filters, then those of the all-character filters; empty
        // lists when their master boxes are not ticked.
        list.BeginCross(std::move(firstList), std::move(secondList));
        list.BeginCross(bothList, bothList);
    }
    return true;
}

int GenerationRun::AcceptThreshold(RatingSource& ratings) {
    switch (in_.mode) {
        case NamingMode::HighScore:
            if (in_.nameLength != 2) return 0;
            if (!FixesACharacter(in_.charSetting)) return 90;
            observer_.ShowMessage(
                Notice("设定辈份后,产生的名字较少,所以系统将显示全部名字", MessageIcon::Warning));
            return 0;
        case NamingMode::SuperAuspicious:
            return SuperThreshold(SurnameSkyRating(cache_, ratings, in_.familyName));
        default:
            return 0;
    }
}

bool GenerationRun::ScoringPass(const CandidateList& list) {
    // Once the reference data is loaded the rating tables never change: read them once.
    // Before that, every candidate asks the database, as the tables may still be filling.
    DatabaseRatings direct(db_);
    std::optional<RatingSnapshot> snapshot;
    std::optional<RatingFactors> factors;
    if (in_.referenceDataLoaded && !in_.perCandidateQueries) {
        snapshot.emplace(db_);
        factors.emplace(*snapshot);
    }
    RatingSource& source = snapshot ? static_cast<RatingSource&>(*snapshot) : direct;

    const int threshold = AcceptThreshold(source);
    const std::size_t cap = traits_.rowCap ? traits_.rowCap : list.Size();
    observer_.ReserveRows(traits_.list, traits_.rowCap ? traits_.rowCap + 1 : list.Size());

    std::vector<ResolvedPiece> pieces;
    pieces.reserve(list.Pieces().size());
    for (const std::string& p : list.Pieces()) pieces.push_back(ResolvePiece(cache_, p));
    const std::string& familyName = in_.familyName;
    const ResolvedPart family = ResolvePart(cache_, familyName);

    std::string given;
    given.reserve(64);
    std::size_t filled = 0, sinceClock = 0;
    pending_.clear();
    pendingFirst_ = 0;
    lastFlush_ = std::chrono::steady_clock::now();
    const bool whole = list.ForEach([&](const Candidate& c) {
        if (!Checkpoint()) return false;
        if (++sinceClock == kClockEvery) {
            sinceClock = 0;
            if (!pending_.empty() &&
                std::chrono::steady_clock::now() - lastFlush_ >= kFlushInterval)
                FlushRows();
        }
        list.TextOf(c, given);
        // Also skips everything when the family name is empty: the empty text occurs everywhere.
        if (given.find(familyName) != std::string::npos) return true;
        const ResolvedPart part = GivenPart(pieces, c, cache_, given);
        const QuickScore q =
            factors ? ScoreResolved(family, part, *factors) : ScoreResolved(family, part, source);
        if (q.score < threshold) return true;
        std::string elements = ResolvedElements(family, part);
        if (!in_.favorableElements.empty() &&
            !GivenNameFavorable(elements, static_cast<std::size_t>(family.length),
                                in_.favorableElements))
            return true;
        ++filled;
        pending_.push_back({std::to_string(filled), familyName + given,
                            std::to_string(q.simplifiedTotal), std::to_string(q.grids.total),
                            std::move(elements), q.grids.Text(), ThreeTalentKey(q.grids),
                            std::to_string(q.score)});
        if (filled == 1 && traits_.hasPauseButton) {
            FlushRows();
            CloseWaitWindow();
            observer_.SetEnabled(traits_.pauseButton, true);
        } else if (pending_.size() >= kBatchRows) {
            FlushRows();
        }
        return filled < cap;  // the capped lists end with every row but the last one filled
    });
    if (!whole && signals_.StopRequested()) return false;
    FlushRows();
    if (signals_.StopRequested()) return false;
    observer_.RemoveEmptyRows(traits_.list);
    observer_.SortByScore(traits_.list);
    observer_.Renumber(traits_.list);
    if (in_.mode == NamingMode::HighScore) observer_.SetEnabled(RunControl::HighScoreAgain, true);
    if (in_.mode == NamingMode::SuperAuspicious) {
        observer_.SetEnabled(RunControl::SuperGenerate, true);
        observer_.SetEnabled(RunControl::SuperExport, true);
    }
    return true;
}

void GenerationRun::Closing() {
    for (RunControl c : {RunControl::ModeSelectionTool, RunControl::ModeSelectionMenu,
                         RunControl::NicknameGenerate, RunControl::HighScoreExport})
        observer_.SetEnabled(c, true);
    CloseWaitWindow();
    observer_.RunFinished();
}

void GenerationRun::CloseWaitWindow() {
    if (!waitWindowOpen_) return;
    waitWindowOpen_ = false;
    observer_.CloseWaitWindow();
}

void GenerationRun::FlushRows() {
    if (pending_.empty()) return;
    const std::size_t n = pending_.size();
    observer_.FillRows(traits_.list, pendingFirst_, std::move(pending_));
    pending_ = {};
    pendingFirst_ += n;
    lastFlush_ = std::chrono::steady_clock::now();
}

}  // namespace lumo
