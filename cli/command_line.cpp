#include "cli/command_line.h"

#include <velnaro/project.h>
#include <CLI/CLI.hpp>

#include <array>
#include <charconv>
#include <span>
#include <string_view>
#include <tuple>

#include "cli/row_format.h"
#include "cli/rules_comparison.h"
#include "language/language.h"
#include "pay/slip_fields.h"
#include "staff/choice_aliases.h"
#include "staff/messages.h"
#include "staff/rule_sets.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;
namespace {

template <typename Items>
std::string joined(const Items& items, std::string_view separator) {
    std::string text;
    for (const auto& item : items) {
        text += text.empty() ? "" : separator;
        text += item;
    }
    return text;
}

// Comma-separated names, broken into indented lines of at most 80 characters.
template <typename Names>
std::string wrapped(const Names& names) {
    constexpr std::size_t width = 80;
    std::string text = "  ";
    std::size_t line_start = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t added = names[i].size() + (i + 1 < names.size() ? 1 : 0);
        if (text.size() - line_start + added > width) {
            text += "\n  ";
            line_start = text.size() - 2;
        }
        text += names[i];
        text += i + 1 < names.size() ? "," : "";
    }
    return text + "\n";
}

// The spelling of `option` that the command line used last ("-o" or "--output"), so that a
// message about its value names the option as the user typed it.
std::string typed_name(const CLI::Option& option, int argc, const char* const* argv) {
    std::string typed = option.get_name();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        for (const std::string& name : option.get_lnames()) {
            const std::string spelled = "--" + name;
            if (arg == spelled || arg.starts_with(spelled + "=")) {
                typed = spelled;
            }
        }
        for (const std::string& name : option.get_snames()) {
            if (arg.starts_with("-" + name) && !arg.starts_with("--")) {
                typed = "-" + name;
            }
        }
    }
    return typed;
}

