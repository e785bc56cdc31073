#pragma once

class QLineEdit;

namespace ui {

/// The width a single-line field has for its text, in pixels: its contents less the style's
/// frame, the text margins and the field's own margin on each side.
int text_room(const QLineEdit& field);

/// Keeps a field's whole text in view: at the field's own font while it fits, which is every
/// ordinary amount, and otherwise at the largest smaller size that fits. Without this a field
/// scrolls a long amount and shows only its end.
void fit_text_to_field(QLineEdit& field);

}  // namespace ui
