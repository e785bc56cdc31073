#pragma once

// Test names made from the values a case is about, so that CTest lists them readably.

#include <array>
#include <charconv>
#include <string>
#include <string_view>

namespace test_names {

/// `text` as a test name: letters and digits kept, "-" as "minus", "+" left out, "." and "," as
/// "_", any other byte as its hexadecimal value ("x" then two digits).
inline std::string from_text(std::string_view text) {
    std::string name;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= 'a' && byte <= 'z')) {
            name += c;
        } else if (c == '-') {
            name += "minus";
        } else if (c == '+') {
            continue;
        } else if (c == '.' || c == ',') {
            name += '_';
        } else {
            constexpr std::string_view hex = "0123456789ABCDEF";
            name += 'x';
            name += hex[byte / 16];
            name += hex[byte % 16];
        }
    }
    return name;
}

/// An amount as a test name, written out in full: 1234.565 is "1234_565", -0.5 is "minus0_5".
inline std::string from_amount(double amount) {
    std::array<char, 1100> text{};  // every double written in full: 5e-324 takes 1,076
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), amount, std::chars_format::fixed);
    return from_text(
        std::string_view(text.data(), static_cast<std::size_t>(written.ptr - text.data())));
}

}  // namespace test_names
