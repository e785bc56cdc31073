#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>

class QCoreApplication;

namespace ui {

/// The command line of `velnaro`.
class ProgramOptions {
  public:
    ProgramOptions();

    /// Reads the arguments; answers --help and --version itself and ends the program.
    void process(const QCoreApplication& app);

    /// The file to write the start window's picture to, when asked.
    std::optional<QString> screenshot_file() const;

    /// Whether the arguments ask only for --help or --version, which need no display.
    static bool asks_for_text_only(int argc, const char* const argv[]);

  private:
    QCommandLineParser parser_;
    QCommandLineOption screenshot_;
};

}  // namespace ui
