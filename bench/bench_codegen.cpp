// The time Copy Code takes to build its text, and the body expression alone, by the size of the body.
#include "codegen/BodyExpression.h"
#include "codegen/BuildCode.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using vellumet::MessageBoxOptions;

std::string Repeat(const std::string& pattern, std::size_t bytes)
{
    std::string body;
    while (body.size() < bytes)
        body += pattern;
    body.resize(bytes);
    return body;
}

const std::string MixedPattern = "Order 12 is \"late\".\tRetry?\r\nCheck the disk & cable.\n";
const std::string ShortLinesPattern = "Line 1\r\n";

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

    const auto noApplicationPath = [] { return std::string(); };
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vellumet::GenerateCode(vellumet::GenerateMode::Copy, options, noApplicationPath, vellumet::Utf8Width));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

// The body alone as a string expression: the part of Copy Code that walks the body piece by piece.
void BodyExpression(benchmark::State& state, const std::string& pattern)
{
    const std::string body = Repeat(pattern, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(vellumet::BodyExpression(body, vellumet::Utf8Width));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void MixedText(benchmark::State& state) { CopyText(state, MixedPattern); }
void ShortLines(benchmark::State& state) { CopyText(state, ShortLinesPattern); }
void OnlyLineBreaks(benchmark::State& state) { CopyText(state, "\r\n"); }
void MixedBodyExpression(benchmark::State& state) { BodyExpression(state, MixedPattern); }
void ShortLinesBodyExpression(benchmark::State& state) { BodyExpression(state, ShortLinesPattern); }

// 48 bytes is a typical body; 1 KB is the most the window's body field takes.
BENCHMARK(MixedText)->Arg(48)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Complexity(benchmark::oN);
BENCHMARK(ShortLines)->Arg(48)->Arg(1 << 10);
BENCHMARK(OnlyLineBreaks)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Complexity(benchmark::oN);
BENCHMARK(MixedBodyExpression)->Arg(48)->Arg(1 << 10);
BENCHMARK(ShortLinesBodyExpression)->Arg(48)->Arg(1 << 10);

} // namespace

BENCHMARK_MAIN();
