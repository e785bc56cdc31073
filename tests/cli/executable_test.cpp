// velnaro-calc run as a process: exit statuses, standard streams and files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "pay/pay_inputs.h"
#include "pay/rules_file.h"
#include "pay/rules_writer.h"
#include "scratch_folder.h"
#include "test_rows.h"
#include "test_rules.h"

namespace {

namespace fs = std::filesystem;
using rows::output_line;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string read_file(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void write_file(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class Executable : public testing::Test {
  protected:
    fs::path file(const std::string& name) const { return folder_.path() / name; }

    // The names in this test's folder other than those of `calc`'s streams.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.path())) {
            const std::string name = entry.path().filename().string();
            if (name != "stdin" && name != "stdout" && name != "stderr") {
                names.push_back(name);
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Runs the program with `args` (paths in it are this test's files) and `input` on stdin,
    // after the shell commands of `before` (a limit, say).
    Outcome calc(const std::string& args, const std::string& input = "",
                 const std::string& before = "") const {
        write_file(file("stdin"), input);
        const std::string command = "(" + before + " exec " + std::string(VELNARO_CALC) + " " +
                                    args + ") < " + file("stdin").string() + " > " +
                                    file("stdout").string() + " 2> " + file("stderr").string();
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(file("stdout")),
                read_file(file("stderr"))};
    }

  private:
    test_support::ScratchFolder folder_{"velnaro-calc"};
};

const std::string output_header = std::string(rows::slip_header) + "\n";

TEST_F(Executable, ShowsOneSlipAsATable) {
    const Outcome result = calc(
        "--scale 10 --rank 6 --zone A --special-charges no --children 2 --dependents 3 --mutual "
        "yes");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    std::istringstream lines(result.out);
    std::string name;
    std::string text;
    std::string rest;
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        lines >> name >> text;
        if (name == "tax_rate_label") {
            lines >> rest;  // "20 %"
            text += " " + rest;
        }
        std::getline(lines, rest);
        EXPECT_EQ(name, pay::slip_fields[i].name);
        EXPECT_EQ(text, worked::scale_10_rank_6[i]) << name;
    }
    EXPECT_TRUE(lines.peek() == EOF);
}

TEST_F(Executable, ShowsOneSlipAsJson) {
    const Outcome result =
        calc("--scale 11 --rank exceptional --zone B --special-charges yes --children " +
             rows::arabic_indic_digit(3) + " --dependents 1 --mutual no --json");
    EXPECT_EQ(result.status, 0);
    const auto object = nlohmann::json::parse(result.out);
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        EXPECT_EQ(object.at(std::string(pay::slip_fields[i].name)),
                  worked::scale_11_exceptional[i]);
    }
    EXPECT_EQ(object.at("rank"), "exceptional");
    EXPECT_EQ(object.at("error"), "");
}

TEST_F(Executable, RefusesAValueOfOneSlipWithStatusOne) {
    const Outcome result = calc(
        "--scale 10 --rank 11 --zone A --special-charges no --children 2 --dependents 3 --mutual "
        "yes");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "velnaro-calc: rank '11' is not a rank of scale 10; expected 1-10 or exceptional\n");
}

// A byte-order mark, CRLF, columns in another order, quoted fields, a field over two lines,
// list items, a refused row, malformed records and a last line with no line end.
TEST_F(Executable, WritesEveryRowOfABatchWithItsError) {
    const std::string yes(pay::yes_text);
    const std::string no(pay::no_text);
    const std::string zone_b(pay::zone_items[1]);
    const std::string exceptional(pay::exceptional_rank);
    const std::string three = rows::arabic_indic_digit(3);
    write_file(
        file("staff.csv"),
        "\xEF\xBB\xBFname,mutual_member,dependents,children,special_charges,zone,rank,scale\r\n"
        "\"Doe, \"\"J\"\"\",yes,3,2,no,A,6,10\r\n"
        "\"Two\r\nlines\"," +
            no + ",1," + three + "," + yes + "," + zone_b + "," + exceptional +
            ",11\r\n"
            "X,yes,3,2,no,A,11,10\r\n"
            "Y,yes,3\r\n"
            "Z,\"yes\"x,3,2,no,A,6,10\r\n"
            "Last,no,0,0,no,C,1,9");
    const Outcome result = calc("--batch " + file("staff.csv").string());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "velnaro-calc: " + file("staff.csv").string() +
                              ": 3 of 6 rows have errors (lines 5, 6, 7); see the error column\n");
    const std::string expected =
        "name,mutual_member,dependents,children,special_charges,zone,rank,scale," + output_header +
        output_line({"\"Doe, \"\"J\"\"\"", "yes", "3", "2", "no", "A", "6", "10"},
                    worked::scale_10_rank_6) +
        output_line({"\"Two\r\nlines\"", no, "1", three, yes, zone_b, exceptional, "11"},
                    worked::scale_11_exceptional) +
        output_line({"X", "yes", "3", "2", "no", "A", "11", "10"}, worked::none,
                    "rank '11' is not a rank of scale 10; expected 1-10 or exceptional") +
        output_line({"Y", "yes", "3", "", "", "", "", ""}, worked::none,
                    "malformed record: 3 fields where the header has 8") +
        output_line({"Z", "", "", "", "", "", "", ""}, worked::none,
                    "malformed record: misplaced quote") +
        output_line({"Last", "no", "0", "0", "no", "C", "1", "9"}, worked::scale_9_rank_1);
    EXPECT_EQ(result.out, expected);
}

