#pragma once

#include <QFont>
#include <QString>
#include <QStringView>

namespace print {

/// Which way a value from a file reads on a page.
enum class ValueReading {
    /// The way its first letter reads: a name, Arabic or Latin.
    own_direction,
    /// Left to right, whatever it holds: an id, read in the order the file holds it.
    left_to_right,
};

/// A value from a file (a name, an id) as one line of a page, in `font` and at most `width_mm`
/// wide: its bidi formatting characters and control characters made visible, never acting;
/// cut where it does not fit, between two grapheme clusters, and ended with "…"; isolated, so
/// that nothing in it reorders the line around it. Only what can fit is shaped, so a value of
/// any length costs about the same.
QString shown_value(QStringView value, ValueReading reading, const QFont& font, qreal width_mm);

}  // namespace print
