#include "ui/accessible_names.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "pay/bidi_format.h"

#include "pay/slip_fields.h"

namespace ui {

QString spoken_text(QStringView caption) {
    return QString::fromStdString(pay::caption_title(caption.toString().toStdString()));
}

QString without_bidi_marks(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!pay::is_bidi_format(c.unicode())) {
            kept.append(c);
        }
    }
    return kept;
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

/// A read-only line as screen readers see it: text they can read, select and copy, named by its
/// label, valued by its text, and neither editable nor offering to edit.
class AccessibleReadOnlyLine : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleReadOnlyLine(QLineEdit* line)
        : QAccessibleWidget(line, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return line()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.selectable = true;
        state.selected = line()->hasSelectedText();
        state.hasPopup = line()->contextMenuPolicy() != Qt::NoContextMenu;
        return state;
    }

    // The text interface, on the line's own text, cursor and selection.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && line()->hasSelectedText()) {
            *start = line()->selectionStart();
            *end = line()->selectionEnd();
        }
    }
    int selectionCount() const override { return line()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            line()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            line()->setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return line()->cursorPosition(); }
    void setCursorPosition(int position) override { line()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return line()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(line()->text().size()); }
    QRect characterRect(int /*offset*/) const override {
        // The whole line: a reader's highlight covers the amount, which is short.
        return rect();
    }
    int offsetAtPoint(const QPoint& point) const override {
        return line()->cursorPositionAt(line()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

  private:
    QLineEdit* line() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* read_only_line_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("QLineEdit")) {
        auto* line = static_cast<QLineEdit*>(object);
        if (line->isReadOnly()) {
            return new AccessibleReadOnlyLine(line);
        }
    }
    return nullptr;
}

}  // namespace

void keep_list_names() {
    QAccessible::installFactory(list_factory);
}

void read_fields_as_read_only() {
    QAccessible::installFactory(read_only_line_factory);
}

}  // namespace ui
