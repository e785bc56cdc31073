#include "ui/field_explanations.h"

#include <QAction>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

#include "pay/explanation.h"
#include "print/qt_text.h"
#include "ui/explanation_window.h"
#include "ui/isolated_text.h"

namespace ui {

using print::qt_text;

namespace {

// The tooltip's last line: the ways to the explanation window.
QString how_to_open_hint() {
    return QStringLiteral(
               "<p dir=\"ltr\" align=\"right\"><i>Double-click, Shift+F1, or "
               "\u201c%1\u201d in the context menu: the full explanation.</i></p>")
        .arg(isolated_text(qt_text(explain_amount_caption)));
}

}  // namespace

FieldExplanations::FieldExplanations(const std::array<QLineEdit*, pay::slip_field_count>& fields,
                                     const pay::PaySession& session, QObject* parent)
    : QObject(parent), fields_(fields), session_(session) {
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

std::optional<pay::SlipField> FieldExplanations::field_of(const QObject* watched) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] == watched) {
            return static_cast<pay::SlipField>(i);
        }
    }
    return std::nullopt;
}

void FieldExplanations::show_tooltip(pay::SlipField field, QLineEdit& edit,
                                     const QPoint& where) const {
    const pay::FieldExplanation explanation = pay::explain_field(session_, field);
    // A screen reader reads the description of the focused field.
    edit.setAccessibleDescription(explanation_text(explanation, edit.text()));
    QToolTip::showText(where, explanation_tooltip(explanation) + how_to_open_hint(), &edit);
}

void FieldExplanations::open_window(pay::SlipField field, QLineEdit& edit) const {
    QToolTip::hideText();
    open_explanation_window(pay::explain_field(session_, field), edit.text(), edit.window());
}

bool FieldExplanations::eventFilter(QObject* watched, QEvent* event) {
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
            // A tooltip hides itself on any change of focus: show it once the change is done.
            QTimer::singleShot(0, &edit, [this, field = *field, &edit] {
                if (edit.hasFocus()) {
                    show_tooltip(field, edit, edit.mapToGlobal(QPoint(0, edit.height())));
                }
            });
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
