#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace print {

/// Font metrics at the resolution the page painter shapes texts at on a PDF page, in dots.
QFontMetricsF page_metrics(const QFont& font);

/// How wide `text` is drawn in `font` on a slip's page, in millimetres.
qreal page_width_mm(const QString& text, const QFont& font);

/// The size at which `text` is drawn within `width_mm` in the window font: `points` where it
/// fits, else the largest size a quarter point smaller that fits, but never under `smallest`.
qreal fitted_points(const QString& text, qreal points, bool bold, qreal width_mm, qreal smallest);

/// `text` cut into lines that are each drawn within `width_mm` in `font`: at spaces, and between
/// two characters as they are seen where a word alone is wider than that.
QStringList wrapped_lines(const QString& text, const QFont& font, qreal width_mm);

}  // namespace print
