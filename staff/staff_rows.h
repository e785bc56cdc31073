#pragma once

#include <optional>
#include <string>

#include "pay/pay_inputs.h"
#include "staff/batch_input.h"
#include "staff/choice_aliases.h"
#include "staff/csv_reader.h"

namespace staff {

/// How a run takes the choices of its rows.
enum class RowReading {
    /// As list items or their aliases, each row alone: a choice that is neither is a fault.
    resolved,
    /// As the texts a user would type in the window's lists, taken as they stand.
    as_typed,
};

/// One row of a staff file as a run reads it.
struct StaffRow {
    const CsvRecord& record;
    /// Every fault that keeps the row from computing (a malformed record, invalid UTF-8 and, read
    /// `resolved`, choices that are no list items); empty when it computes.
    std::string fault;
    /// The seven choices as the row holds them, once the record is well-formed.
    const pay::PayInputs& typed;
    /// The choices as the list items they stand for, read `resolved` and without fault.
    std::optional<ResolvedChoices> choices;
};

/// Whether the seven choices of a record can be read: it is well-formed and they are UTF-8.
bool choices_readable(const CsvRecord& record, const ColumnMap& map);

/// Reads every record left in `reader` and hands each to `on_row` as a `StaffRow`, in file
/// order, until the file ends or `on_row` returns false. The one loop over the rows of a staff
/// file that velnaro-calc and velnaro-slips share.
template <typename OnRow>
void for_each_staff_row(CsvReader& reader, const BatchHeader& header, RowReading reading,
                        OnRow&& on_row) {
    CsvRecord record;
    pay::PayInputs typed;
    while (reader.next(record)) {
        std::string fault = record_fault(record, header);
        std::optional<ResolvedChoices> choices;
        // A row without fault is readable (its record is well-formed and UTF-8); invalid UTF-8
        // in another column hides no fault of the choices.
        const bool readable = fault.empty() || choices_readable(record, header.map);
        if (readable) {
            assign_choices(record, header.map, typed);
        }
        if (reading == RowReading::resolved && readable) {
            Resolution resolution = resolve_choices(typed);
            if (!resolution.choices) {
                add_fault(fault, resolution.error);
            } else if (fault.empty()) {
                choices = resolution.choices;
            }
        }
        if (!on_row(StaffRow{record, std::move(fault), typed, choices})) {
            return;
        }
    }
}

}  // namespace staff
