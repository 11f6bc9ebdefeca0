// Scoring and loading costs. Run: build/bin/lumo_bench
#include <benchmark/benchmark.h>

#include <random>

#include "db/Gbk.h"
#include "numerology/CharInfo.h"
#include "numerology/Characters.h"
#include "numerology/NameScore.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

// A fixture file like the real one in shape: 2,000 characters, 81 numbers, 125 keys.
struct BenchData {
    test::TempDir dir{"lumo-bench"};
    std::string path = dir.File("namedata.db");
    std::vector<std::string> chars;  // GBK

    BenchData() {
        test::ReferenceFile file(path);
        file.AddUniformRatings("吉", "中");
        file.db().BeginTransaction();
        std::mt19937 rng(7);
        const std::vector<std::string>& elements = test::ElementsUtf8();
        // Consecutive GB2312 characters from 啊 on.
        for (int i = 0; chars.size() < 2000; ++i) {
            std::string gbk = {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
            chars.push_back(gbk);
            file.AddChar({GbkToUtf8(gbk), 1 + static_cast<int>(rng() % 20), 1 + static_cast<int>(rng() % 25),
                          elements[rng() % 5]});
        }
        file.db().CommitTransaction();
    }
};

BenchData& Data() {
    static BenchData data;
    return data;
}

void BM_LoadReferenceData(benchmark::State& state) {
    for (auto _ : state) {
        SqliteDatabase db;
        benchmark::DoNotOptimize(test::LoadFile(db, Data().path));
    }
}
BENCHMARK(BM_LoadReferenceData)->Unit(benchmark::kMillisecond);

template <typename Ratings>
void ScoreCandidates(benchmark::State& state) {
    SqliteDatabase db;
    test::LoadFile(db, Data().path);
    CharInfoCache cache;
    for (std::size_t i = 0; i < 400; ++i) cache.push_back(ToCachedChar(LookupCharInfo(db, Data().chars[i])));
    Ratings ratings(db);
    std::string family = Data().chars[0];
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string given = Data().chars[1 + i % 399] + Data().chars[1 + (i * 7) % 399];
        benchmark::DoNotOptimize(ScoreName(cache, ratings, family, given).score);
        ++i;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

// Six queries per candidate against the in-memory database, as on the plain generation path.
void BM_ScoreName_PerCandidateQueries(benchmark::State& state) { ScoreCandidates<DatabaseRatings>(state); }
BENCHMARK(BM_ScoreName_PerCandidateQueries);

// The same with the ratings read once into a snapshot.
void BM_ScoreName_RatingSnapshot(benchmark::State& state) { ScoreCandidates<RatingSnapshot>(state); }
BENCHMARK(BM_ScoreName_RatingSnapshot);

}  // namespace
}  // namespace lumo

BENCHMARK_MAIN();
