#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "bench/benchproject.h"
#include "document/projectdocument.h"
#include "publish/htmpublish.h"
#include "publish/shotfragments.h"

namespace {

namespace fs = std::filesystem;

using sw::bench::MakeProject;

std::uintmax_t FolderBytes(const fs::path& folder)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        bytes += entry.file_size();
    return bytes;
}

// The whole site; the range is the number of shots.
void PublishSite(benchmark::State& state, bool noJSPlan)
{
    const std::int64_t shots = state.range(0);
    sw::ProjectDocument project = MakeProject(shots);
    project.HTMPrefs.pageSpecs.noJSPlan = noJSPlan;
    const fs::path site = fs::temp_directory_path() / ("sw_publish_bench_" + std::to_string(::getpid()));
    fs::create_directories(site);

    for (auto _ : state) {
        sw::THTMPublish publisher(project, site);
        publisher.SetDates({"08/12/2026", "Mardi, 08/12/2026  21:05:00"});
        publisher.Publish();
        benchmark::DoNotOptimize(publisher.WrittenFiles().data());
    }

    const std::uintmax_t siteBytes = FolderBytes(site);
    state.SetComplexityN(shots);
    state.counters["shots"] = static_cast<double>(shots);
    state.counters["siteBytes"] = static_cast<double>(siteBytes);
    state.counters["shotsPerSecond"] =
        benchmark::Counter(static_cast<double>(shots), benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(siteBytes));
    fs::remove_all(site);
}

// With the script-driven shot viewer.
void BM_PublishSite(benchmark::State& state)
{
    PublishSite(state, false);
}
BENCHMARK(BM_PublishSite)->RangeMultiplier(2)->Range(1250, 10000)->Unit(benchmark::kMillisecond)->Complexity(
    benchmark::oN);

// With the plain shots page.
void BM_PublishPlainSite(benchmark::State& state)
{
    PublishSite(state, true);
}
BENCHMARK(BM_PublishPlainSite)->RangeMultiplier(2)->Range(1250, 10000)->Unit(benchmark::kMillisecond)->Complexity(
    benchmark::oN);

// The viewer script's data alone: the longest single text of the site.
void BM_ViewerScriptData(benchmark::State& state)
{
    const sw::ProjectDocument project = MakeProject(state.range(0));
    std::size_t length = 0;
    for (auto _ : state) {
        const std::string data = sw::JSData(project.EventList);
        length = data.size();
        benchmark::DoNotOptimize(data.data());
    }
    state.SetComplexityN(state.range(0));
    state.counters["bytes"] = static_cast<double>(length);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(length));
}
BENCHMARK(BM_ViewerScriptData)->RangeMultiplier(2)->Range(1250, 10000)->Unit(benchmark::kMillisecond)->Complexity(
    benchmark::oN);

} // namespace
