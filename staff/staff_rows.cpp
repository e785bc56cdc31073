#include "staff/staff_rows.h"

#include <algorithm>

#include "staff/utf8.h"

namespace staff {

bool choices_readable(const CsvRecord& record, const ColumnMap& map) {
    return record.malformed.empty() && record.fields.size() == map.width &&
           std::all_of(map.choice_column.begin(), map.choice_column.end(),
                       [&](std::size_t column) { return is_valid_utf8(record.fields[column]); });
}

}  // namespace staff
