#include <benchmark/benchmark.h>

#include "bench/benchproject.h"
#include "export/shotlistcsv.h"
#include "model/eventlist.h"

namespace sw {
namespace {

// The CSV of the largest project a file can hold; the target is under 1 s.
void BM_ShotListCsvOfTheLargestProject(benchmark::State& state)
{
    const ProjectDocument project = bench::MakeProject(static_cast<std::int64_t>(MaxShots));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string csv = ShotListCsv(project);
        bytes = csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ShotListCsvOfTheLargestProject)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sw
