#include "ui/accessible_names.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "pay/slip_fields.h"

namespace ui {

QString spoken_text(QStringView caption) {
    return QString::fromStdString(pay::caption_title(caption.toString().toStdString()));
}

namespace {

/// A drop-down list as screen readers see it: a combo box named by its caption, valued by its
/// text, holding its drop-down view and, when it takes typing, its line.
class AccessibleList : public QAccessibleWidget {
  public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return list()->currentText();
        }
        // The name: the accessible name, else the caption of the label whose buddy it is.
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = list()->currentText();
        }
        return text;
    }

    int childCount() const override { return list()->lineEdit() != nullptr ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(list()->view());
        }
        if (index == 1 && list()->lineEdit() != nullptr) {
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        }
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        if (child->object() == list()->view()) {
            return 0;
        }
        if (list()->lineEdit() != nullptr && child->object() == list()->lineEdit()) {
            return 1;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QLineEdit* line = list()->lineEdit();
        if (line != nullptr && line->isVisible() &&
            QRect(line->mapToGlobal(QPoint(0, 0)), line->size()).contains(x, y)) {
            return child(1);
        }
        return nullptr;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = list()->isEditable();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            list()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* list_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("QComboBox") && object->isWidgetType()) {
        // Qt's accessibility cache owns the interface and drops it with the list.
        return new AccessibleList(static_cast<QComboBox*>(object));
    }
    return nullptr;
}

}  // namespace

void keep_list_names() {
    QAccessible::installFactory(list_factory);
}

}  // namespace ui
