#include "staff/utf8.h"

#include <cstddef>

namespace staff {
namespace {

constexpr std::string_view replacement_character = "\xEF\xBF\xBD";

// The length of the well-formed sequence that starts `text`, or of the maximal ill-formed
// subpart there (then negated, never 0).
std::ptrdiff_t sequence_at(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;  // bounds of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return -1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const bool in_range = i < text.size() && byte(i) >= (i == 1 ? low : 0x80) &&
                              byte(i) <= (i == 1 ? high : 0xBF);
        if (!in_range) {
            return -static_cast<std::ptrdiff_t>(i);
        }
    }
    return static_cast<std::ptrdiff_t>(length);
}

}  // namespace

bool is_valid_utf8(std::string_view text) {
    while (!text.empty()) {
        // Runs of ASCII are the common case.
        std::size_t ascii = 0;
        while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) {
            ++ascii;
        }
        text.remove_prefix(ascii);
        if (text.empty()) {
            break;
        }
        const std::ptrdiff_t length = sequence_at(text);
        if (length < 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(length));
    }
    return true;
}

std::size_t valid_sequence_length(std::string_view text) {
    const std::ptrdiff_t length = text.empty() ? 0 : sequence_at(text);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

std::string replace_invalid_utf8(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        const std::ptrdiff_t length = sequence_at(text);
        if (length > 0) {
            result += text.substr(0, static_cast<std::size_t>(length));
            text.remove_prefix(static_cast<std::size_t>(length));
        } else {
            result += replacement_character;
            text.remove_prefix(static_cast<std::size_t>(-length));
        }
    }
    return result;
}

}  // namespace staff
