#pragma once

#include <QString>

namespace print {

/// `text` between a first-strong isolate (U+2068) and its end (U+2069): a path, a number, an
/// error or a name inside an Arabic sentence keeps its own reading order, and the sentence keeps
/// its order around it.
inline QString isolated(const QString& text) {
    return QChar(0x2068) + text + QChar(0x2069);
}

/// `text` as one left-to-right run (U+2066 ... U+2069): a formula line, an amount or an English
/// caption inside right-to-left text, in the window as in text copied out of it.
inline QString left_to_right(const QString& text) {
    return QChar(0x2066) + text + QChar(0x2069);
}

}  // namespace print
