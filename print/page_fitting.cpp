#include "print/page_fitting.h"

#include <QImage>
#include <QTextBoundaryFinder>
#include <cmath>

#include "print/fonts.h"
#include "print/slip_page.h"

namespace print {

QFontMetricsF page_metrics(const QFont& font) {
    QImage page(1, 1, QImage::Format_Mono);
    page.setDotsPerMeterX(static_cast<int>(std::lround(slip_pdf_dpi / 0.0254)));
    page.setDotsPerMeterY(page.dotsPerMeterX());
    return QFontMetricsF(font, &page);
}

qreal page_width_mm(const QString& text, const QFont& font) {
    return page_metrics(font).horizontalAdvance(text) / slip_pdf_dpi * 25.4;
}

qreal fitted_points(const QString& text, qreal points, bool bold, qreal width_mm, qreal smallest) {
    const qreal drawn = page_width_mm(text, window_font(points, bold));
    if (drawn <= width_mm) {
        return points;
    }
    // Widths grow about as the size: start from that guess, in quarter points, and step down
    // where hinting makes it a little wider.
    constexpr qreal step = 0.25;
    qreal size = std::max(smallest, std::floor(points * width_mm / drawn / step) * step);
    while (size - step >= smallest && page_width_mm(text, window_font(size, bold)) > width_mm) {
        size -= step;
    }
    return size;
}

namespace {

// A word wider than the line, cut between grapheme clusters into pieces that fit.
QStringList cut_word(const QString& word, const QFontMetricsF& metrics, qreal width) {
    QStringList pieces;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    qsizetype last_fit = 0;
    for (qsizetype end = clusters.toNextBoundary(); end != -1; end = clusters.toNextBoundary()) {
        if (metrics.horizontalAdvance(word.mid(start, end - start)) > width && last_fit > start) {
            pieces.push_back(word.mid(start, last_fit - start));
            start = last_fit;
        }
        last_fit = end;
    }
    pieces.push_back(word.mid(start));
    return pieces;
}

}  // namespace

QStringList wrapped_lines(const QString& text, const QFont& font, qreal width_mm) {
    const QFontMetricsF metrics = page_metrics(font);
    const qreal width = width_mm / 25.4 * slip_pdf_dpi;
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        if (!line.isEmpty()) {
            lines.push_back(line);
        }
        QStringList pieces = cut_word(word, metrics, width);
        line = pieces.takeLast();
        lines.append(pieces);
    }
    lines.push_back(line);
    return lines;
}

}  // namespace print
