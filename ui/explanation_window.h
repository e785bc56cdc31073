#pragma once

#include <QString>
#include <string_view>

#include "language/catalogue.h"
#include "pay/explanation.h"
#include "wording/explanation_text.h"

class QWidget;

namespace ui {

/// The title of the window that explains one amount.
inline constexpr std::string_view explanation_title = "كيف حُسب هذا المبلغ؟";

/// The explanation as rich text for a tooltip: the sentence in `direction` (that of its language),
/// each formula line left to right, all at the edge the sentence starts from.
QString explanation_tooltip(const wording::Explanation& explanation,
                            Qt::LayoutDirection direction = Qt::RightToLeft);

/// The explanation without the field's name and amount, which a screen reader already reads as
/// the field's name and value: the sentence, the formula lines and the named terms other than
/// the field itself.
QString explanation_description(const wording::Explanation& explanation);

/// Builds the explanation window of one field, titled and laid out in the language of
/// `catalogue` (that of the explanation's words), shows it modally over `parent` and drops it
/// once it is closed (Escape or its close button).
void open_explanation_window(const wording::Explanation& explanation, const QString& shown,
                             QWidget* parent, const language::Catalogue& catalogue = {});

}  // namespace ui
