// Whole generation runs, from the start to the sorted, renumbered list; the reported time is the
// run's CPU time (wall_ms beside it depends on what else the machine is doing). Run:
//   build/bin/lumo_bench --benchmark_filter=Generation
// On the reference database in build/bin/data/namedata.db when it holds characters; otherwise on a
// synthetic file of the same shape (every pool character, the 81 numbers, the 125 keys), which the
// counter real_db = 0 marks.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>

#include "db/Gbk.h"
#include "generation/GenerationWorker.h"
#include "generation/ModeCharacters.h"
#include "generation/NamePools.h"
#include "numerology/CharInfo.h"
#include "numerology/Characters.h"
#include "numerology/NameScore.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

// Holds the lists as the desktop's models would, with the shared list operations.
class ListHolder : public GenerationObserver {
  public:
    void OpenWaitWindow() override {}
    void CloseWaitWindow() override {}
    void ShowMessage(const UserMessage&) override {}
    void SetEnabled(RunControl, bool) override {}
    void SetCaption(RunControl, const std::string&) override {}
    void ShowPage(TabControl, int) override {}
    // Rows a model has reserved but not filled are shown empty; nothing needs to exist for them.
    void ReserveRows(ResultList, std::size_t count) override {
        rows.clear();
        rows.reserve(count);
    }
    void FillRows(ResultList, std::size_t first, std::vector<NameRow> batch) override {
        PlaceRows(rows, first, std::move(batch));
        ++batches;
    }
    void RemoveEmptyRows(ResultList) override { lumo::RemoveEmptyRows(rows); }
    void SortByScore(ResultList) override { lumo::SortByScore(rows); }
    void Renumber(ResultList) override { lumo::Renumber(rows); }
    void SetClassicText(const std::string&) override {}
    void AddEnglishRows(std::vector<EnglishRow>) override {}

    std::vector<NameRow> rows;
    std::size_t batches = 0;
};

// An 81-number table shaped like the traditional one: which numbers are lucky, middling or not.
std::string SyntheticNumberRating(int n) {
    static const std::vector<int> good = {1,  3,  5,  6,  7,  8,  11, 13, 15, 16, 17, 18,
                                          21, 23, 24, 25, 29, 31, 32, 33, 35, 37, 39, 41,
                                          45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};
    static const std::vector<int> middling = {27, 30, 38, 40, 42, 51, 53,
                                              55, 58, 71, 73, 75, 77, 78};
    if (std::find(good.begin(), good.end(), n) != good.end()) return n % 3 ? "吉" : "大吉";
    if (std::find(middling.begin(), middling.end(), n) != middling.end()) return "中";
    return n % 4 ? "凶" : "大凶";
}

struct BenchDatabase {
    test::TempDir dir{"lumo-generation-bench"};
    SqliteDatabase db;
    bool real = false;

    BenchDatabase() {
        const std::string realPath = std::string(LUMO_DATA_DIR) + "/namedata.db";
        if (std::filesystem::exists(realPath) && test::LoadFile(db, realPath)) {
            Statement st = db.Query("select count(*) from LM_CNWord");
            real = db.ColumnInt(st, 0) > 1000;
            db.Finalize(st);
            if (real) return;
            db.Close();
        }
        BuildSynthetic(dir.File("namedata.db"));
        test::LoadFile(db, dir.File("namedata.db"));
    }

    static void BuildSynthetic(const std::string& path) {
        test::ReferenceFile file(path);
        file.db().BeginTransaction();
        for (int n = 1; n <= 81; ++n) file.AddNumber(n, SyntheticNumberRating(n));
        std::mt19937 rng(11);
        const char* talentWords[] = {"大吉", "吉", "吉", "中", "凶", "大凶"};
        for (const auto& a : test::ElementsUtf8())
            for (const auto& b : test::ElementsUtf8())
                for (const auto& c : test::ElementsUtf8())
                    file.AddTalent(a + b + c, talentWords[rng() % 6]);
        std::vector<std::string> chars = SplitCharacters(MaleNamePool() + FemaleNamePool() +
                                                         MaleClassicPool() + FemaleClassicPool());
        std::sort(chars.begin(), chars.end());
        chars.erase(std::unique(chars.begin(), chars.end()), chars.end());
        for (const std::string& c : chars) {
            int kangxi = 3 + static_cast<int>(rng() % 20);
            int simplified = std::max(1, kangxi - static_cast<int>(rng() % 5));
            std::string utf8 = GbkToUtf8(c);
            if (utf8 == "李") kangxi = simplified = 7;
            file.AddChar({utf8, simplified, kangxi, test::ElementsUtf8()[rng() % 5]});
        }
        file.db().CommitTransaction();
    }
};

BenchDatabase& Data() {
    static BenchDatabase data;
    return data;
}

// Peak resident memory since the last reset, in MB (Linux).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
double PeakMemoryMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// CPU time of the whole process in ms: the calling thread only waits, so this is the run's own
// work, unaffected by other programs competing for the processor.
double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// One whole run; answers its core (CPU) time in ms and adds its wall time to `wallMs`.
double RunOnce(const GenerationInputs& in, ListHolder& list, double* wallMs = nullptr) {
    GenerationWorker worker(Data().db);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessCpuMs();
    worker.Start(in, list);
    worker.Wait();
    const double cpu = ProcessCpuMs() - cpuStart;
    if (wallMs)
        *wallMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    return cpu;
}

