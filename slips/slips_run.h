#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "language/catalogue.h"
#include "pay/rules.h"
#include "staff/exit_status.h"

namespace slips {

/// One run of velnaro-slips.
struct SlipsRun {
    /// What every slip is computed with and names; they outlive the run.
    const pay::PayRules& rules;
    /// How messages name the input.
    std::string input_name = "the input";
    /// The PDF file to write, as the system names it: a regular file is replaced at the end of a
    /// run that wrote every page, anything else (a device, a pipe) is written in place.
    std::string output;
    /// The date and time printed on every slip.
    QDateTime printed_at;
    /// Called after each page with the pages written so far; empty for no progress.
    std::function<void(std::size_t pages)> progress;
    /// Called before each message, to take a progress line off the terminal; may be empty.
    std::function<void()> before_message;
    /// The language of the pages.
    language::Catalogue catalogue{};
    /// On bilingual pages, the second language, each caption printed under the first one's.
    std::optional<language::Catalogue> second_catalogue{};
};

/// Reads the CSV text that velnaro-calc --batch reads and writes one A4 page per valid row to
/// the output, with the row's `name` or `id` column at its top. A faulty row makes no page and
/// is listed on `err` with its line number and error. The output takes its name only at the end
/// of a run that could read every row and write every page; otherwise any earlier file stays.
staff::ExitStatus write_slips(std::istream& input, const SlipsRun& run, std::ostream& err);

/// The status of a run that an interrupt ended.
inline constexpr int interrupted_status = 130;

}  // namespace slips
