#pragma once

#include <QString>

namespace ui {

/// `text` between a first-strong isolate (U+2068) and its end (U+2069): a path, a number or an
/// error in a message keeps its own reading order inside an Arabic sentence, and the sentence
/// keeps its order around it.
inline QString isolated_text(const QString& text) {
    return QChar(0x2068) + text + QChar(0x2069);
}

}  // namespace ui
