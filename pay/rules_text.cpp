#include "pay/rules_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "pay/bidi_format.h"

namespace pay {
namespace {

struct Decoded {
    char32_t c = 0;
    std::size_t length = 1;
    bool valid = false;
};

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The character that starts text[i...], or the lone byte there when no well-formed UTF-8
// sequence does (overlong forms, surrogates and code points above U+10FFFF included).
Decoded decode_at(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size()) {
        return {lead, 1, false};
    }
    char32_t c = lead & (0x7FU >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + k]);
        if (!is_continuation(byte)) {
            return {lead, 1, false};
        }
        c = (c << 6) | (byte & 0x3FU);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return {lead, 1, false};
    }
    return {c, length, true};
}

template <class Each>
void for_each_character(std::string_view text, Each each) {
    for (std::size_t i = 0; i < text.size();) {
        const Decoded decoded = decode_at(text, i);
        each(decoded);
        i += decoded.length;
    }
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool is_control(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool is_line_separator(char32_t c) {
    return c == '\n' || c == '\r' || c == 0x0B || c == 0x0C || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

// Spaces other than the tab and line breaks.
bool is_space(char32_t c) {
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Characters that show nothing by themselves: Unicode's default-ignorable code points, and the
// fillers that fonts draw blank.
bool is_invisible(char32_t c) {
    return c == 0xAD || c == 0x34F || c == 0x61C || c == 0x115F || c == 0x1160 || c == 0x17B4 ||
           c == 0x17B5 || (c >= 0x180B && c <= 0x180F) || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0x3164 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0 ||
           (c >= 0xFFF0 && c <= 0xFFF8) || (c >= 0x1BCA0 && c <= 0x1BCA3) ||
           (c >= 0x1D173 && c <= 0x1D17A) || (c >= 0xE0000 && c <= 0xE0FFF);
}

// An Arabic letter and the combining hamza or madda after it, and the letter composing them.
struct Composition {
    char32_t base;
    char32_t mark;
    char32_t composed;
};
constexpr std::array<Composition, 8> arabic_compositions{{
    {0x0627, 0x0653, 0x0622},
    {0x0627, 0x0654, 0x0623},
    {0x0648, 0x0654, 0x0624},
    {0x0627, 0x0655, 0x0625},
    {0x064A, 0x0654, 0x0626},
    {0x06D5, 0x0654, 0x06C0},
    {0x06C1, 0x0654, 0x06C2},
    {0x06D2, 0x0654, 0x06D3},
}};

}  // namespace

std::string code_point_name(char32_t c) {
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "U+%04X", static_cast<unsigned>(c));
    return name.data();
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decode_at(text, i);
        std::array<char, 16> escape{};
        if (!d.valid) {
            std::snprintf(escape.data(), escape.size(), "\\x%02X", static_cast<unsigned>(d.c));
            out += escape.data();
        } else if (d.c == '\t') {
            out += "\\t";
        } else if (d.c == '\n') {
            out += "\\n";
        } else if (is_control(d.c) || is_line_separator(d.c) || is_bidi_format(d.c) ||
                   is_invisible(d.c)) {
            std::snprintf(escape.data(), escape.size(), "\\u%04X", static_cast<unsigned>(d.c));
            out += escape.data();
        } else {
            out.append(text.substr(i, d.length));
        }
        i += d.length;
    }
    return out;
}

std::string quoted(std::string_view text) {
    return "'" + escaped(text) + "'";
}

std::optional<char32_t> unsafe_character(std::string_view text) {
    std::optional<char32_t> unsafe;
    for_each_character(text, [&](const Decoded& d) {
        const bool control = is_control(d.c) && d.c != '\t' && d.c != '\n';
        if (!unsafe && (control || is_bidi_format(d.c))) {
            unsafe = d.c;
        }
    });
    return unsafe;
}

std::optional<std::string> name_fault(std::string_view key, std::string_view name) {
    // The name stands in the window's title and on one line of every slip and explanation.
    constexpr std::size_t longest = 100;
    const std::string what = "'" + std::string(key) + "'";
    std::optional<char32_t> tab_or_break;
    bool visible = false;
    for_each_character(name, [&](const Decoded& d) {
        if (!tab_or_break && (d.c == '\t' || is_line_separator(d.c))) {
            tab_or_break = d.c;
        }
        visible = visible || !(is_control(d.c) || is_line_separator(d.c) || is_space(d.c) ||
                               is_invisible(d.c));
    });
    if (tab_or_break == U'\t') {
        return what + " holds a tab, which shows as a gap of no set width: write a space instead";
    }
    if (tab_or_break) {
        return what + " must be one line: it holds the line break " +
               code_point_name(*tab_or_break);
    }
    if (name.empty()) {
        return what + " must be one line of 1 to 100 bytes, such as \"2027\", not empty";
    }
    if (name.size() > longest) {
        return what + " must be one line of 1 to 100 bytes, not " + std::to_string(name.size());
    }
    if (!visible) {
        return what + " must show something: it holds only spaces or invisible characters";
    }
    return std::nullopt;
}

std::string composed_arabic(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::optional<char32_t> pending;
    const auto flush = [&] {
        if (pending) {
            append_utf8(out, *pending);
            pending.reset();
        }
    };
    for_each_character(text, [&](const Decoded& d) {
        if (pending) {
            const auto* composition = std::find_if(
                arabic_compositions.begin(), arabic_compositions.end(),
                [&](const Composition& each) { return each.base == *pending && each.mark == d.c; });
            if (composition != arabic_compositions.end()) {
                pending = composition->composed;
                return;
            }
        }
        flush();
        if (d.valid) {
            pending = d.c;
        } else {
            out += static_cast<char>(d.c);
        }
    });
    flush();
    return out;
}

}  // namespace pay
