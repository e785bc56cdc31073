// The OK action in the window: from the click on OK to the last result field written, against
// the floor of writing the 21 result fields alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <string>

#include "pay/pay_inputs.h"
#include "pay/rules.h"
#include "ui/application.h"
#include "ui/main_window.h"

namespace {

QString item(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Scale 11, rank 13 or 1, zone A, special charges, six children, six dependents, a member: two
// slips that differ in every amount but the fixed ones, so each press rewrites the fields.
void fill_choices(const ui::ChoiceLists& lists, bool top_rank) {
    lists.scale->setEditText(item(pay::scale_text(pay::Scale::scale_11)));
    lists.rank_lists[static_cast<std::size_t>(pay::Scale::scale_11)]->setEditText(
        top_rank ? QStringLiteral("13") : QStringLiteral("1"));
    lists.zone->setEditText(item(pay::zone_items[0]));
    lists.special_charges->setEditText(item(pay::yes_text));
    lists.children->setEditText(QStringLiteral("6"));
    lists.dependents->setEditText(QStringLiteral("6"));
    lists.mutual_member->setEditText(item(pay::yes_text));
}

void BM_OkClickToLastField(benchmark::State& state) {
    ui::MainWindow window(ui::WindowOptions{.rules = pay::built_in_rules()});
    QToolButton* ok = window.controls().ok_button;
    bool top_rank = false;
    for (auto _ : state) {
        state.PauseTiming();
        top_rank = !top_rank;
        fill_choices(window.controls().lists, top_rank);
        state.ResumeTiming();
        ok->click();  // the action runs in the click's signal, to its last field
    }
    state.counters["aim_us"] = 2000;
    if (window.controls().result_fields[0]->text().isEmpty()) {
        state.SkipWithError("the OK action wrote no result");
    }
}
BENCHMARK(BM_OkClickToLastField)->Unit(benchmark::kMicrosecond);

void BM_ReferenceWriteFields(benchmark::State& state) {
    ui::MainWindow window(ui::WindowOptions{.rules = pay::built_in_rules()});
    const auto& fields = window.controls().result_fields;
    int round = 0;
    for (auto _ : state) {
        const QString text = QString::number(++round % 2 == 0 ? 1234.56 : 6543.21, 'f', 2);
        for (QLineEdit* field : fields) {
            field->setText(text);
        }
    }
}
BENCHMARK(BM_ReferenceWriteFields)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::configure_application(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