GenerationInputs HighScoreLi(bool perCandidate) {
    GenerationInputs in;
    in.mode = NamingMode::HighScore;
    in.familyName = Gbk("李");
    in.nameLength = 2;
    in.referenceDataLoaded = true;
    in.perCandidateQueries = perCandidate;
    return in;
}

GenerationInputs SuperAllFiveLi(bool perCandidate) {
    GenerationInputs in;
    in.mode = NamingMode::SuperAuspicious;
    in.familyName = Gbk("李");
    in.superFilters = SuperFilterBoxes::Initial();  // 所有字必带五行 with all five elements
    in.referenceDataLoaded = true;
    in.perCandidateQueries = perCandidate;
    return in;
}

void BM_Generation_HighScoreBoyTwoCharsLi(benchmark::State& state) {
    const bool perCandidate = state.range(0) != 0;
    std::size_t rows = 0;
    double wall = 0;
    for (auto _ : state) {
        ListHolder list;
        state.SetIterationTime(RunOnce(HighScoreLi(perCandidate), list, &wall) / 1000.0);
        rows = list.rows.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["wall_ms"] = wall / static_cast<double>(state.iterations());
    state.counters["real_db"] = Data().real;
}
BENCHMARK(BM_Generation_HighScoreBoyTwoCharsLi)
    ->ArgName("per_candidate_queries")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_Generation_SuperAllFiveElementsLi(benchmark::State& state) {
    const bool perCandidate = state.range(0) != 0;
    // The candidates of this run: every listed character of the pool and the family name, paired.
    std::size_t listed = 0;
    for (const std::string& c : SuperAuspiciousCharacters(Sex::Male, Gbk("李")))
        listed += IsListed(LookupCharInfo(Data().db, c));
    std::size_t rows = 0, batches = 0;
    double peak = 0, wall = 0;
    for (auto _ : state) {
        ListHolder list;
        ResetPeakMemory();
        state.SetIterationTime(RunOnce(SuperAllFiveLi(perCandidate), list, &wall) / 1000.0);
        peak = PeakMemoryMb();
        rows = list.rows.size();
        batches = list.batches;
    }
    state.counters["candidates"] = static_cast<double>(listed * listed);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["fill_calls"] = static_cast<double>(batches);
    state.counters["peak_MB"] = peak;
    state.counters["wall_ms"] = wall / static_cast<double>(state.iterations());
    state.counters["real_db"] = Data().real;
}
BENCHMARK(BM_Generation_SuperAllFiveElementsLi)
    ->ArgName("per_candidate_queries")
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Scoring alone, per candidate, on the two rating paths: resolved characters with the rating
// factors, and resolved characters with six queries each. The per-candidate path of the
// SuperAuspicious run above would take candidates × this time (several minutes), so it is
// measured here instead of as a whole run.
void BM_Generation_ScoreOneCandidate(benchmark::State& state) {
    const bool perCandidate = state.range(0) != 0;
    SqliteDatabase& db = Data().db;
    std::vector<std::string> set = SuperAuspiciousCharacters(Sex::Male, Gbk("李"));
    CharInfoCache cache;
    for (const std::string& c : set) cache.push_back(ToCachedChar(LookupCharInfo(db, c)));
    std::vector<ResolvedPart> given;
    for (std::size_t i = 0; i < 4096; ++i)
        given.push_back(
            ResolvePart(cache, set[(i * 7919) % set.size()] + set[(i * 104729) % set.size()]));
    const ResolvedPart family = ResolvePart(cache, Gbk("李"));
    DatabaseRatings direct(db);
    RatingSnapshot snapshot(db);
    RatingFactors factors(snapshot);
    std::size_t i = 0;
    for (auto _ : state) {
        const ResolvedPart& g = given[i++ % given.size()];
        benchmark::DoNotOptimize(perCandidate ? ScoreResolved(family, g, direct).score
                                              : ScoreResolved(family, g, factors).score);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["real_db"] = Data().real;
}
BENCHMARK(BM_Generation_ScoreOneCandidate)->ArgName("per_candidate_queries")->Arg(0)->Arg(1);

// Both rating paths of one HighScore run side by side: the ratio the snapshot gains.
void BM_Generation_SnapshotRatio(benchmark::State& state) {
    double snapshot = 0, queries = 0;
    for (auto _ : state) {
        ListHolder a, b;
        snapshot += RunOnce(HighScoreLi(false), a);
        queries += RunOnce(HighScoreLi(true), b);
        state.SetIterationTime((snapshot + queries) / 1000.0);
    }
    state.counters["snapshot_ms"] = snapshot / static_cast<double>(state.iterations());
    state.counters["queries_ms"] = queries / static_cast<double>(state.iterations());
    state.counters["ratio"] = queries / snapshot;
    state.counters["real_db"] = Data().real;
}
BENCHMARK(BM_Generation_SnapshotRatio)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumo
