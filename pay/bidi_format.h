#pragma once

namespace pay {

/// Whether `c` is a bidi embedding, override, isolate or mark (U+202A to U+202E, U+2066 to
/// U+2069, U+200E, U+200F, U+061C): a character that shows nothing itself and reorders the text
/// around it. A rules file may not hold one, and a page shows one from a staff file as a mark.
constexpr bool is_bidi_format(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

}  // namespace pay
