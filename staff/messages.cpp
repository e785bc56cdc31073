#include "staff/messages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "staff/utf8.h"

namespace staff {
namespace {

constexpr std::string_view hex_digits = "0123456789abcdef";

void append_escape(std::string_view prefix, unsigned char code, std::string& out) {
    out += prefix;
    out += hex_digits[code >> 4U];
    out += hex_digits[code & 0xFU];
}

}  // namespace

std::string escape_controls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text.front());
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F) {
                append_escape("\\x", lead, out);
            } else {
                out += static_cast<char>(lead);
            }
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = valid_sequence_length(text);
        if (length == 0) {
            append_escape("\\x", lead, out);
            text.remove_prefix(1);
        } else if (lead == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) {
            // U+0080 to U+009F, the C1 controls.
            append_escape("\\u00", static_cast<unsigned char>(text[1]), out);
            text.remove_prefix(2);
        } else {
            out += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return out;
}

void report(std::ostream& err, std::string_view program, std::string_view message) {
    err << program << ": " << escape_controls(message) << '\n' << std::flush;
}

namespace {

// The system's reason; a failure that set no error number is an input/output error.
std::string reason(int error) {
    return std::strerror(error != 0 ? error : EIO);
}

}  // namespace

std::string cannot_write(std::string_view name, int error) {
    return "cannot write " + std::string(name) + ": " + reason(error);
}

std::string cannot_read(std::string_view name, int error) {
    return "cannot read " + std::string(name) + ": " + reason(error);
}

std::string interrupted_as_replaced(std::string_view name, std::string_view what) {
    return "interrupted as " + std::string(name) + " took its name; it holds every " +
           std::string(what);
}

std::string quoted_name(std::string_view name) {
    constexpr std::size_t longest = 120;
    std::size_t length = std::min(name.size(), longest);
    while (length < name.size() && length > 0 &&
           (static_cast<unsigned char>(name[length]) & 0xC0U) == 0x80U) {
        --length;
    }
    return "'" + std::string(name.substr(0, length)) + (length < name.size() ? "...'" : "'");
}

}  // namespace staff
