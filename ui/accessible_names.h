#pragma once

#include <QString>
#include <QStringView>

namespace ui {

/// A caption as a screen reader says it: without the tatweel that stretches the drawn words
/// (U+0640) and without surrounding spaces.
QString spoken_text(QStringView caption);

/// A text as a screen reader gets it: without the invisible bidi isolates and marks that order
/// its drawing, which some readers speak. What is drawn keeps them.
QString without_bidi_marks(QStringView text);

/// Makes every drop-down list keep its accessible name (or its label's caption) as its name
/// whatever it holds, its text being its value. On Linux Qt names a list by its text once it
/// holds one, so a screen reader would hear "0" for two different lists. Call once, after the
/// application object exists.
void keep_list_names();

/// Makes every read-only single-line field read as read-only text: not editable, with no
/// editing interface, its text its value. Qt tells screen readers such a field is editable.
/// Call once, after the application object exists.
void read_fields_as_read_only();

}  // namespace ui
