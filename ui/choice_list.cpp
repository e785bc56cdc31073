#include "ui/choice_list.h"

#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QString>
#include <QStringList>

namespace ui {

QComboBox* make_choice_list(std::span<const std::string_view> items, const QFont& font,
                            QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setFont(font);
    // The list has a fixed place, so its items need not be measured to size it.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    // When editing ends on a text that matches an item, QComboBox selects that item and emits
    // `activated` as if it had been picked; a typed text must not count as a pick.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string_view item : items) {
        texts.append(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
    list->addItems(texts);
    list->setCurrentIndex(-1);
    list->setMaxVisibleItems(static_cast<int>(items.size()));
    return list;
}

}  // namespace ui
