#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "publish/ghtml.h"

namespace {

// A text as a user types it: sentences, line breaks, empty lines, a few lists
// and indents, and now and then a run of breaks.
std::string TypedText(std::size_t size)
{
    const std::vector<std::string> pieces = {
        "Le plan s'ouvre sur la rue déserte. ", "Une porte claque, ", "<b>Marie</b> se retourne.",
        "\r\n", "\r\n", "\r\n\r\n", "\r\n \r\n", "\r\n<ul>\r\n<li>caméra\r\n<li>son\r\n</ul>\r\n",
        "<dir>\r\nnote\r\n</dir>", "\r\n\r\n\r\n\r\n", "<BR><p>", "<p><p><br>"};
    std::mt19937 random(42);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    text.reserve(size + 64);
    while (text.size() < size)
        text += pieces[pick(random)];
    text.resize(size);
    return text;
}

void BM_TextToHtml(benchmark::State& state)
{
    const std::string text = TypedText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(sw::TextToHtml(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

// A worst case for repeated replacements: one long run of breaks before a
// paragraph tag, which the rules shorten by one break per pass.
void BM_TextToHtmlLongRun(benchmark::State& state)
{
    std::string text = "x";
    for (std::int64_t i = 0; i < state.range(0) / 4; ++i)
        text += (i % 2 == 0) ? "<BR>" : "<br>";
    text += "<p>x\r\n\r\ny";
    for (auto _ : state)
        benchmark::DoNotOptimize(sw::TextToHtml(text));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_TextToHtml)->Arg(256 << 10)->Arg(512 << 10)->Arg(1 << 20)->Complexity(benchmark::oN);
BENCHMARK(BM_TextToHtmlLongRun)->Arg(256 << 10)->Arg(512 << 10)->Arg(1 << 20)->Complexity(benchmark::oN);
