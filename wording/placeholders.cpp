#include "wording/placeholders.h"

namespace wording {

void fill(std::string& out, std::string_view pattern, std::span<const std::string_view> arguments) {
    // Room for the pattern and each argument once: a sentence is built in one allocation.
    std::size_t size = out.size() + pattern.size();
    for (const std::string_view argument : arguments) {
        size += argument.size();
    }
    out.reserve(size);
    std::size_t from = 0;
    for (std::size_t at = pattern.find('%');
         at != std::string_view::npos && at + 1 < pattern.size(); at = pattern.find('%', at)) {
        const char next = pattern[at + 1];
        if (next == '%') {
            out.append(pattern.substr(from, at + 1 - from));
            from = at += 2;
            continue;
        }
        const auto number = static_cast<std::size_t>(next - '0');
        if (next < '1' || next > '9' || number > arguments.size()) {
            ++at;
            continue;
        }
        out.append(pattern.substr(from, at - from));
        out.append(arguments[number - 1]);
        from = at += 2;
    }
    out.append(pattern.substr(from));
}

}  // namespace wording
