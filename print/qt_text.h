#pragma once

#include <QString>
#include <string_view>

namespace print {

/// A UTF-8 text of the core as a Qt string.
inline QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace print
