// Cost of one OK press in the core: compute_pay, the shown texts and the settling of the slip,
// against the floor of writing the 21 shown amounts alone with std::to_chars; and the cost of
// explaining a whole slip, which only a request for an explanation pays.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "pay/explanation.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "pay/slip_view.h"
#include "wording/explanation_text.h"

namespace {

void BM_PressOk(benchmark::State& state) {
    const std::vector<pay::PayInputs> inputs = pay::every_list_combination();
    pay::PaySession session(".", pay::built_in_rules());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.press_ok(inputs[i]));
        benchmark::DoNotOptimize(session.shown());
        i = (i + 1) % inputs.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["aim_ns"] = 1000;
}
BENCHMARK(BM_PressOk);

// 64 windows, each pressed once on choices spread over every list combination.
std::vector<pay::PaySession> pressed_sessions() {
    const std::vector<pay::PayInputs> inputs = pay::every_list_combination();
    constexpr std::size_t slips = 64;
    std::vector<pay::PaySession> sessions;
    sessions.reserve(slips);
    for (std::size_t i = 0; i < slips; ++i) {
        sessions.emplace_back(".", pay::built_in_rules())
            .press_ok(inputs[i * inputs.size() / slips]);
    }
    return sessions;
}

// All 21 explanations of one slip in words, as the explanation window or `--explain` asks for
// them: the view with its explanation items, then their sentences and formulas.
void BM_ExplainSlip(benchmark::State& state) {
    const std::vector<pay::PaySession> sessions = pressed_sessions();
    std::size_t i = 0;
    for (auto _ : state) {
        const pay::SlipView view = pay::view_slip(sessions[i], pay::ViewDetail::explained);
        benchmark::DoNotOptimize(wording::explain_slip(view, sessions[i].decimal_separator()));
        i = (i + 1) % sessions.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["aim_ns"] = 20000;
}
BENCHMARK(BM_ExplainSlip);

// The view of one slip with its 21 explanations as items, before any word is written.
void BM_ViewExplainedSlip(benchmark::State& state) {
    const std::vector<pay::PaySession> sessions = pressed_sessions();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pay::view_slip(sessions[i], pay::ViewDetail::explained));
        i = (i + 1) % sessions.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["aim_ns"] = 20000;
}
BENCHMARK(BM_ViewExplainedSlip);

void BM_ReferenceWriteAmounts(benchmark::State& state) {
    std::array<double, pay::slip_field_count> amounts{};
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        amounts[i] = 12345.678 + static_cast<double>(i);
    }
    std::array<char, 32> text{};
    for (auto _ : state) {
        for (const double amount : amounts) {
            benchmark::DoNotOptimize(std::to_chars(text.data(), text.data() + text.size(), amount,
                                                   std::chars_format::fixed, 2));
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReferenceWriteAmounts);

}  // namespace

BENCHMARK_MAIN();
