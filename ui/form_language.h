#pragma once

#include <QString>
#include <string>

#include "language/catalogue.h"
#include "ui/message_presenter.h"

class QComboBox;
class QLabel;
class QWidget;

namespace ui {

/// A text of the windows in the language of `catalogue`: a text of pay/ by its title, any other
/// by its own words; a name made of two texts ("caption: topic") word by word. Arabic as written.
QString shown_text(const language::Catalogue& catalogue, const QString& arabic);

/// Shows the built form in the language of `catalogue`: every caption, list item, button and
/// name for screen readers in that language, each caption fitted whole in its place, and the form
/// as the mirror of its Arabic places, read from the left. An Arabic catalogue leaves the form as
/// built.
void show_form_in(QWidget& form, const language::Catalogue& catalogue);

/// The width a label's caption has in its form: its own, less the fields beside its caption (a
/// total bar holds its field).
int caption_room(const QLabel& label);

/// Names every action of `window` and of its children (menu entries) in the language of
/// `catalogue`.
void show_actions_in(QWidget& window, const language::Catalogue& catalogue);

/// `present` showing each message in the language of `catalogue`.
MessagePresenter in_language(MessagePresenter present, const language::Catalogue& catalogue);

/// The text of a choice list as the computation reads it: the Arabic item a shown item stands
/// for, matched exactly as the Arabic items are, or the text as typed.
std::string choice_list_text(const QComboBox& list);

}  // namespace ui