std::string footer() {
    std::array<std::string_view, pay::slip_field_count + 1> output_names{};
    for (std::size_t i = 0; i < pay::slip_fields.size(); ++i) {
        output_names[i] = pay::slip_fields[i].name;
    }
    output_names.back() = error_column;
    std::array<std::string_view, pay::all_choices.size()> choice_names{};
    for (std::size_t i = 0; i < choice_names.size(); ++i) {
        choice_names[i] = pay::choice_name(pay::all_choices[i]);
    }
    std::string text;
    text += "One slip: the seven choices; prints each field's name, amount and label in the\n";
    text += "window's order, or with --json one JSON object.\n\n";
    text += "Values: the window's list items, or these ASCII aliases:\n";
    text += "  scale 9, 10, 11, out for " + joined(pay::scale_items, " | ") + "\n";
    text += "  rank 1 to 13 as the scale's list holds them, exceptional for ";
    text += std::string(pay::exceptional_rank) + "\n";
    text += "  zone A, B, C for " + joined(pay::zone_items, ", ") + "\n";
    text += "  yes, no for " + joined(pay::yes_no_items, ", ") + "\n";
    text += "  children and dependents: one digit from 0 to 6, ASCII or Arabic-Indic\n\n";
    text += "--compare AXIS with the seven choices: the pay along AXIS (rank: every rank of the\n";
    text += "scale; scale: every scale with the rank at the same place in its list, the others\n";
    text += "counted in a note; zone: the three zones; children, dependents: 0 to 6), each row\n";
    text += "computed alone. CSV (or JSON Lines with --json): the changed choice, gross_total,\n";
    text += "total_deductions, income_tax, annual_pay, monthly_pay, monthly_difference and\n";
    text += "annual_difference (from your own row, signed) and current (yes on your own row).\n\n";
    text += "Batch: CSV in UTF-8 (byte-order mark optional), LF or CRLF, quoted as in RFC 4180;\n";
    text += "FILE - reads standard input. The header row names the columns\n";
    text += "  " + joined(choice_names, ",") + "\n";
    text += "in any order, in any case and with spaces around (special-charges and mutual too);\n";
    text += "other columns are passed through untouched. A header with no comma but a ';' or a\n";
    text += "tab sets that separator, for input and output, unless --delimiter does. One row per\n";
    text += "input row, in input order (CSV, or JSON Lines with --json): the input columns, then\n";
    text += wrapped(output_names);
    text += "each the text the window shows, with \".\" as the decimal separator. error is empty\n";
    text += "on success and names every faulty column otherwise; a refused row has empty\n";
    text += "amounts. Every row stands alone. Standard error names the lines of the first faulty\n";
    text += "rows; on a terminal, a long batch shows its progress there.\n\n";
    text += "For spreadsheets: --delimiter ';' (or tab) for input and output, --decimal-comma\n";
    text += "for amounts such as 6033,13 (not with ',' between fields), --bom for a byte-order\n";
    text += "mark. --template prints a header and an example row to fill in; --summary adds\n";
    text += "the rows read, the rows with errors and the sums over the rows that succeeded.\n\n";
    text += "--session: the rows are the successive OK presses of one window. Texts are taken as\n";
    text += "typed (no aliases), and values left unwritten carry from row to row. A refused row\n";
    text += "shows what the window still shows, with the error \"missing choice: COLUMN\" or\n";
    text += "\"refused: COLUMN\", COLUMN being the list the window would focus.\n\n";
    text += "--explain: each amount with how it was reached, its formula lines under it in the\n";
    text += "table; with --json an \"explanation\" member gives each field's kind, sentence,\n";
    text += "formula and terms (name, value as shown, operation). In batch mode it needs --json.\n";
    text += "A first line (with --json, a \"rules\" member before the explanation) names the\n";
    text +=
        "rules in effect, as \"2010 (2010-01-01)\": their name and the day they take effect.\n\n";
    text +=
        "Rules: --rules FILE computes in every mode with the rules of FILE, a TOML rules file\n";
    text += "described in velnaro-rules(5), instead of the built-in 2010 rules. --show-rules\n";
    text += "prints the rules in effect as such a file: the way to start next year's. A refused\n";
    text += "rules file is told as FILE:LINE:COL: message, exit status 2, before anything is\n";
    text += "computed or written (-o OUT stays as it was).\n";
    text += "--compare-rules OTHER computes each slip under the rules in effect and under OTHER,\n";
    text += "the previous rules. One slip: a table of the 21 fields in effect, previous and\n";
    text += "their difference. A batch (and one slip with --json) gains, after monthly_pay, the\n";
    text += "columns previous_monthly_pay, monthly_difference (in effect less previous, from the\n";
    text += "two shown amounts, exact to the cent) and, with --months N (1 to 600), arrears: N\n";
    text += "times the monthly difference. Differences are signed (+ or -, no sign for 0.00); a\n";
    text += "row with an error leaves them empty; --summary adds up both.\n\n";
    text += "Rule sets over time: without --rules, the built-in set, the files of\n";
    text += "/usr/share/velnaro/rules, $XDG_DATA_HOME/velnaro/rules and each --rules-dir DIR are\n";
    text +=
        "known sets, each in force from its effective day to the next; the set in force today,\n";
    text += "or on --on DAY, is used. --list-rules lists them. Two different sets on one day are\n";
    text += "refused (status 2).\n";
    text += "--from DAY --to DAY with --batch: arrears month by month. Each row gains due (the\n";
    text += "monthly pay under the sets in force, weighted by calendar days, rounded once a\n";
    text += "month), paid (under --paid-rules, else the set in force the day before --from, or\n";
    text += "the row's paid_monthly_pay) and arrears; rows may have from and to columns.\n";
    text += "--arrears-detail FILE: one line per row and month. See velnaro-rules(5).\n\n";
    text += "A malformed record (a misplaced or unclosed quote, a record over 1 MiB, a wrong\n";
    text += "field count, invalid UTF-8) is an error of its row, and a quote never spans the\n";
    text += "lines after a malformed record's first: no row is lost.\n\n";
    text += "-o OUT may name the input: the output goes to a temporary file beside OUT that\n";
    text += "replaces it only when everything is written. A failure or an interrupt leaves OUT\n";
    text += "as it was; an interrupt that comes as OUT takes its name is told, the run stands.\n";
    text += "OUT never names a rules file, and --rules and --compare-rules are given once each;\n";
    text += "one file named by both (a pipe, /dev/stdin) is read once.\n\n";
    text += "Exit status: 0 when every row succeeded, 1 when a row has an error, 2 for a usage\n";
    text += "error (unknown option, unreadable file, a header without the seven columns, a\n";
    text += "refused rules file), 3 when reading the input or writing an output failed (a full\n";
    text += "disk, a read error); a closed pipe ends the run quietly.\n\n";
    text += "Examples:\n";
    text += "  velnaro-calc --scale 10 --rank 6 --zone A --special-charges no --children 2 \\\n";
    text += "      --dependents 3 --mutual yes\n";
    text += "  velnaro-calc --compare zone --scale 10 --rank 6 --zone A --special-charges no \\\n";
    text += "      --children 2 --dependents 3 --mutual yes\n";
    text += "  velnaro-calc --template > staff.csv\n";
    text += "  velnaro-calc --batch staff.csv -o slips.csv --summary\n";
    text +=
        "  velnaro-calc --batch export.csv --delimiter ';' --decimal-comma --bom -o slips.csv\n";
    text += "  velnaro-calc --batch - --session --json < presses.csv\n";
    text += "  velnaro-calc --show-rules -o rules-2010.toml\n";
    text += "  velnaro-calc --batch staff.csv --rules rules-2011.toml --compare-rules \\\n";
    text += "      rules-2010.toml --months 6 --summary -o arrears.csv\n";
    return text;
}

}  // namespace

ParsedCommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
    CLI::App app(
        "Computes public servants' pay slips as the Velnaro window shows them: one slip, "
        "or every row of a CSV file.",
        std::string(calc_program));
    app.set_version_flag("--version", std::string(calc_program) + " " + velnaro::version);
    app.footer(footer());

    Command command;
    // In the order of `pay::all_choices`.
    constexpr std::array<const char*, pay::all_choices.size()> choice_help{
        "9, 10, 11 or out (or the list item)",
        "1 to 13 as the scale has them, or exceptional",
        "A, B or C",
        "yes or no",
        "0 to 6",
        "0 to 6",
        "yes or no: member of the mutuals"};
    std::array<CLI::Option*, pay::all_choices.size()> choices{};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const pay::Choice choice = pay::all_choices[i];
        choices[i] = app.add_option("--" + std::string(option_name(choice)),
                                    pay::choice_text(command.choices, choice), choice_help[i]);
    }
    CLI::Option* batch =
        app.add_option("--batch", command.batch_input, "CSV file of rows to compute (- for stdin)")
            ->type_name("FILE");
    std::string axis_name;
    CLI::Option* compare =
        app.add_option("--compare", axis_name,
                       "the table of one slip's pay along AXIS: rank, scale, zone, children or "
                       "dependents")
            ->type_name("AXIS")
            ->check([](const std::string& name) {
                return pay::axis_from_name(name) ? std::string()
                                                 : "no axis '" + name +
                                                       "'; expected rank, scale, zone, children or "
                                                       "dependents";
            });
    CLI::Option* json =
        app.add_flag("--json", command.json, "JSON output (JSON Lines in batch mode)");
    CLI::Option* explain = app.add_flag(
        "--explain", command.explain,
        "each amount with how it was reached: its formula lines under it, or with --json "
        "an explanation member (in batch mode with --json only)");
    CLI::Option* session =
        app.add_flag("--session", command.session, "batch rows are the OK presses of one window")
            ->needs(batch);
    CLI::Option* output =
        app.add_option("-o,--output", command.output,
                       "write the batch output, or the rules of --show-rules, to OUT")
            ->type_name("OUT");
    std::string delimiter;
    CLI::Option* delimiter_option =
        app.add_option("--delimiter", delimiter,
                       "';', tab or ',': the batch's field separator (else a header with no "
                       "comma but a ';' or a tab picks it)")
            ->type_name("SEP");
    app.add_flag("--decimal-comma", command.decimal_comma,
                 "write amounts with a decimal comma (not with ',' as separator)")
        ->needs(batch);
    CLI::Option* bom =
        app.add_flag("--bom", command.byte_order_mark,
                     "begin the CSV output with a UTF-8 byte-order mark, for spreadsheets")
            ->needs(batch);
    app.add_flag("--summary", command.summary,
                 "after the batch, write the rows read, the rows with errors and the sums of "
                 "the main amounts (and of the differences of --compare-rules) to standard error")
        ->needs(batch);
    std::string rules_file;
    CLI::Option* rules =
        app.add_option("--rules", rules_file,
                       "compute with the rules of FILE, a rules file (velnaro-rules(5)), instead "
                       "of the built-in 2010 rules")
            ->type_name("FILE")
            // Given twice is told as such below, not as a count of arguments.
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    bool show_rules_asked = false;
    CLI::Option* show_rules =
        app.add_flag("--show-rules", show_rules_asked,
                     "print the rules in effect as a rules file (to OUT with -o) and exit: the "
                     "start of next year's file");
    std::string previous_rules_file;
    CLI::Option* compare_rules =
        app.add_option("--compare-rules", previous_rules_file,
                       "compute each slip under the rules in effect and under those of OTHER, the "
                       "previous rules, and show the differences")
            ->type_name("OTHER")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    std::string months_text;
    CLI::Option* months = app.add_option("--months", months_text,
                                         "with --compare-rules: the arrears of N months (1 to "
                                         "600), N times the monthly difference")
                              ->type_name("N");
    std::string on_text;
    CLI::Option* on = app.add_option("--on", on_text,
                                     "compute with the rule set in force on DAY among the known "
                                     "sets, instead of today's")
                          ->type_name("YYYY-MM-DD");
    app.add_option("--rules-dir", command.rules_files.folders,
                   "also take the rule sets of the .toml files of DIR (may be repeated)")
        ->type_name("DIR");
    bool list_rules_asked = false;
    CLI::Option* list_rules =
        app.add_flag("--list-rules", list_rules_asked,
                     "list the known rule sets: date, name and where each comes from, the one in "
                     "force today (or on --on) marked with *");
    std::string from_text;
    std::string to_text;
    CLI::Option* from =
        app.add_option("--from", from_text, "with --batch: the first day of a run of arrears")
            ->type_name("YYYY-MM-DD")
            ->needs(batch);
    CLI::Option* to =
        app.add_option("--to", to_text, "with --batch: the last day of a run of arrears")
            ->type_name("YYYY-MM-DD")
            ->needs(batch);
    from->needs(to);
    to->needs(from);
    std::string paid_rules_text;
    CLI::Option* paid_rules =
        app.add_option("--paid-rules", paid_rules_text,
                       "with --from: the rules file of what was paid (else the set in force the "
                       "day before --from)")
            ->type_name("FILE")
            ->needs(from);
    std::string detail_text;
    CLI::Option* arrears_detail =
        app.add_option("--arrears-detail", detail_text,
                       "with --from: write one line per row and month of arrears to FILE")
            ->type_name("FILE")
            ->needs(from);
    std::string language_code = "ar";
    app.add_option("--language", language_code,
                   "the language of the table's captions and comparisons: ar (the default), fr "
                   "or en; CSV and JSON keys and the choices' aliases stay as they are")
        ->type_name("LANG")
        ->check([](const std::string& code) {
            return language::language_from_code(code)
                       ? std::string()
                       : "no language '" + code + "'; expected ar, fr or en";
        });
    bool template_asked = false;
    CLI::Option* template_row =
        app.add_flag("--template", template_asked,
                     "print the header line and one example row of a batch, ready to fill in");
    for (CLI::Option* choice : choices) {
        batch->excludes(choice);
        template_row->excludes(choice);
    }
    template_row->excludes(batch);
    template_row->excludes(compare);
    template_row->excludes(json);
    batch->excludes(compare);
    // The rules are shown alone: nothing is computed.
    for (CLI::Option* choice : choices) {
        show_rules->excludes(choice);
    }
    for (CLI::Option* other : {batch, compare, template_row, json, explain, compare_rules}) {
        show_rules->excludes(other);
    }
    show_rules->excludes(explain);
    // A run of arrears computes each row alone, under every set of its months, into its own
    // columns.
    for (CLI::Option* other : {compare_rules, json, explain, session, on}) {
        from->excludes(other);
    }
    for (CLI::Option* choice : choices) {
        list_rules->excludes(choice);
    }
    for (CLI::Option* other :
         {batch, compare, template_row, json, explain, compare_rules, rules, show_rules, output}) {
        list_rules->excludes(other);
    }
    compare_rules->excludes(compare);
    // JSON has no byte-order mark.
    bom->excludes(json);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return {.command = std::nullopt,
                .status = app.exit(e, out, err) == 0 ? ExitStatus::ok : ExitStatus::usage};
    } catch (const CLI::CallForVersion& e) {
        return {.command = std::nullopt,
                .status = app.exit(e, out, err) == 0 ? ExitStatus::ok : ExitStatus::usage};
    } catch (const CLI::ParseError& e) {
        report(err, calc_program, std::string(e.what()) + " (see --help)");
        return {.command = std::nullopt, .status = ExitStatus::usage};
    }

    if (*output && !*batch && !*show_rules) {
        report(err, calc_program,
               typed_name(*output, argc, argv) + " requires --batch or --show-rules (see --help)");
        return {.command = std::nullopt, .status = ExitStatus::usage};
    }
    for (const auto& [named, option] :
         {std::pair{rules, "--rules"}, std::pair{compare_rules, "--compare-rules"}}) {
        if (named->count() > 1) {
            report(err, calc_program, given_twice(option) + " (see --help)");
            return {.command = std::nullopt, .status = ExitStatus::usage};
        }
    }
    // An empty name would quietly mean standard output, or no file at all.
    for (const auto& [named, text] :
         {std::pair{batch, &command.batch_input}, std::pair{output, &command.output},
          std::pair{rules, &rules_file}, std::pair{compare_rules, &previous_rules_file}}) {
        if (named->count() > 0 && text->empty()) {
            report(err, calc_program,
                   "empty file name after " + typed_name(*named, argc, argv) + " (see --help)");
            return {.command = std::nullopt, .status = ExitStatus::usage};
        }
    }
    command.language = *language::language_from_code(language_code);
    if (*output) {
        command.output_option = typed_name(*output, argc, argv);
    }
    if (*on && *rules) {
        report(err, calc_program, std::string(on_with_rules) + " (see --help)");
        return {.command = std::nullopt, .status = ExitStatus::usage};
    }
    std::optional<pay::Day> from_day;
    std::optional<pay::Day> to_day;
    for (const auto& [named, text, day] :
         {std::tuple{on, &on_text, &command.rules_files.on},
          std::tuple{from, &from_text, &from_day}, std::tuple{to, &to_text, &to_day}}) {
        if (*named) {
            *day = pay::parse_iso_day(*text);
            if (!*day) {
                report(err, calc_program,
                       not_a_day(typed_name(*named, argc, argv), *text) + " (see --help)");
                return {.command = std::nullopt, .status = ExitStatus::usage};
            }
        }
    }
    if (*from) {
        command.from = *from_day;
        command.to = *to_day;
        if (command.to < command.from) {
            report(err, calc_program,
                   "--from " + from_text + " comes after --to " + to_text + " (see --help)");
            return {.command = std::nullopt, .status = ExitStatus::usage};
        }
        if (*paid_rules) {
            command.paid_rules = paid_rules_text;
        }
        if (*arrears_detail) {
            command.arrears_detail = detail_text;
        }
    }
    if (*list_rules) {
        command.mode = Command::Mode::list_rules;
        return {.command = command, .status = ExitStatus::ok};
    }
    if (*rules) {
        command.rules_files.in_effect = rules_file;
    }
    if (*compare_rules) {
        command.rules_files.previous = previous_rules_file;
    }
    if (*delimiter_option && !*batch && !*template_row) {
        report(err, calc_program, "--delimiter requires --batch or --template (see --help)");
        return {.command = std::nullopt, .status = ExitStatus::usage};
    }
    if (*delimiter_option) {
        if (delimiter == ";" || delimiter == "," || delimiter == "\t" || delimiter == "tab") {
            command.delimiter = delimiter == "tab" ? '\t' : delimiter.front();
        } else {
            report(err, calc_program,
                   "--delimiter takes ';', tab or ',', not '" + delimiter + "' (see --help)");
            return {.command = std::nullopt, .status = ExitStatus::usage};
        }
    }
    if (command.decimal_comma && command.delimiter == ',' && !command.json) {
        report(err, calc_program,
               "--decimal-comma needs another separator than ',' (give --delimiter ';' or "
               "--delimiter tab; see --help)");
        return {.command = std::nullopt, .status = ExitStatus::usage};
    }
    if (*months) {
        if (!*compare_rules) {
            report(err, calc_program, "--months requires --compare-rules (see --help)");
            return {.command = std::nullopt, .status = ExitStatus::usage};
        }
        const char* const end = months_text.data() + months_text.size();
        const auto [stop, error] = std::from_chars(months_text.data(), end, command.months);
        if (error != std::errc{} || stop != end || command.months < 1 ||
            command.months > most_arrears_months) {
            report(err, calc_program,
                   "--months takes a whole number of months from 1 to " +
                       std::to_string(most_arrears_months) + ", not '" + months_text +
                       "' (see --help)");
            return {.command = std::nullopt, .status = ExitStatus::usage};
        }
    }
    if (*show_rules) {
        command.mode = Command::Mode::show_rules;
        return {.command = command, .status = ExitStatus::ok};
    }
    if (*template_row) {
        command.mode = Command::Mode::batch_template;
        return {.command = command, .status = ExitStatus::ok};
    }
    if (*batch) {
        if (command.explain && !command.json) {
            report(err, calc_program,
                   "--explain in batch mode needs --json: a CSV row has no room for the "
                   "explanations (see --help)");
            return {.command = std::nullopt, .status = ExitStatus::usage};
        }
        command.mode = *from ? Command::Mode::arrears : Command::Mode::batch;
        return {.command = command, .status = ExitStatus::ok};
    }
    std::string missing;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (!*choices[i]) {
            missing += missing.empty() ? "" : ", ";
            missing += "--" + std::string(option_name(pay::all_choices[i]));
        }
    }
    if (!missing.empty()) {
        report(err, calc_program, "missing " + missing + " (or give --batch FILE; see --help)");
        return {.command = std::nullopt, .status = ExitStatus::usage};
    }
    if (*compare) {
        command.mode = Command::Mode::compare;
        command.compare_axis = *pay::axis_from_name(axis_name);
    }
    return {.command = command, .status = ExitStatus::ok};
}

}  // namespace cli
