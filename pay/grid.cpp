#include "pay/grid.h"

#include "pay/pay_slip.h"
#include "pay/trace.h"

namespace pay {

std::optional<GridRow> lookup_grid(std::string_view scale, std::string_view rank,
                                   const PayRules& rules) {
    const std::optional<Scale> wanted = scale_from_text(scale);
    if (!wanted) {
        return std::nullopt;
    }
    if (const auto entry = grid_entry_of(*wanted, rank)) {
        return rules.grid[*entry].row;
    }
    return std::nullopt;
}

template <class Trace>
void apply_grid(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace) {
    if (!choices.grid_entry) {
        return;
    }
    const GridRow& row = rules.grid[*choices.grid_entry].row;
    const auto write = [&](SlipField field, auto& member, int amount) {
        member = amount;
        trace.term(Quantity::grid_amount, amount, TermOperation::first);
        trace.gives(field, amount);
        trace.wrote(field);
    };
    write(SlipField::index_points, slip.index_points, row.index_points);
    write(SlipField::hierarchy_allowance, slip.hierarchy_allowance, row.hierarchy_allowance);
    write(SlipField::charges_allowance, slip.charges_allowance, row.charges_allowance);
    write(SlipField::supervision_allowance, slip.supervision_allowance, row.supervision_allowance);
    write(SlipField::foundation_contribution, slip.foundation_contribution,
          row.foundation_contribution);
}

template void apply_grid(const Choices&, const PayRules&, PaySlip&, NoTrace&);
template void apply_grid(const Choices&, const PayRules&, PaySlip&, TermTrace&);

}  // namespace pay
