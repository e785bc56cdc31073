// Cost of one comparison table: every row checked and computed on a fresh slip, with its
// differences. The aim is under 1 ms for any axis; the reference is the bare compute_pay of as
// many slips.
#include <benchmark/benchmark.h>

#include <string>

#include "pay/comparison.h"
#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "pay/trace.h"

namespace {

// Scale 11 has the longest rank list (14 ranks); rank 6 stands in every scale's list.
pay::PayInputs own() {
    return {std::string(pay::scale_text(pay::Scale::scale_11)),
            "6",
            std::string(pay::zone_items[0]),
            std::string(pay::yes_text),
            "3",
            "2",
            std::string(pay::yes_text)};
}

void BM_Compare(benchmark::State& state) {
    const auto axis = pay::all_compare_axes[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(pay::axis_name(axis)));
    const pay::PayInputs inputs = own();
    std::size_t rows = 0;
    for (auto _ : state) {
        const pay::ComparisonOutcome outcome =
            pay::compare_pay(inputs, axis, pay::built_in_rules());
        rows = outcome.comparison ? outcome.comparison->rows.size() : 0;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_Compare)
    ->DenseRange(0, pay::all_compare_axes.size() - 1)
    ->Unit(benchmark::kMicrosecond);

// Reference: the computation alone of the 15 slips of the longest table (own slip and 14 rows).
void BM_FifteenSlipsAlone(benchmark::State& state) {
    const auto read = pay::read_choices(own(), false);
    const pay::Choices& choices = std::get<pay::Choices>(read);
    pay::NoTrace trace;
    for (auto _ : state) {
        for (int i = 0; i < 15; ++i) {
            pay::PaySlip slip;
            pay::compute_pay(choices, pay::built_in_rules(), slip, trace);
            benchmark::DoNotOptimize(slip);
        }
    }
}
BENCHMARK(BM_FifteenSlipsAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
