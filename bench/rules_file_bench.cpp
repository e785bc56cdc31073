// Cost of reading and checking a rules file, which every run with --rules pays once: from the
// disk, and from the text alone (the built-in set is read this way); and the two checks of a
// reading that run over the whole text or every choice.
#include <benchmark/benchmark.h>

#include <string>

#include "pay/built_in_rules_text.h"
#include "pay/negative_amounts.h"
#include "pay/rules_file.h"
#include "pay/rules_nesting.h"

namespace {

void BM_LoadRulesFile(benchmark::State& state) {
    const std::string path = VELNARO_SOURCE_DIR "/rules/2010.toml";
    for (auto _ : state) {
        benchmark::DoNotOptimize(pay::load_rules_file(path));
    }
    state.counters["aim_us"] = 2000;
}
BENCHMARK(BM_LoadRulesFile)->Unit(benchmark::kMicrosecond);

void BM_ReadRulesText(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(pay::read_rules(pay::built_in_rules_text, "2010.toml"));
    }
}
BENCHMARK(BM_ReadRulesText)->Unit(benchmark::kMicrosecond);

// The two checks the reading makes besides the keys: the nesting scan before parsing, and the
// choices that could give a negative amount after.
void BM_NestingScan(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            pay::too_deep_nesting(pay::built_in_rules_text, pay::deepest_rules_nesting));
    }
}
BENCHMARK(BM_NestingScan)->Unit(benchmark::kMicrosecond);

void BM_NegativeAmountCheck(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(pay::first_negative_amount(pay::built_in_rules()));
    }
}
BENCHMARK(BM_NegativeAmountCheck)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
