#include "print/shown_value.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <vector>

#include "pay/bidi_format.h"
#include "print/bidi_text.h"
#include "print/page_fitting.h"
#include "print/slip_page.h"

namespace print {
namespace {

// Bidi formatting characters and line breaks become U+FFFD rather than a code such as
// "<U+202E>": the replacement is as neutral to the bidi algorithm as the mark it replaces, so
// the value reads in the direction its own letters give it (a code's "U" would turn an Arabic
// name that starts with an override left to right), and it is one character for one, so what
// the bound below keeps is what is shown.
constexpr char16_t replacement = u'\uFFFD';

char16_t visible(char16_t c) {
    if (c < 0x20) {
        return static_cast<char16_t>(0x2400 + c);
    }
    if (c == 0x7F) {
        return u'\u2421';
    }
    if ((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 || pay::is_bidi_format(c)) {
        return replacement;
    }
    return c;
}

// A grapheme cluster longer than this (a letter with more marks than any writing puts on it) is
// taken for more than one when bounding a text; the fit below still never cuts inside one.
constexpr qsizetype longest_cluster = 16;

struct Leading {
    QStringView text;
    // Whether anything of the value is left after `text`.
    bool cut;
};

// The first `count` grapheme clusters of `text`, found in no more of it than they can take.
Leading leading_clusters(QStringView text, qsizetype count) {
    qsizetype window = std::min(text.size(), count * longest_cluster);
    // The finder would take the half of a surrogate pair at the end for a character of its own.
    if (window < text.size() && text[window - 1].isHighSurrogate()) {
        --window;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), window);
    qsizetype end = 0;
    for (qsizetype found = 0; found < count; ++found) {
        const qsizetype next = finder.toNextBoundary();
        // The end of the window is a boundary only where the text ends: the next character
        // may belong to the cluster.
        if (next < 0 || (next == window && window < text.size())) {
            break;
        }
        end = next;
    }
    return {text.first(end), end < text.size()};
}

// The longest start of `text`, cut between two grapheme clusters, that fits `width` with "…"
// after it.
QString cut_to_fit(const QString& text, const QFontMetricsF& metrics, qreal width) {
    const QString ellipsis(QChar(0x2026));
    std::vector<qsizetype> ends{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        ends.push_back(end);
    }
    // The widths of the starts grow with their length (but for kerning and joining, which the
    // last check covers).
    std::size_t fitting = 0;
    std::size_t beyond = ends.size();
    while (beyond - fitting > 1) {
        const std::size_t middle = fitting + (beyond - fitting) / 2;
        if (metrics.horizontalAdvance(text.first(ends[middle]) + ellipsis) <= width) {
            fitting = middle;
        } else {
            beyond = middle;
        }
    }
    while (fitting > 0 && metrics.horizontalAdvance(text.first(ends[fitting]) + ellipsis) > width) {
        --fitting;
    }
    return text.first(ends[fitting]) + ellipsis;
}

// `text` with each character that would act instead of showing replaced by a visible one: a C0
// control or DEL by its control picture (U+2400 + c, U+2421), and a C1 control, a line or
// paragraph separator or a bidi formatting character by U+FFFD. One character for one.
QString visible_characters(QStringView text) {
    QString shown(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), shown.begin(),
                   [](QChar c) { return QChar(visible(c.unicode())); });
    return shown;
}

}  // namespace

QString shown_value(QStringView value, ValueReading reading, const QFont& font, qreal width_mm) {
    const QFontMetricsF metrics = page_metrics(font);
    const qreal width = width_mm / 25.4 * slip_pdf_dpi;
    // First a bound that costs next to nothing: hardly a character is narrower than a tenth of
    // the font's size, so more clusters than that do not fit. Where they do (hair spaces,
    // characters with no width), four times as many are taken, up to a limit; the rest is cut.
    const qreal size = font.pointSizeF() / 72 * slip_pdf_dpi;
    const auto first_count = static_cast<qsizetype>(std::ceil(width / (size / 10))) + 1;
    qsizetype count = first_count;
    Leading leading = leading_clusters(value, count);
    QString shown = visible_characters(leading.text);
    while (leading.cut && count < 16 * first_count && metrics.horizontalAdvance(shown) <= width) {
        count *= 4;
        leading = leading_clusters(value, count);
        shown = visible_characters(leading.text);
    }
    if (leading.cut || metrics.horizontalAdvance(shown) > width) {
        shown = cut_to_fit(shown, metrics, width);
    }
    return reading == ValueReading::left_to_right ? left_to_right(shown) : isolated(shown);
}

}  // namespace print
