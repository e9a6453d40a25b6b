// One autosave of a large project: the recovery copy and its record written
// and synced, as the editor's timer will do while the user works.
#include <cstdint>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "bench/benchproject.h"
#include "recovery/recoverystore.h"

namespace sw {
namespace {

constexpr std::int64_t kShots = 10000;

std::filesystem::path BenchFolder()
{
    const char* chosen = std::getenv("SHOTWEAVE_BENCH_DIR");
    const std::filesystem::path base = chosen ? std::filesystem::path(chosen) : std::filesystem::temp_directory_path();
    return base / ("shotweave-recovery-bench-" + std::to_string(::getpid()));
}

void AutoSaveOfTenThousandShots(benchmark::State& state)
{
    const ProjectDocument project = bench::MakeProject(kShots);
    const RecoveryStore store(BenchFolder());
    const std::filesystem::path original = "/films/grand-projet.vid";
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Write(project, original));
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(store.RecoveryFileFor(original))));
    std::filesystem::remove_all(store.Folder());
}
BENCHMARK(AutoSaveOfTenThousandShots)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sw
