// Cost of finding and checking the known rule sets, which every run without --rules pays once:
// twenty rules files in one folder, each read and checked whole.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "staff/rule_sets.h"

namespace {

namespace fs = std::filesystem;

// Twenty sets a year apart from 2011, each with its own value of the index point.
fs::path twenty_sets() {
    std::ifstream built_in(VELNARO_SOURCE_DIR "/rules/2010.toml");
    std::stringstream read;
    read << built_in.rdbuf();
    const std::string text = read.str();
    std::string pattern = (fs::temp_directory_path() / "velnaro-sets-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    for (int i = 0; i < 20; ++i) {
        const std::string year = std::to_string(2011 + i);
        std::string set = text;
        set.replace(set.find("name = \"2010\""), 13, "name = \"" + year + "\"");
        set.replace(set.find("effective = 2010-01-01"), 22, "effective = " + year + "-01-01");
        set.replace(set.find("index_point_value = 50.92"), 25,
                    "index_point_value = " + std::to_string(51 + i));
        std::ofstream(fs::path(pattern) / (year + ".toml")) << set;
    }
    return pattern;
}

void BM_FindTwentyRuleSets(benchmark::State& state) {
    const fs::path folder = twenty_sets();
    const staff::RuleSetFolders folders{.system = folder.string(), .user = {}, .named = {}};
    for (auto _ : state) {
        const auto found = staff::find_rule_sets(folders);
        if (!std::holds_alternative<std::vector<staff::KnownRuleSet>>(found)) {
            state.SkipWithError("the sets were refused");
            break;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["aim_ms"] = 10;
    fs::remove_all(folder);
}
BENCHMARK(BM_FindTwentyRuleSets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