// The rows as presses of one window: a typed scale before any computation is refused; then a
// computed slip; a typed scale and zone leave the grid values and the residence allowance as
// they were; refused and incomplete presses show what the window still shows.
TEST_F(Executable, PressesTheRowsOfASessionInOneWindow) {
    const std::string scale_9(pay::scale_items[0]);
    const std::string zone_c(pay::zone_items[2]);
    const std::string no(pay::no_text);
    const std::string header(rows::choice_header);
    const std::string first = rows::joined({"9", "1", zone_c, no, "0", "0", no});
    const std::string computed = rows::joined({scale_9, "1", zone_c, no, "0", "0", no});
    const std::string carried = rows::joined({"9", "1", "D", no, "2", "0", no});
    const std::string refused = rows::joined({"9", "1", "D", no, "x", "0", no});
    const std::string missing = rows::joined({"9", "1", "", no, "2", "0", no});
    write_file(file("presses.csv"), header + "\n" + first + "\n" + computed + "\n" + carried +
                                        "\n" + refused + "\n" + missing + "\n");
    const Outcome result = calc("--batch - --session -o " + file("slips.csv").string(),
                                read_file(file("presses.csv")));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "velnaro-calc: standard input: 3 of 5 rows have errors (lines 2, 5, 6); see the "
              "error column\n");
    EXPECT_EQ(read_file(file("slips.csv")),
              header + "," + output_header + output_line({first}, worked::start, "refused: scale") +
                  output_line({computed}, worked::scale_9_rank_1) +
                  output_line({carried}, worked::scale_9_rank_1_carried) +
                  output_line({refused}, worked::scale_9_rank_1_carried, "refused: children") +
                  output_line({missing}, worked::scale_9_rank_1_carried, "missing choice: zone"));
}

