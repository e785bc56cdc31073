#include "ui/form_language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "language/pay_texts.h"
#include "pay/slip_fields.h"
#include "ui/window_layout.h"

namespace ui {
namespace {

// Where a translated list keeps the Arabic item each shown item stands for.
constexpr int source_role = Qt::UserRole + 1;
constexpr const char* window_context = "window";
const QString joint = QStringLiteral(": ");

QString one_text(const language::Catalogue& catalogue, const QString& arabic) {
    const std::string title = pay::caption_title(arabic.toStdString());
    if (catalogue.has(language::pay_context, title)) {
        return catalogue.text(language::pay_context, title);
    }
    return catalogue.text(window_context, title);
}

// A caption drawn smaller until it fits its place whole, as the longer French captions need.
void fit_caption(QLabel& label) {
    constexpr qreal smallest = 6;
    const qreal room = caption_room(label);
    QFont font = label.font();
    const qreal width = QFontMetricsF(font).horizontalAdvance(label.text());
    if (width <= room) {
        return;
    }
    // A text's width follows its size: start at the size that should just fit, in half points,
    // and go down while rounding keeps it too wide.
    font.setPointSizeF(std::max(smallest, std::floor(2 * font.pointSizeF() * room / width) / 2));
    while (QFontMetricsF(font).horizontalAdvance(label.text()) > room &&
           font.pointSizeF() > smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label.setFont(font);
}

void translate_names(QWidget& widget, const language::Catalogue& catalogue) {
    if (!widget.accessibleName().isEmpty()) {
        widget.setAccessibleName(shown_text(catalogue, widget.accessibleName()));
    }
    if (!widget.accessibleDescription().isEmpty()) {
        widget.setAccessibleDescription(shown_text(catalogue, widget.accessibleDescription()));
    }
}

Qt::Alignment mirrored(Qt::Alignment alignment) {
    if (alignment.testFlag(Qt::AlignRight)) {
        return (alignment & ~Qt::AlignRight) | Qt::AlignLeft;
    }
    return alignment;
}

}  // namespace

int caption_room(const QLabel& label) {
    int room = label.contentsRect().width() - 2 * label.margin() - 4;
    for (const QLineEdit* field :
         label.parentWidget()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        // A field as wide as most of its label lies under the caption, not beside it.
        const bool beside = field->width() < label.width() / 2;
        if (beside && field->geometry().intersects(label.geometry())) {
            room -= field->geometry().intersected(label.geometry()).width() + 4;
        }
    }
    return room;
}

QString shown_text(const language::Catalogue& catalogue, const QString& arabic) {
    if (catalogue.language() == language::Language::ar || arabic.isEmpty()) {
        return arabic;
    }
    QStringList parts = arabic.split(joint);
    for (QString& part : parts) {
        part = one_text(catalogue, part);
    }
    return parts.join(joint);
}

void show_form_in(QWidget& form, const language::Catalogue& catalogue) {
    if (catalogue.language() == language::Language::ar) {
        return;
    }
    const int width = client_size.width();
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = child->geometry();
        child->move(width - place.x() - place.width(), place.y());
        translate_names(*child, catalogue);
        if (auto* label = qobject_cast<QLabel*>(child)) {
            label->setLayoutDirection(Qt::LeftToRight);
            label->setAlignment(mirrored(label->alignment()));
            if (!label->text().isEmpty()) {
                label->setText(shown_text(catalogue, label->text()));
                fit_caption(*label);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            button->setText(shown_text(catalogue, button->text()));
        } else if (auto* list = qobject_cast<QComboBox*>(child)) {
            list->setLayoutDirection(Qt::LeftToRight);
            list->lineEdit()->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
            const QString current = list->currentText();
            for (int i = 0; i < list->count(); ++i) {
                const QString item = list->itemText(i);
                list->setItemData(i, item, source_role);
                list->setItemText(i, shown_text(catalogue, item));
            }
            list->setEditText(shown_text(catalogue, current));
        }
    }
}

void show_actions_in(QWidget& window, const language::Catalogue& catalogue) {
    if (catalogue.language() == language::Language::ar) {
        return;
    }
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->menu() == nullptr) {
            action->setText(shown_text(catalogue, action->text()));
        }
    }
}

MessagePresenter in_language(MessagePresenter present, const language::Catalogue& catalogue) {
    if (catalogue.language() == language::Language::ar) {
        return present;
    }
    return [present = std::move(present), catalogue](QWidget& parent, const Message& message) {
        present(parent,
                {shown_text(catalogue, message.title), shown_text(catalogue, message.text)});
    };
}

std::string choice_list_text(const QComboBox& list) {
    const QString text = list.currentText();
    // Arabic lists hold their items as the computation reads them.
    if (list.count() == 0 || !list.itemData(0, source_role).isValid()) {
        return text.toStdString();
    }
    const int index = list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index < 0 ? text.toStdString()
                     : list.itemData(index, source_role).toString().toStdString();
}

}  // namespace ui
