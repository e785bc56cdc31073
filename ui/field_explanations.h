#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string_view>

#include "language/catalogue.h"
#include "language/explanation_words.h"
#include "pay/pay_session.h"
#include "pay/slip_fields.h"
#include "wording/explanation_text.h"

class QAction;
class QLineEdit;

namespace ui {

/// The entry of a result field's context menu that opens the field's explanation window.
inline constexpr std::string_view explain_amount_caption = "توضيح هذا المبلغ";

/// The tooltip's last line, the ways to the explanation window: %1 the shortcut, %2 the context
/// menu's entry.
inline constexpr std::string_view how_to_open_text =
    "للتوضيح الكامل: انقر مرتين، أو اضغط %1، أو اختر «%2» من قائمة السياق.";

/// Lets every result field explain its amount: a tooltip on hover, which says how to open the
/// explanation window, and that window on a double-click, Shift+F1 or the field's "explain"
/// action. The tooltip never takes a click meant for what it covers, goes once the pointer
/// leaves the field, and Escape dismisses it without moving the focus. Keyboard focus shows no
/// tooltip, which would cover other results; it gives the field the explanation as its
/// description for a screen reader. The explanation is built only when asked for, from the
/// window's session, so the OK action does no part of this work; its words are those of the
/// window's language, looked up once.
class FieldExplanations : public QObject {
  public:
    FieldExplanations(const std::array<QLineEdit*, pay::slip_field_count>& fields,
                      const pay::PaySession& session, QObject* parent,
                      const language::Catalogue& catalogue = {});

    /// The action that opens the explanation window of `field` (Shift+F1 while the field has the
    /// focus), for the field's context menu.
    QAction* explain_action(pay::SlipField field) const {
        return actions_[static_cast<std::size_t>(field)];
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// The field's explanation in words, from the view of the session's last computation.
    wording::Explanation explanation_of(pay::SlipField field) const;
    std::optional<pay::SlipField> field_of(const QObject* watched) const;
    void describe(pay::SlipField field, QLineEdit& edit) const;
    void show_tooltip(pay::SlipField field, QLineEdit& edit, const QPoint& where);
    /// Escape while a tooltip shows dismisses it, whichever control has the focus.
    bool dismissed_by_escape(QEvent* event) const;
    void open_window(pay::SlipField field, QLineEdit& edit) const;

    std::array<QLineEdit*, pay::slip_field_count> fields_;
    std::array<QAction*, pay::slip_field_count> actions_{};
    const pay::PaySession& session_;
    language::Catalogue catalogue_;
    language::ExplanationWords words_;
    Qt::LayoutDirection direction_;
    QString how_to_open_hint_;
};

}  // namespace ui
