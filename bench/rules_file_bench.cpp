// Cost of reading and checking a rules file, which every run with --rules pays once: from the
// disk, and from the text alone (the built-in set is read this way).
#include <benchmark/benchmark.h>

#include <string>

#include "pay/built_in_rules_text.h"
#include "pay/rules_file.h"

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

}  // namespace

BENCHMARK_MAIN();
