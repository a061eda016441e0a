#include "codegen/BuildCode.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using vellumet::BuildCopyText;
using vellumet::MessageBoxOptions;

std::string Repeat(const std::string& pattern, std::size_t bytes)
{
    std::string body;
    while (body.size() < bytes)
        body += pattern;
    body.resize(bytes);
    return body;
}

// The Copy Code text of a Yes/No/Cancel box with Help, for a body of the given size.
void CopyText(benchmark::State& state, const std::string& pattern)
{
    MessageBoxOptions options;
    options.ButtonOption = vellumet::ButtonChoice::YesNoCancel2;
    options.Icon = vellumet::IconChoice::Question;
    options.IncludeHelpButton = true;
    options.HelpFileText = "Orders.chm";
    options.TitleText = "Orders";
    options.BodyText = Repeat(pattern, static_cast<std::size_t>(state.range(0)));

    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCopyText(options));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

void MixedText(benchmark::State& state)
{
    CopyText(state, "Order 12 is \"late\".\tRetry?\r\nCheck the disk & cable.\n");
}
void OnlyLineBreaks(benchmark::State& state) { CopyText(state, "\r\n"); }

BENCHMARK(MixedText)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Complexity(benchmark::oN);
BENCHMARK(OnlyLineBreaks)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
