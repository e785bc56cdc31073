#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "print/slip_page.h"
#include "ui/message_presenter.h"

class QAction;
class QLineEdit;
class QPrinter;
class QWidget;

namespace pay {
class PaySession;
}

namespace ui {

class Announcement;

/// Asks where and how to print; true when the user chose to print on `printer` as set.
using PrintDialog = std::function<bool(QWidget& parent, QPrinter& printer)>;

/// Asks for the PDF file to write, starting from a suggested path; empty when cancelled.
using PdfFileDialog = std::function<QString(QWidget& parent, const QString& suggested_path)>;

/// The system's print dialog.
bool show_print_dialog(QWidget& parent, QPrinter& printer);

/// The system's save-file dialog, for PDF files.
QString ask_pdf_file(QWidget& parent, const QString& suggested_path);

/// The file name suggested for a slip saved on `date`: velnaro-slip-YYYY-MM-DD.pdf.
QString slip_file_name(const QDate& date);

/// The message shown when a slip action is asked for before the first computation.
extern const std::string_view nothing_to_print_text;

/// What the window says, briefly, once the slip is on the clipboard.
extern const std::string_view slip_copied_text;

/// What the slip actions take from the window's surroundings.
struct SlipActionOptions {
    QString decimal_separator;
    MessagePresenter present_message;
    PrintDialog ask_printer;
    PdfFileDialog ask_pdf_path;
    std::function<QDateTime()> now;
    /// The language of the printed, saved and copied slip.
    language::Catalogue catalogue{};
};

/// Print, save as PDF and copy as text, on the slip of the window's last computation. The
/// actions carry their shortcuts (Ctrl+P, Ctrl+Shift+S, Ctrl+Shift+C) on the window.
class SlipActions {
  public:
    SlipActions(QWidget& form, const pay::PaySession& session, SlipActionOptions options);

    QAction* print_action() const { return print_; }
    QAction* save_pdf_action() const { return save_pdf_; }
    QAction* copy_action() const { return copy_; }
    QList<QAction*> actions() const { return {print_, save_pdf_, copy_}; }

    void print();
    void save_pdf();
    void copy_text();

  private:
    /// The slip to print, or none (after saying so) before the first computation.
    std::optional<print::SlipContent> current_slip();
    /// Says `sentence` for a moment over the window, taking neither the focus nor a click, and
    /// to screen readers.
    void confirm(const QString& sentence);

    QWidget& form_;
    const pay::PaySession& session_;
    SlipActionOptions options_;
    QAction* print_;
    QAction* save_pdf_;
    QAction* copy_;
    /// Owned by the form.
    Announcement* announcement_;
};

/// Gives a result field a context menu of its own editing entries followed by `actions`.
void add_actions_to_field_menu(QLineEdit& field, const QList<QAction*>& actions);

}  // namespace ui
