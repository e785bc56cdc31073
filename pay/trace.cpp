#include "pay/trace.h"

#include <cassert>

namespace pay {

void TermTrace::add(const TracedTerm& term) {
    // The lines of one press are bounded: every step's formulas together hold far fewer terms.
    assert(size_ < capacity);
    if (size_ < capacity) {
        terms_[size_++] = term;
    }
}

TermTrace::Range TermTrace::finish_line() {
    const Range range{static_cast<std::uint16_t>(line_start_), static_cast<std::uint16_t>(size_)};
    line_start_ = size_;
    return range;
}

std::span<const TracedTerm> TermTrace::terms_of(Range range) const {
    return std::span<const TracedTerm>(terms_).subspan(range.begin, range.end - range.begin);
}

void TermTrace::term(Quantity quantity, double value, TermOperation operation) {
    add({.quantity = quantity,
         .field = SlipField::index_points,
         .operation = operation,
         .value = value});
    note(quantity, value);
}

void TermTrace::field(SlipField field, double value, TermOperation operation) {
    add({.quantity = Quantity::field, .field = field, .operation = operation, .value = value});
}

void TermTrace::gives(Quantity quantity, double value) {
    term(quantity, value, TermOperation::gives);
    quantity_lines_[index(quantity)] = finish_line();
}

void TermTrace::gives(SlipField field, double value) {
    this->field(field, value, TermOperation::gives);
    field_lines_[static_cast<std::size_t>(field)] = finish_line();
}

void TermTrace::note(Quantity quantity, double value) {
    values_[index(quantity)] = value;
    noted_[index(quantity)] = true;
}

std::span<const TracedTerm> TermTrace::line(SlipField field) const {
    return terms_of(field_lines_[static_cast<std::size_t>(field)]);
}

std::span<const TracedTerm> TermTrace::line(Quantity quantity) const {
    return terms_of(quantity_lines_[index(quantity)]);
}

}  // namespace pay