TEST_F(Executable, ExitsWithZeroWhenEveryRowSucceeds) {
    const Outcome result =
        calc("--batch - --json", std::string(rows::choice_header) + "\n10,6,A,no,2,3,yes\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(nlohmann::json::parse(result.out).at("monthly_pay"), "6033.13");
}

// The worked slip of the README, its income tax explained: bracket 20 % from 50000 to 60000
// with base amount 2000, taxable 53041.33, three dependents at 360.
TEST_F(Executable, ExplainsEachAmountUnderIt) {
    const Outcome result = calc(
        "--scale 10 --rank 6 --zone A --special-charges no --children 2 --dependents 3 --mutual "
        "yes --explain");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    // Names padded to 27 places, amounts right-aligned in 12.
    const auto line = [](std::string name, std::string amount) {
        return name + std::string(27 - name.size() + 12 - amount.size(), ' ') + amount + "  ";
    };
    EXPECT_NE(result.out.find("\n" + line("residence_allowance", "6674.46") +
                              "التعويض عن الإقامة\n    26697.84 × 25 % = 6674.46\n"),
              std::string::npos)
        << result.out;
    const std::string income_tax = "\n" + line("income_tax", "1528.27") +
                                   "الضريبة العامة على الدخل\n"
                                   "    50000.00 < 53041.33 ≤ 60000.00 → 20 %\n"
                                   "    (53041.33 − 50000.00) × 20 % + 2000.00 ≈ 2608.27\n"
                                   "    2608.27 − 1080.00 = 1528.27\n"
                                   "total_deductions ";
    EXPECT_NE(result.out.find(income_tax), std::string::npos) << result.out;
}

// --language words the explanations: Arabic as the program has always written them, French and
// English in their own words (the residence allowance of zone A at 25 %).
TEST_F(Executable, ExplainsInTheChosenLanguage) {
    const std::string one_slip =
        "--scale 10 --rank 6 --zone A --special-charges no --children 2 --dependents 3 --mutual "
        "yes --explain";
    for (const char* form : {"", " --json"}) {
        const Outcome plain = calc(one_slip + form);
        const Outcome arabic = calc(one_slip + form + " --language ar");
        EXPECT_EQ(arabic.status, 0);
        EXPECT_EQ(arabic.out, plain.out) << form;
    }
    const auto sentence = [&](const char* language) {
        const Outcome result = calc(one_slip + " --json --language " + language);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        return nlohmann::json::parse(result.out)["explanation"]["residence_allowance"]["sentence"];
    };
    EXPECT_EQ(sentence("ar"),
              "التعويض عن الإقامة هو نسبة المنطقة «\u2068أ\u2069»، أي \u206625 %\u2069، من الراتب "
              "الأساسي السنوي.");
    EXPECT_EQ(sentence("fr"),
              "L’indemnité de résidence est le taux de la zone «\u2068A\u2069», soit \u206625 "
              "%\u2069, du traitement de base annuel.");
    EXPECT_EQ(
        sentence("en"),
        "The residence allowance is the rate of zone «\u2068A\u2069», that is \u206625 %\u2069, "
        "of the annual base salary.");
}

struct RefusedCase {
    const char* name;
    std::string args;
    std::string input;
    std::string error;
    int status = 2;
};

// Nothing can be done (2), or a write failed (3).
class RefusedRuns : public Executable, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedRuns, ExitWithTheirStatusAndOneLine) {
    const Outcome result = calc(GetParam().args, GetParam().input);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "velnaro-calc: " + GetParam().error + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RefusedRuns,
    testing::Values(
        RefusedCase{"unknown_option", "--batch - --fast", "",
                    "The following argument was not expected: --fast (see --help)"},
        RefusedCase{"unreadable_file", "--batch /nonexistent/staff.csv", "",
                    "cannot read /nonexistent/staff.csv: No such file or directory"},
        RefusedCase{"empty_input", "--batch -", "", "standard input has no header row"},
        RefusedCase{"directory", "--batch /", "", "cannot read /: Is a directory"},
        RefusedCase{"header_without_the_columns", "--batch -", "scale,rank,zone\n9,1,A\n",
                    "the header row has no column special_charges, children, dependents, "
                    "mutual_member: it holds 'scale', 'rank', 'zone' (separated by ','); it "
                    "needs " +
                        std::string(rows::choice_header) + ", in any order and case"},
        RefusedCase{"explained_csv", "--batch - --explain",
                    std::string(rows::choice_header) + "\n10,6,A,no,2,3,yes\n",
                    "--explain in batch mode needs --json: a CSV row has no room for "
                    "the explanations (see --help)"},
        RefusedCase{"full_output", "--batch - -o /dev/full",
                    std::string(rows::choice_header) + "\n10,6,A,no,2,3,yes\n",
                    "cannot write /dev/full: No space left on device", 3},
        RefusedCase{"empty_output_name", "--batch - -o ''", "",
                    "empty file name after -o (see --help)"},
        RefusedCase{"empty_output_long_name", "--batch - --output ''", "",
                    "empty file name after --output (see --help)"},
        RefusedCase{"decimal_comma_between_commas", "--batch - --decimal-comma --delimiter ,", "",
                    "--decimal-comma needs another separator than ',' (give "
                    "--delimiter ';' or --delimiter tab; see --help)"},
        RefusedCase{"decimal_comma_in_a_comma_file", "--batch - --decimal-comma",
                    std::string(rows::choice_header) + "\n10,6,A,no,2,3,yes\n",
                    "--decimal-comma needs another separator than the comma of "
                    "standard input (give --delimiter ';' or --delimiter tab)"},
        RefusedCase{"unknown_delimiter", "--batch - --delimiter :", "",
                    "--delimiter takes ';', tab or ',', not ':' (see --help)"},
        RefusedCase{"byte_order_mark_in_json", "--batch - --json --bom", "",
                    "--json excludes --bom (see --help)"},
        RefusedCase{"empty_input_name", "--batch ''", "",
                    "empty file name after --batch (see --help)"},
        RefusedCase{"read_error", "--batch /proc/self/mem", "",
                    "cannot read /proc/self/mem: Input/output error", 3},
        RefusedCase{"unwritable_output", "--batch - -o /nonexistent/out.csv",
                    std::string(rows::choice_header) + "\n",
                    "cannot write /nonexistent/out.csv: No such file or directory", 3}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST_F(Executable, DocumentsItselfAndItsVersion) {
    const Outcome help = calc("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Examples:"), std::string::npos);
    const Outcome version = calc("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("velnaro-calc ")) << version.out;
}

// Every long option that --help lists has its entry in the OPTIONS section of the manual page.
TEST_F(Executable, ItsManualPageListsEveryOption) {
    const std::string manual = read_file(VELNARO_CALC_MANUAL);
    const std::size_t options = manual.find(".SH OPTIONS");
    ASSERT_NE(options, std::string::npos);
    // The entries: the lines after each .TP of the section.
    const std::vector<std::string> section =
        rows::lines_of(manual.substr(options, manual.find("\n.SH ", options) - options));
    std::vector<std::string> entries;
    for (std::size_t i = 1; i < section.size(); ++i) {
        if (section[i - 1] == ".TP") {
            entries.push_back(section[i]);
        }
    }
    const std::regex listed("^  (-[a-z],)?--([a-z][a-z-]*)( .*)?$");
    const std::regex entry_end("[^A-Za-z0-9\\\\]|$");
    std::size_t count = 0;
    for (const std::string& line : rows::lines_of(calc("--help").out)) {
        std::smatch option;
        if (!std::regex_match(line, option, listed)) {
            continue;
        }
        ++count;
        std::string name;
        for (const char c : option[2].str()) {
            name += c == '-' ? "\\-" : std::string(1, c);
        }
        const bool documented =
            std::any_of(entries.begin(), entries.end(), [&](const std::string& entry) {
                const std::size_t at = entry.find("\\-\\-" + name);
                return at != std::string::npos &&
                       std::regex_match(entry.substr(at + name.size() + 4, 1), entry_end);
            });
        EXPECT_TRUE(documented) << option[0];
    }
    EXPECT_GE(count, 20U);  // the help lines were read: the 20 options of today at least
}

const std::string valid_row = "10,6,A,no,2,3,yes\n";

std::string rows_of(std::size_t count) {
    std::string text(rows::choice_header);
    text += '\n';
    for (std::size_t i = 0; i < count; ++i) {
        text += valid_row;
    }
    return text;
}

TEST_F(Executable, MayWriteOverItsInput) {
    write_file(file("staff.csv"), rows_of(2));
    const Outcome result =
        calc("--batch " + file("staff.csv").string() + " -o " + file("staff.csv").string());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(read_file(file("staff.csv")),
              std::string(rows::choice_header) + "," + output_header +
                  output_line({"10", "6", "A", "no", "2", "3", "yes"}, worked::scale_10_rank_6) +
                  output_line({"10", "6", "A", "no", "2", "3", "yes"}, worked::scale_10_rank_6));
    EXPECT_EQ(files(), std::vector<std::string>{"staff.csv"});
}

struct FailedRunCase {
    const char* name;
    std::string input;
    std::string before;
    std::string error_end;
    int status;
};

// A run that fails leaves the earlier output as it was, and no temporary file beside it.
class FailedRun : public Executable, public testing::WithParamInterface<FailedRunCase> {};

TEST_P(FailedRun, LeavesTheEarlierOutputAsItWas) {
    write_file(file("out.csv"), "earlier\n");
    const Outcome result =
        calc("--batch - -o " + file("out.csv").string(), GetParam().input, GetParam().before);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_TRUE(result.err.starts_with("velnaro-calc: ")) << result.err;
    EXPECT_TRUE(result.err.ends_with(GetParam().error_end + "\n")) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_EQ(read_file(file("out.csv")), "earlier\n");
    EXPECT_EQ(files(), std::vector<std::string>{"out.csv"});
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedRun,
    testing::Values(FailedRunCase{"bad_header", "name\n1\n", "",
                                  "the header row has none of the columns " +
                                      std::string(rows::choice_header) +
                                      ": it holds 'name' (separated by ',')",
                                  2},
                    // The file may grow to 8 KiB at most (ulimit counts 512 or 1024 bytes).
                    FailedRunCase{"file_size_limit", rows_of(1000), "ulimit -f 16;",
                                  "out.csv: File too large", 3}),
    [](const testing::TestParamInfo<FailedRunCase>& info) { return info.param.name; });

struct FullCase {
    const char* name;
    std::string args;
};

// A full disk on standard output fails every kind of run, with the system's reason.
class FullStandardOutput : public Executable, public testing::WithParamInterface<FullCase> {};

TEST_P(FullStandardOutput, IsAFailure) {
    const Outcome result = calc(GetParam().args + " > /dev/full", rows_of(1));
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, "velnaro-calc: cannot write standard output: No space left on device\n");
}

const std::string one_slip =
    "--scale 10 --rank 6 --zone A --special-charges no --children 2 --dependents 3 --mutual yes";

INSTANTIATE_TEST_SUITE_P(
    Modes, FullStandardOutput,
    testing::Values(FullCase{"slip", one_slip}, FullCase{"slip_json", one_slip + " --json"},
                    FullCase{"batch", "--batch -"}, FullCase{"batch_json", "--batch - --json"},
                    FullCase{"help", "--help"}, FullCase{"version", "--version"}),
    [](const testing::TestParamInfo<FullCase>& info) { return info.param.name; });

// Ctrl+C part-way through a large batch: the rows written so far are dropped with their
// temporary file, and the earlier output stays.
TEST_F(Executable, AnInterruptLeavesTheEarlierOutputAndNoTemporaryFile) {
    write_file(file("out.csv"), "earlier\n");
    std::array<int, 2> pipe_ends{};
    ASSERT_EQ(::pipe(pipe_ends.data()), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    posix_spawnattr_setsigdefault(&attributes, &interrupt);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const std::string out = file("out.csv").string();
    std::array<const char*, 6> argv{VELNARO_CALC, "--batch", "-", "-o", out.c_str(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, VELNARO_CALC, &actions, &attributes,
                                    const_cast<char* const*>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pipe_ends[0]);
    ASSERT_EQ(spawned, 0);

    // Many rows, and the input left open: the run is surely under way when it is stopped.
    const std::string input = rows_of(20'000);
    const char* next = input.data();
    std::size_t left = input.size();
    while (left > 0) {
        const ssize_t written = ::write(pipe_ends[1], next, left);
        ASSERT_GT(written, 0);
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    // Rows already written to the temporary file.
    const auto written_part = [&] {
        for (const std::string& name : files()) {
            if (name != "out.csv" && fs::file_size(file(name)) > 0) {
                return true;
            }
        }
        return false;
    };
    for (int i = 0; i < 500 && !written_part(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(written_part());
    ::kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(pipe_ends[1]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_EQ(read_file(file("out.csv")), "earlier\n");
    EXPECT_EQ(files(), std::vector<std::string>{"out.csv"});
}

// An interrupt that comes as the output takes its name is too late to keep the earlier file: the
// run stands and says what happened. A preloaded library raises SIGTERM as the program renames.
TEST_F(Executable, TellsAnInterruptThatCameAsTheOutputTookItsName) {
    write_file(file("staff.csv"), rows_of(3));
    const std::string out = file("out.csv").string();
    write_file(out, "earlier\n");
    // A sanitized build's runtime comes first only when nothing else is preloaded.
    const Outcome result =
        calc("--batch " + file("staff.csv").string() + " -o " + out, "",
             "export LD_PRELOAD=" + std::string(INTERRUPT_AT_RENAME) +
                 " ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0\";");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "velnaro-calc: interrupted as " + out + " took its name; it holds every row\n");
    EXPECT_EQ(rows::lines_of(read_file(out)).size(), 4U);
}

// A reader that stops early ends the run quietly, as with cat: no message, ended by SIGPIPE.
TEST_F(Executable, EndsQuietlyOnAClosedPipe) {
    write_file(file("staff.csv"), rows_of(20'000));
    const std::string command = "(" + std::string(VELNARO_CALC) + " --batch " +
                                file("staff.csv").string() + " 2> " + file("stderr").string() +
                                "; echo $? > " + file("status").string() + ") | head -c 10 > " +
                                file("stdout").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(read_file(file("stdout")).size(), 10u);
    EXPECT_EQ(read_file(file("stderr")), "");
    EXPECT_EQ(read_file(file("status")), std::to_string(128 + SIGPIPE) + "\n");
}

// A row longer than 1 MiB is an error of its own; the rows around it are computed.
TEST_F(Executable, AnswersARecordOverTheLimitWithItsError) {
    const std::string long_field(std::size_t{2} << 20, 'x');
    const Outcome result =
        calc("--batch -", "note," + std::string(rows::choice_header) + "\n" + long_field + "," +
                              valid_row + "short," + valid_row);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "velnaro-calc: standard input: 1 of 2 rows have errors (line 2); see the error "
              "column\n");
    const std::string computed =
        output_line({"10", "6", "A", "no", "2", "3", "yes"}, worked::scale_10_rank_6);
    EXPECT_EQ(result.out, "note," + std::string(rows::choice_header) + "," + output_header +
                              output_line({"", "", "", "", "", "", "", ""}, worked::none,
                                          "malformed record: longer than 1048576 bytes") +
                              "short," + computed);
}

TEST_F(Executable, EscapesControlCharactersInMessages) {
    const Outcome result = calc(
        "--scale 10 --rank 6 --zone \"$(printf 'A\\033]0;pwned\\007')\" --special-charges no "
        "--children 2 --dependents 3 --mutual yes");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "velnaro-calc: zone 'A\\x1b]0;pwned\\x07' is not a zone; expected A, B or C\n");
}

struct EscapeCase {
    const char* name;
    std::string mode;
};

// Whatever the run writes, a refused choice's control characters reach standard error escaped.
class EscapedRefusal : public Executable, public testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapedRefusal, NeverSendsAControlToTheTerminal) {
    const Outcome result =
        calc(GetParam().mode +
             " --scale 10 --rank 6 --zone \"$(printf '\\033]0;x\\007')\" --special-charges no "
             "--children 2 --dependents 3 --mutual yes");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "velnaro-calc: zone '\\x1b]0;x\\x07' is not a zone; expected A, B or C\n");
    EXPECT_EQ(result.err.find_first_of("\x1b\x07"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Runs, EscapedRefusal,
                         testing::Values(EscapeCase{"slip", ""}, EscapeCase{"json_slip", "--json"},
                                         EscapeCase{"explained_slip", "--explain"},
                                         EscapeCase{"comparison", "--compare zone"},
                                         EscapeCase{"json_comparison", "--compare zone --json"}),
                         [](const testing::TestParamInfo<EscapeCase>& info) {
                             return info.param.name;
                         });

struct HeaderCase {
    const char* name;
    std::string args;
    std::string header;
    int status;
    std::string error;
};

// What a clerk sees of the header of a spreadsheet's export.
class ExportHeader : public Executable, public testing::WithParamInterface<HeaderCase> {};

TEST_P(ExportHeader, IsReadOrExplained) {
    const Outcome result = calc("--batch - " + GetParam().args, GetParam().header + "\n");
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.err, GetParam().error);
}

const std::string semicolons = "scale;rank;zone;special_charges;children;dependents;mutual_member";

INSTANTIATE_TEST_SUITE_P(
    Headers, ExportHeader,
    testing::Values(
        // A header with no comma but a ';' or a tab picks that separator.
        HeaderCase{"semicolons", "", semicolons + "\n10;6;A;no;2;3;yes", 0, ""},
        HeaderCase{"semicolons_after_a_byte_order_mark", "",
                   "\xEF\xBB\xBF" + semicolons + "\r\n10;6;A;no;2;3;yes", 0, ""},
        HeaderCase{"tabs", "",
                   "scale\trank\tzone\tspecial_charges\tchildren\tdependents\tmutual_member\n"
                   "10\t6\tA\tno\t2\t3\tyes",
                   0, ""},
        HeaderCase{"semicolons_read_with_commas", "--delimiter ,", semicolons, 2,
                   "velnaro-calc: the header row has none of the columns " +
                       std::string(rows::choice_header) + ": it holds '" + semicolons +
                       "' (separated by ','); it looks separated by ';': give --delimiter ';'\n"},
        // A comma in the header keeps the comma; the tabs are shown escaped.
        HeaderCase{"tabs_beside_a_comma", "",
                   "name,scale\trank\tzone\tspecial_charges\tchildren\tdependents\tmutual_member",
                   2,
                   "velnaro-calc: the header row has none of the columns " +
                       std::string(rows::choice_header) +
                       ": it holds 'name', 'scale\\x09rank\\x09zone\\x09special_charges\\x09"
                       "children\\x09dependents\\x09mutual_member' (separated by ','); it looks "
                       "separated by tabs: give --delimiter tab\n"},
        HeaderCase{"capitalised_and_spaced", "",
                   " Scale,RANK ,Zone,Special-Charges,Children,Dependents,Mutual\n"
                   "10,6,A,no,2,3,yes",
                   0, ""},
        // The names are matched loosely, the values exactly.
        HeaderCase{"capitalised_value", "",
                   "Scale,Rank,Zone,Special_Charges,Children,"
                   "Dependents,Mutual_Member\n10,6,a,no,2,3,yes",
                   1,
                   "velnaro-calc: standard input: 1 of 1 row has errors (line 2); see the error "
                   "column\n"}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return info.param.name; });

TEST_F(Executable, NamesEveryFaultyColumnOfARow) {
    const Outcome result =
        calc("--batch - --json", std::string(rows::choice_header) + "\n10,6,D,no,7,3,maybe\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(nlohmann::json::parse(result.out).at("error"),
              "zone 'D' is not a zone; expected A, B or C | children '7' is not a count; "
              "expected 0-6 | mutual_member 'maybe' is not an answer; expected yes or no");
}

TEST_F(Executable, WritesForASpreadsheet) {
    const Outcome result =
        calc("--batch - --delimiter ';' --decimal-comma --bom -o " + file("slips.csv").string(),
             "scale;rank;zone;special_charges;children;dependents;mutual_member\n"
             "10;6;A;no;2;3;yes\n");
    EXPECT_EQ(result.status, 0);
    std::string slip_header(rows::slip_header);
    std::replace(slip_header.begin(), slip_header.end(), ',', ';');
    std::string expected =
        "\xEF\xBB\xBFscale;rank;zone;special_charges;children;dependents;"
        "mutual_member;" +
        slip_header + "\n10;6;A;no;2;3;yes";
    for (const std::string& text : worked::scale_10_rank_6) {
        std::string with_comma = text;
        std::replace(with_comma.begin(), with_comma.end(), '.', ',');
        expected += ";" + with_comma;
    }
    EXPECT_EQ(read_file(file("slips.csv")), expected + ";\n");
}

TEST_F(Executable, PrintsATemplateToFillIn) {
    const Outcome result = calc("--template --delimiter tab");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "scale\trank\tzone\tspecial_charges\tchildren\tdependents\tmutual_member\n"
              "10\t6\tA\tno\t2\t3\tyes\n");
}

TEST_F(Executable, SumsUpOnRequest) {
    const Outcome result =
        calc("--batch - --summary -o " + file("slips.csv").string(),
             std::string(rows::choice_header) +
                 "\n10,6,A,no,2,3,yes\n10,6,A,no,2,3,yes\n10,6,A,no,2,3,maybe\n9,1,C,no,0,0,no\n");
    EXPECT_EQ(result.status, 1);
    // The slip of scale 10 twice and that of scale 9 once: gross_total 2 x 85572.30 + 48885.62,
    // total_deductions 2 x 13174.78 + 6470.48, income_tax 2 x 1528.27 + 299.78, annual_pay
    // 2 x 72397.52 + 42415.14.
    EXPECT_EQ(result.err,
              "velnaro-calc: standard input: 1 of 4 rows have errors (line 4); see the error "
              "column\n"
              "velnaro-calc: standard input: 4 rows read, 1 with errors\n"
              "velnaro-calc: sums over the 3 rows that succeeded: gross_total 220030.22, "
              "total_deductions 32820.04, income_tax 3356.32, annual_pay 187210.18\n");
}

TEST_F(Executable, SumsUpWithTheDecimalSeparatorOfTheOutput) {
    const Outcome result =
        calc("--batch - --summary --decimal-comma -o " + file("slips.csv").string(),
             semicolons + "\n9;1;C;no;0;0;no\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "velnaro-calc: standard input: 1 row read, 0 with errors\n"
              "velnaro-calc: sums over the 1 row that succeeded: gross_total 48885,62, "
              "total_deductions 6470,48, income_tax 299,78, annual_pay 42415,14\n");
}

// Runs the program on `input` with its standard error (and with `output_too` its standard
// output) on a new pseudo-terminal, and gives what the terminal received.
// VELNARO_CALC_PROGRESS_AFTER_MS=0 shows the progress line at once.
std::string stderr_on_a_terminal(const std::vector<std::string>& args, const fs::path& input,
                                 bool output_too = false) {
    int terminal = -1;
    int program_side = -1;
    if (openpty(&terminal, &program_side, nullptr, nullptr, nullptr) != 0) {
        ADD_FAILURE() << "no pseudo-terminal";
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    if (output_too) {
        posix_spawn_file_actions_adddup2(&actions, program_side, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_adddup2(&actions, program_side, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, terminal);
    posix_spawn_file_actions_addclose(&actions, program_side);
    std::vector<std::string> words{VELNARO_CALC};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::string setting = "VELNARO_CALC_PROGRESS_AFTER_MS=0";
    std::array<char*, 2> environment{setting.data(), nullptr};
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, VELNARO_CALC, &actions, nullptr, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(program_side);
    std::string received;
    if (spawned == 0) {
        // The terminal reads EIO once the program, its last writer, has ended.
        std::array<char, 4096> buffer{};
        for (ssize_t size = 0; (size = read(terminal, buffer.data(), buffer.size())) > 0;) {
            received.append(buffer.data(), static_cast<std::size_t>(size));
        }
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    } else {
        ADD_FAILURE() << "cannot start " << VELNARO_CALC;
    }
    close(terminal);
    return received;
}

TEST_F(Executable, ShowsProgressOnATerminalOnly) {
    std::string input = std::string(rows::choice_header) + "\n";
    for (int i = 0; i < 3000; ++i) {
        input += valid_row;
    }
    write_file(file("staff.csv"), input);
    const std::string shown =
        stderr_on_a_terminal({"--batch", "-", "-o", file("slips.csv").string()}, file("staff.csv"));
    // Rows done (told every 1024 rows) and their rate, each line written over the last, then
    // cleared with spaces.
    EXPECT_TRUE(std::regex_match(
        shown,
        std::regex("(\\rvelnaro-calc: (1024|2048) rows, [0-9]+ rows per second *)+\\r +\\r")))
        << shown;
    const std::string written = read_file(file("slips.csv"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 3001);

    // Written to the same terminal, the rows would be drawn over: no progress line.
    const std::string rows_shown = stderr_on_a_terminal({"--batch", "-"}, file("staff.csv"), true);
    EXPECT_EQ(rows_shown.find("rows per second"), std::string::npos);
    EXPECT_EQ(std::count(rows_shown.begin(), rows_shown.end(), '\n'), 3001);

    // The same batch with standard error in a file shows nothing.
    const Outcome elsewhere = calc("--batch - -o " + file("slips.csv").string(), input,
                                   "export VELNARO_CALC_PROGRESS_AFTER_MS=0;");
    EXPECT_EQ(elsewhere.status, 0);
    EXPECT_EQ(elsewhere.err, "");
}

// The built-in rules as a rules file, with `from` replaced by `to` once.
std::string edited_rules(const std::string& from, const std::string& to) {
    std::string text = pay::write_rules(pay::built_in_rules());
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from << " is not unique";
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

struct BadRulesCase {
    const char* name;
    std::string from;
    std::string to;
    // Where the fault is told: the first character of `at` in `to`, or of the one `at` in the
    // edited file.
    std::string at;
};

// "LINE:COL" of the fault a case puts in the rules: lines and columns counted from 1.
std::string fault_position(const BadRulesCase& bad) {
    const std::string text = edited_rules(bad.from, bad.to);
    std::size_t at = bad.to.find(bad.at);
    if (at != std::string::npos) {
        at += pay::write_rules(pay::built_in_rules()).find(bad.from);
    } else {
        at = text.find(bad.at);
        EXPECT_EQ(text.find(bad.at, at + 1), std::string::npos) << bad.at << " is not unique";
    }
    const std::size_t line_start = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
    const auto line =
        1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    return std::to_string(line) + ":" + std::to_string(at - line_start + 1);
}

// A faulty rules file, whether the rules in effect or the previous ones, is refused in every
// mode before anything is computed or written: one message with its line and column, status 2,
// nothing on standard output and an earlier output file as it was, byte for byte.
class BadRules : public Executable, public testing::WithParamInterface<BadRulesCase> {};

TEST_P(BadRules, AreRefusedWithTheirLineAndColumnBeforeAnythingIsWritten) {
    const std::string bad = file("bad.toml").string();
    write_file(bad, edited_rules(GetParam().from, GetParam().to));
    const std::string good = file("good.toml").string();
    write_file(good, pay::write_rules(pay::built_in_rules()));
    // Bytes a text reader would change: a line end, a byte-order mark, a NUL.
    const std::string earlier = std::string("earlier\r\nbytes \xEF\xBB\xBF") + '\0' + " kept";
    const std::string out = file("out.csv").string();
    write_file(out, earlier);
    write_file(file("staff.csv"), rows_of(2));
    const std::string staff = file("staff.csv").string();
    const std::string message_start =
        "velnaro-calc: " + bad + ":" + fault_position(GetParam()) + ": ";
    for (const std::string& args :
         {"--batch " + staff + " -o " + out + " --rules " + bad,
          "--batch " + staff + " -o " + out + " --json --compare-rules " + bad,
          "--batch " + staff + " -o " + out + " --rules " + good + " --compare-rules " + bad +
              " --months 3 --summary",
          "--batch " + staff + " -o " + out + " --rules " + bad + " --compare-rules " + good,
          "--show-rules --rules " + bad + " -o " + out, one_slip + " --rules " + bad,
          one_slip + " --explain --rules " + bad, one_slip + " --compare-rules " + bad,
          "--compare zone " + one_slip + " --rules " + bad, "--template --rules " + bad}) {
        SCOPED_TRACE(args);
        const Outcome result = calc(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with(message_start)) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_EQ(read_file(out), earlier);
        EXPECT_EQ(files(),
                  (std::vector<std::string>{"bad.toml", "good.toml", "out.csv", "staff.csv"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BadRules,
    testing::Values(
        // The reader stops where it expects the '='.
        BadRulesCase{"toml_syntax", "index_point_value = 50.92", "index_point_value 50.92",
                     "50.92"},
        BadRulesCase{"unknown_key", "[monthly_pay]\n", "[monthly_pay]\nbonus = 1\n", "bonus"},
        BadRulesCase{"text_for_a_number", "index_point_value = 50.92",
                     "index_point_value = \"50.92\"", "\"50.92\""},
        BadRulesCase{"rate_over_100", "rate = 85", "rate = 120", "120"},
        BadRulesCase{"bracket_rate_over_100", "above = 50000, rate = 20,",
                     "above = 50000, rate = 120,", "120"},
        BadRulesCase{"negative_amount", "first_child_amount = 2400", "first_child_amount = -5",
                     "-5"},
        BadRulesCase{"part_of_a_month", "months_per_year = 12", "months_per_year = 12.5", "12.5"},
        // A missing key is told at the table that lacks it.
        BadRulesCase{"missing_key", "months_per_year = 12", "", "[monthly_pay]"},
        BadRulesCase{"empty_name", "name = \"2010\"", "name = \"\"", "\"\""}),
    [](const testing::TestParamInfo<BadRulesCase>& info) { return info.param.name; });

TEST_F(Executable, RefusesARulesFileItCannotReadBeforeAnythingIsWritten) {
    write_file(file("out.csv"), "earlier\n");
    const std::string missing = file("missing.toml").string();
    const Outcome result = calc(
        "--batch - -o " + file("out.csv").string() + " --compare-rules " + missing, rows_of(1));
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.starts_with("velnaro-calc: " + missing + ": ")) << result.err;
    EXPECT_EQ(read_file(file("out.csv")), "earlier\n");
    EXPECT_EQ(files(), std::vector<std::string>{"out.csv"});
}

// What --show-rules writes reads back to the rules in effect: the built-in ones, or those of
// --rules; with -o, in the file alone.
TEST_F(Executable, ShowsTheRulesInEffectAsARulesFile) {
    const Outcome built_in = calc("--show-rules");
    EXPECT_EQ(built_in.status, 0);
    EXPECT_EQ(built_in.err, "");
    const pay::RulesReading read = pay::read_rules(built_in.out, "standard output");
    ASSERT_TRUE(std::holds_alternative<pay::PayRules>(read)) << built_in.out;
    EXPECT_EQ(std::get<pay::PayRules>(read), pay::built_in_rules());

    // Next year's file, edited by hand from this one.
    const std::string edited =
        edited_rules("index_point_value = 50.92", "index_point_value = 52.3");
    const pay::RulesReading expected = pay::read_rules(edited, "next.toml");
    ASSERT_TRUE(std::holds_alternative<pay::PayRules>(expected));
    ASSERT_NE(std::get<pay::PayRules>(expected), pay::built_in_rules());
    write_file(file("next.toml"), edited);
    const Outcome shown = calc("--show-rules --rules " + file("next.toml").string() + " -o " +
                               file("shown.toml").string());
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "");
    EXPECT_EQ(shown.err, "");
    const pay::RulesReading written = pay::read_rules(read_file(file("shown.toml")), "shown.toml");
    ASSERT_TRUE(std::holds_alternative<pay::PayRules>(written));
    EXPECT_EQ(std::get<pay::PayRules>(written), std::get<pay::PayRules>(expected));
}

// Staff files are computed under the rules of --rules; beside the previous rules each row
// carries the previous monthly pay that those rules compute alone, the difference and the
// arrears, and --summary adds them up.
TEST_F(Executable, ComparesABatchWithThePreviousRules) {
    write_file(file("previous.toml"), pay::write_rules(pay::built_in_rules()));
    write_file(file("next.toml"), pay::write_rules(test_rules::raised_point_value()));
    const std::string input = std::string(rows::choice_header) +
                              "\n10,6,A,no,2,3,yes\n9,1,C,no,0,0,no\n11,2,B,yes,1,0,no\n";
    const Outcome same =
        calc("--batch - --json --compare-rules " + file("previous.toml").string(), input);
    EXPECT_EQ(same.status, 0);
    for (const std::string& line : rows::lines_of(same.out)) {
        const auto row = nlohmann::json::parse(line);
        EXPECT_EQ(row.at("previous_monthly_pay"), row.at("monthly_pay"));
        EXPECT_EQ(row.at("monthly_difference"), "0.00");
    }

    const Outcome alone = calc("--batch - --json --rules " + file("previous.toml").string(), input);
    const Outcome compared =
        calc("--batch - --json --summary --rules " + file("next.toml").string() +
                 " --compare-rules " + file("previous.toml").string() + " --months 9",
             input);
    EXPECT_EQ(compared.status, 0);
    const std::vector<std::string> before = rows::lines_of(alone.out);
    const std::vector<std::string> after = rows::lines_of(compared.out);
    ASSERT_EQ(before.size(), 3u);
    ASSERT_EQ(after.size(), 3u);
    std::int64_t difference_sum = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const auto row = nlohmann::json::parse(after[i]);
        const std::string previous = row.at("previous_monthly_pay");
        EXPECT_EQ(previous, nlohmann::json::parse(before[i]).at("monthly_pay"));
        const std::int64_t difference =
            test_rules::cents(row.at("monthly_pay").get<std::string>()) -
            test_rules::cents(previous);
        EXPECT_GT(difference, 0);
        EXPECT_EQ(row.at("monthly_difference"), test_rules::signed_amount(difference));
        EXPECT_EQ(row.at("arrears"), test_rules::signed_amount(9 * difference));
        difference_sum += difference;
    }
    const std::vector<std::string> summary = rows::lines_of(compared.err);
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[2],
              "velnaro-calc: sums of the differences over the 3 rows that succeeded: "
              "monthly_difference " +
                  test_rules::signed_amount(difference_sum) + ", arrears " +
                  test_rules::signed_amount(9 * difference_sum));
}

// One slip beside the previous rules: the 21 fields in effect, previous and their difference.
TEST_F(Executable, ComparesOneSlipWithThePreviousRules) {
    write_file(file("next.toml"), pay::write_rules(test_rules::raised_point_value()));
    const Outcome result = calc("--compare-rules " + file("next.toml").string() + " " + one_slip);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = rows::lines_of(result.out);
    ASSERT_EQ(lines.size(), 3 + pay::slip_field_count);
    EXPECT_EQ(lines[0], "rules in effect: " + pay::rule_set_title(pay::built_in_rules()));
    EXPECT_EQ(lines[1], "previous rules: 2011 (2011-01-01)");
    // The built-in slip in effect, from the worked slip; the raised rules pay more before.
    const std::string& monthly = lines.back();
    EXPECT_TRUE(monthly.starts_with("monthly_pay ")) << monthly;
    EXPECT_NE(monthly.find(" " + worked::scale_10_rank_6.back() + " "), std::string::npos)
        << monthly;
    EXPECT_NE(monthly.find(" -"), std::string::npos) << monthly;
}

// Each rules option names one file, and no output takes a rules file's place: refused before
// anything is read or written, the files as they were. "@" stands for the test's folder.
struct ApartCase {
    const char* name;
    std::string args;
    std::string error;
};

class RulesKeptApart : public Executable, public testing::WithParamInterface<ApartCase> {};

std::string in_folder(std::string text, const std::string& folder) {
    for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
        text.replace(at, 1, folder);
        at += folder.size();
    }
    return text;
}

TEST_P(RulesKeptApart, AreRefusedBeforeAnythingIsReadOrWritten) {
    const std::string rules = pay::write_rules(pay::built_in_rules());
    write_file(file("apart.toml"), rules);
    write_file(file("staff.csv"), rows_of(1));
    fs::create_symlink(file("apart.toml"), file("apart-link.toml"));
    const std::string folder = file("").parent_path().string();
    const Outcome result = calc(in_folder(GetParam().args, folder));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "velnaro-calc: " + in_folder(GetParam().error, folder) + "\n");
    EXPECT_EQ(read_file(file("apart.toml")), rules);
    EXPECT_EQ(files(), (std::vector<std::string>{"apart-link.toml", "apart.toml", "staff.csv"}));
}

INSTANTIATE_TEST_SUITE_P(
    Options, RulesKeptApart,
    testing::Values(
        ApartCase{"rules_twice", "--show-rules --rules @/apart.toml --rules @/apart.toml",
                  "--rules is given twice; name one file (see --help)"},
        ApartCase{"previous_rules_twice",
                  "--batch @/staff.csv --compare-rules @/missing.toml --compare-rules "
                  "@/apart.toml",
                  "--compare-rules is given twice; name one file (see --help)"},
        ApartCase{"batch_over_the_rules",
                  "--batch @/staff.csv --rules @/apart.toml -o @/apart.toml",
                  "-o @/apart.toml names the rules file of --rules; choose another name"},
        ApartCase{"batch_over_the_previous_rules_by_a_link",
                  "--batch @/staff.csv --compare-rules @/apart.toml --output @/apart-link.toml",
                  "--output @/apart-link.toml names the rules file of --compare-rules; choose "
                  "another name"},
        ApartCase{"shown_rules_over_their_file",
                  "--show-rules --rules @/apart.toml -o @/./apart.toml",
                  "-o @/./apart.toml names the rules file of --rules; choose another name"}),
    [](const testing::TestParamInfo<ApartCase>& info) { return info.param.name; });

// A pipe gives its text once: named by both rules options, it is read once and each row is set
// against the same rules, never waited on for a second reading.
TEST_F(Executable, ReadsOnePipeNamedByBothRulesOptionsOnce) {
    write_file(file("rules.toml"), pay::write_rules(test_rules::raised_point_value()));
    write_file(file("staff.csv"), rows_of(2));
    const std::string rules = file("rules.toml").string();
    const std::string fifo = file("rules.fifo").string();
    const std::string run = std::string(VELNARO_CALC) + " --json --batch " +
                            file("staff.csv").string() + " > " + file("stdout").string();
    for (const std::string& command :
         {"cat " + rules + " | timeout 30 " + run +
              " --rules /dev/stdin --compare-rules /dev/stdin",
          "rm -f " + fifo + "; mkfifo " + fifo + " && (timeout 30 cat " + rules + " > " + fifo +
              " &) && timeout 30 " + run + " --rules " + fifo + " --compare-rules " + fifo}) {
        SCOPED_TRACE(command);
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        const std::vector<std::string> lines = rows::lines_of(read_file(file("stdout")));
        ASSERT_EQ(lines.size(), 2U);
        for (const std::string& line : lines) {
            const auto row = nlohmann::json::parse(line);
            EXPECT_EQ(row.at("previous_monthly_pay"), row.at("monthly_pay")) << line;
            EXPECT_EQ(row.at("monthly_difference"), "0.00") << line;
        }
    }
}

}  // namespace
