#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "language/language.h"
#include "staff/run_rules.h"

namespace ui {

/// What the command line of `velnaro` asks for.
enum class Request {
    show_window,
    screenshot,
    help,
    version,
    usage_error,
};

/// The command line of `velnaro`, read before the toolkit starts, so that a wrong option or a
/// question answered on the terminal needs no display.
class ProgramOptions {
  public:
    ProgramOptions();

    /// Reads the arguments, the program's name first.
    Request parse(const QStringList& arguments);

    /// The file to write the start window's picture to, when asked.
    std::optional<QString> screenshot_file() const;

    /// The rules file to compute with (--rules) and the one whose rules the comparison window
    /// sets the rules in effect against (--compare-rules), each when named, in the bytes they
    /// were given as.
    staff::RulesFiles rules_files() const;

    /// The language asked for with --language, if any.
    std::optional<language::Language> language() const;

    /// What is wrong with the arguments, after a usage error: one line.
    QString error_text() const;

    /// The text of --help; needs the application object, which names the program.
    QString help_text() const;

  private:
    std::optional<QString> value_of(const QCommandLineOption& option) const;

    QCommandLineParser parser_;
    QCommandLineOption screenshot_;
    QCommandLineOption rules_;
    QCommandLineOption compare_rules_;
    QCommandLineOption on_;
    QCommandLineOption rules_dir_;
    QCommandLineOption language_;
    QString error_;
};

/// The arguments of `main`, as the toolkit reads them.
QStringList arguments_of(int argc, const char* const argv[]);

}  // namespace ui
