#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "model/eventlist.h"
#include "document/projectfile.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"

namespace sw {
namespace {

constexpr std::size_t kShotCount = MaxShots;

ProjectDocument FullProject()
{
    ProjectDocument document;
    for (std::size_t i = 0; i < kShotCount; ++i) {
        TEvent& shot = document.EventList.AddEvent();
        shot.action = "Le personnage traverse la pièce et ouvre la fenêtre.";
        shot.sound = "Bruit de pas";
        shot.dialogue = i % 3 == 0 ? std::string(300, 'd') : std::string("Bonjour.");
        shot.cam.duration = "12";
        shot.cam.framing = static_cast<std::uint8_t>(i % 8);
        shot.cam.startImage = "plan" + std::to_string(i) + ".jpg";
    }
    return document;
}

void WriteThenReadShotStrings(benchmark::State& state)
{
    const ProjectDocument document = FullProject();
    std::vector<std::string> forms;
    for (std::size_t i = 0; i < kShotCount; ++i)
        forms.push_back(document.EventList.Event(i).ToText());
    for (auto _ : state) {
        ValueWriter writer;
        writer.PutListBegin();
        for (const std::string& form : forms)
            writer.PutString(form);
        writer.PutListEnd();
        ValueReader reader(writer.Bytes());
        reader.GetListBegin();
        std::size_t total = 0;
        while (!reader.AtListEnd())
            total += reader.GetString().size();
        reader.GetListEnd();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kShotCount));
}
BENCHMARK(WriteThenReadShotStrings)->Unit(benchmark::kMillisecond);

std::filesystem::path BenchFile()
{
    return std::filesystem::temp_directory_path() / ("shotweave-bench-" + std::to_string(::getpid()) + ".vid");
}

void SaveFullProject(benchmark::State& state)
{
    ProjectDocument document = FullProject();
    const std::filesystem::path file = BenchFile();
    for (auto _ : state)
        SaveProject(document, file);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}
BENCHMARK(SaveFullProject)->Unit(benchmark::kMillisecond);

void LoadFullProject(benchmark::State& state)
{
    ProjectDocument document = FullProject();
    const std::filesystem::path file = BenchFile();
    SaveProject(document, file);
    for (auto _ : state) {
        ProjectDocument loaded;
        LoadProject(loaded, file);
        benchmark::DoNotOptimize(loaded.EventList.Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}
BENCHMARK(LoadFullProject)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sw
