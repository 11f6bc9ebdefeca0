// Cost of one birth-chart query: solar terms, new moons, the four pillars and the whole text.
#include <benchmark/benchmark.h>

#include "birthchart/BirthChart.h"

namespace lumo {
namespace {

class NoMessages : public MessageSink {
public:
    void Show(const UserMessage&) override {}
};

void BM_QueryBirthChart(benchmark::State& state) {
    NoMessages messages;
    BirthChart chart;
    int day = 0;
    for (auto _ : state) {
        // Walk the years so that no query can reuse the work of the one before.
        BirthDateTexts texts{std::to_string(1970 + day % 61), std::to_string(1 + day % 12), std::to_string(1 + day % 28),
                             std::to_string(day % 24)};
        benchmark::DoNotOptimize(QueryBirthChart(texts, chart, messages));
        ++day;
    }
}
BENCHMARK(BM_QueryBirthChart)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumo
