#include "ui/field_explanations.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QWindow>

#include "pay/explanation.h"
#include "pay/slip_view.h"
#include "print/bidi_text.h"
#include "print/qt_text.h"
#include "ui/accessible_names.h"
#include "ui/explanation_window.h"
#include "ui/form_language.h"
#include "wording/explanation_text.h"

namespace ui {

using print::qt_text;

namespace {

// A tooltip lies over other results: a click there is meant for them, not for the tooltip.
void let_clicks_through_tooltip() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible() &&
            window->windowHandle() != nullptr) {
            window->windowHandle()->setFlag(Qt::WindowTransparentForInput);
        }
    }
}

// The tooltip's last line: the ways to the explanation window.
QString how_to_open_hint(const language::Catalogue& catalogue, Qt::LayoutDirection direction) {
    const QString hint =
        catalogue.text(language::explanation_context, how_to_open_text)
            .arg(print::isolated(QStringLiteral("Shift+F1")),
                 print::isolated(shown_text(catalogue, qt_text(explain_amount_caption))));
    return (direction == Qt::RightToLeft ? QStringLiteral("<p dir=\"rtl\"><i>")
                                         : QStringLiteral("<p><i>")) +
           hint.toHtmlEscaped() + QStringLiteral("</i></p>");
}

}  // namespace

FieldExplanations::FieldExplanations(const std::array<QLineEdit*, pay::slip_field_count>& fields,
                                     const pay::PaySession& session, QObject* parent,
                                     const language::Catalogue& catalogue)
    : QObject(parent),
      fields_(fields),
      session_(session),
      catalogue_(catalogue),
      words_(catalogue),
      direction_(language::is_right_to_left(catalogue.language()) ? Qt::RightToLeft
                                                                  : Qt::LeftToRight),
      how_to_open_hint_(how_to_open_hint(catalogue, direction_)) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QLineEdit* field = fields_[i];
        field->installEventFilter(this);
        auto* action = new QAction(qt_text(explain_amount_caption), field);
        action->setObjectName(QStringLiteral("explain_amount"));
        action->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
        // Each field's own: Shift+F1 explains the field that has the focus.
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        field->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, field = static_cast<pay::SlipField>(i), field_edit = field] {
                    open_window(field, *field_edit);
                });
        actions_[i] = action;
    }
}

wording::Explanation FieldExplanations::explanation_of(pay::SlipField field) const {
    return wording::explain_field(pay::view_slip(session_, pay::ViewDetail::explained), field,
                                  session_.decimal_separator(), words_.words());
}

std::optional<pay::SlipField> FieldExplanations::field_of(const QObject* watched) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] == watched) {
            return static_cast<pay::SlipField>(i);
        }
    }
    return std::nullopt;
}

void FieldExplanations::describe(pay::SlipField field, QLineEdit& edit) const {
    // A screen reader reads the focused field's name and value, then its description.
    edit.setAccessibleDescription(
        without_bidi_marks(explanation_description(explanation_of(field))));
}

void FieldExplanations::show_tooltip(pay::SlipField field, QLineEdit& edit, const QPoint& where) {
    const wording::Explanation explanation = explanation_of(field);
    edit.setAccessibleDescription(without_bidi_marks(explanation_description(explanation)));
    // Shown while the pointer stays on the field.
    QToolTip::showText(where, explanation_tooltip(explanation, direction_) + how_to_open_hint_,
                       &edit, edit.rect());
    let_clicks_through_tooltip();
    // Escape reaches the focused control, which may be any: watch the keys while it shows.
    qApp->installEventFilter(this);
}

bool FieldExplanations::dismissed_by_escape(QEvent* event) const {
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier || !QToolTip::isVisible()) {
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // The key comes as a key press, not as a shortcut of the window.
        event->accept();
        return true;
    }
    QToolTip::hideText();
    return true;
}

void FieldExplanations::open_window(pay::SlipField field, QLineEdit& edit) const {
    QToolTip::hideText();
    open_explanation_window(explanation_of(field), edit.text(), edit.window(), catalogue_);
}

bool FieldExplanations::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp) {
        return QObject::eventFilter(watched, event);
    }
    if (dismissed_by_escape(event)) {
        return true;
    }
    const std::optional<pay::SlipField> field = field_of(watched);
    if (!field) {
        return QObject::eventFilter(watched, event);
    }
    auto& edit = *static_cast<QLineEdit*>(watched);
    switch (event->type()) {
        case QEvent::ToolTip:
            show_tooltip(*field, edit, static_cast<QHelpEvent*>(event)->globalPos());
            return true;
        case QEvent::FocusIn:
            // No tooltip, which would cover the results around the field.
            describe(*field, edit);
            break;
        case QEvent::Leave:
            QToolTip::hideText();
            break;
        case QEvent::MouseButtonDblClick:
            open_window(*field, edit);
            return true;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
