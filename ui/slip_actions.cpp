#include "ui/slip_actions.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolTip>
#include <memory>
#include <utility>

#include "pay/pay_session.h"
#include "print/bidi_text.h"
#include "print/qt_text.h"
#include "print/slip_pdf.h"
#include "ui/announcement.h"
#include "ui/application.h"
#include "wording/catalogue.h"

namespace ui {

using print::lay_out_slip_page;
using print::paint_page;
using print::qt_text;
using print::set_slip_page_layout;
using print::slip_as_text;
using print::slip_content;
using print::SlipContent;
using print::write_slip_pdf;

const std::string_view nothing_to_print_text = wording::nothing_computed_text();
const std::string_view slip_copied_text = "نُسخ البيان إلى الحافظة";

namespace {

constexpr std::string_view print_caption = "طباعة البيان";
constexpr std::string_view save_pdf_caption = "حفظ البيان بصيغة المستندات المحمولة";
constexpr std::string_view copy_caption = "نسخ البيان نصا";
constexpr std::string_view cannot_save_text = "تعذر حفظ الملف";
constexpr std::string_view cannot_print_text = "تعذرت الطباعة";
// The pattern in brackets is read by the file dialog, not by the user.
constexpr std::string_view pdf_filter = "المستندات المحمولة (*.pdf)";
constexpr std::string_view saved_pdf_text = "حُفظ البيان في الملف:";
// Long enough to read a few words, short enough not to linger over the results.
constexpr int confirmation_ms = 2500;

// A small place at the middle of the window: where the confirmation shows.
QRect middle_of(const QWidget& form) {
    QRect middle(QPoint(0, 0), QSize(2, 2));
    middle.moveCenter(form.rect().center());
    return middle;
}

QAction* make_action(QWidget& form, std::string_view caption, const char* name,
                     const QKeySequence& keys) {
    auto* action = new QAction(qt_text(caption), &form);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    // Menus show the shortcut beside the entry.
    action->setShortcutVisibleInContextMenu(true);
    form.addAction(action);
    return action;
}

}  // namespace

bool show_print_dialog(QWidget& parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, &parent);
    return dialog.exec() == QDialog::Accepted;
}

QString ask_pdf_file(QWidget& parent, const QString& suggested_path) {
    // The dialog's own texts come from the catalogues installed in the application, as Qt's do.
    return QFileDialog::getSaveFileName(
        &parent, QCoreApplication::translate("window", save_pdf_caption.data()), suggested_path,
        QCoreApplication::translate("window", pdf_filter.data()));
}

QString slip_file_name(const QDate& date) {
    return QStringLiteral("velnaro-slip-%1.pdf").arg(date.toString(Qt::ISODate));
}

SlipActions::SlipActions(QWidget& form, const pay::PaySession& session, SlipActionOptions options)
    : form_(form),
      session_(session),
      options_(std::move(options)),
      print_(
          make_action(form, print_caption, "print_slip", QKeySequence(QStringLiteral("Ctrl+P")))),
      save_pdf_(make_action(form, save_pdf_caption, "save_slip_pdf",
                            QKeySequence(QStringLiteral("Ctrl+Shift+S")))),
      copy_(make_action(form, copy_caption, "copy_slip_text",
                        QKeySequence(QStringLiteral("Ctrl+Shift+C")))),
      announcement_(new Announcement(form, middle_of(form))) {
    QObject::connect(print_, &QAction::triggered, &form, [this] { print(); });
    QObject::connect(save_pdf_, &QAction::triggered, &form, [this] { save_pdf(); });
    QObject::connect(copy_, &QAction::triggered, &form, [this] { copy_text(); });
}

std::optional<SlipContent> SlipActions::current_slip() {
    const std::optional<pay::PayInputs>& choices = session_.computed_inputs();
    if (!choices) {
        options_.present_message(form_,
                                 {qt_text(application_title), qt_text(nothing_to_print_text)});
        return std::nullopt;
    }
    return slip_content(session_, *choices, options_.decimal_separator, options_.now(),
                        options_.catalogue);
}

void SlipActions::print() {
    const std::optional<SlipContent> slip = current_slip();
    if (!slip) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    set_slip_page_layout(printer);
    printer.setDocName(qt_text(application_title));
    if (!options_.ask_printer(form_, printer)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        options_.present_message(form_, {qt_text(application_title), qt_text(cannot_print_text)});
        return;
    }
    paint_page(painter, printer, lay_out_slip_page(*slip));
    painter.end();
}

void SlipActions::save_pdf() {
    const std::optional<SlipContent> slip = current_slip();
    if (!slip) {
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(slip_file_name(slip->printed_at.date()));
    const QString path = options_.ask_pdf_path(form_, suggested);
    if (path.isEmpty()) {
        return;
    }
    const QString error = write_slip_pdf(path, *slip);
    const QString file = print::isolated(QDir::toNativeSeparators(path));
    if (!error.isEmpty()) {
        options_.present_message(form_, {qt_text(application_title),
                                         qt_text(cannot_save_text) + QStringLiteral(" ") + file +
                                             QStringLiteral(": ") + print::isolated(error)});
        return;
    }
    // Writing a file shows nothing by itself: say where it went.
    options_.present_message(
        form_, {qt_text(application_title), qt_text(saved_pdf_text) + QStringLiteral(" ") + file});
}

void SlipActions::copy_text() {
    if (const std::optional<SlipContent> slip = current_slip()) {
        QGuiApplication::clipboard()->setText(slip_as_text(*slip));
        // Copying shows nothing by itself.
        confirm(qt_text(slip_copied_text));
    }
}

void SlipActions::confirm(const QString& sentence) {
    // A tooltip takes no focus and goes on the next key, click or after a moment.
    QToolTip::showText(form_.mapToGlobal(middle_of(form_).center()), sentence, &form_, {},
                       confirmation_ms);
    announcement_->say(sentence);
}

void add_actions_to_field_menu(QLineEdit& field, const QList<QAction*>& actions) {
    field.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&field, &QWidget::customContextMenuRequested, &field,
                     [&field, actions](const QPoint& at) {
                         const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
                         // The field reads its amount left to right; its menu reads right to left.
                         menu->setLayoutDirection(Qt::RightToLeft);
                         menu->addSeparator();
                         menu->addActions(actions);
                         menu->exec(field.mapToGlobal(at));
                     });
}

}  // namespace ui
