#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "document/projectdocument.h"
#include "publish/htmpublish.h"
#include "publish/shotfragments.h"

namespace {

namespace fs = std::filesystem;

// A project of the given number of shots, every text several lines long with
// accents, quotes and parentheses, every other shot with a picture.
sw::ProjectDocument MakeProject(std::int64_t shots)
{
    sw::ProjectDocument project;
    project.GenInfo.title = "Le \"grand\" \xE9t\xE9";
    project.GenInfo.creator = "Anne\r\nBob";
    project.GenInfo.comment = "Tourn\xE9 en juin.\r\n\r\nDeux jours.";
    project.GenInfo.idea = "Une id\xE9" "e";
    project.GenInfo.synopsis = "Il pleut.\r\n\r\nIl fait beau.\r\n<ul>\r\n<li>un\r\n<li>deux\r\n</ul>";
    project.Report.text = "Ligne un\r\nLigne deux\r\n\r\nLigne trois";
    for (std::int64_t i = 0; i < shots; ++i) {
        sw::TEvent& shot = project.EventList.AddEvent();
        shot.action = "Elle entre (lentement) dans la pi\xE8" "ce.\r\nElle regarde la fen\xEAtre.\r\nElle sort.";
        shot.sound = "Pluie \"forte\"\r\nTonnerre au loin";
        shot.dialogue = "Elle: Il est l\xE0 ?\r\nLui: Non.";
        shot.cam.duration = std::to_string(3 + i % 40);
        shot.cam.framing = static_cast<std::uint8_t>(i % 8);
        shot.cam.angle = static_cast<std::uint8_t>(i % 6);
        shot.cam.pan = static_cast<std::uint8_t>(i % 4);
        shot.cam.travel = static_cast<std::uint8_t>(i % 6);
        shot.cam.zoom = static_cast<std::uint8_t>(i % 3);
        shot.cam.effect = i % 3 == 0 ? std::string() : std::string("Lumi\xE8re douce\r\nflou");
        if (i % 2 == 0)
            shot.cam.startImage = "plan" + std::to_string(i) + ".jpg";
    }
    return project;
}

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
