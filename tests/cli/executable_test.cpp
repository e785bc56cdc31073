// velnaro-calc run as a process: exit statuses, standard streams and files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "pay/pay_inputs.h"
#include "test_rows.h"

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
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(testing::TempDir()) / ("velnaro-calc-" + std::string(test->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& name) const { return dir_ / name; }

    // The names in this test's folder other than those of `calc`'s streams.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
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
    fs::path dir_;
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
    EXPECT_EQ(result.err, "velnaro-calc: 3 of 6 rows have errors\n");
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
    EXPECT_EQ(result.err, "velnaro-calc: 3 of 5 rows have errors\n");
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
                              "التعويض عن الإقامــة\n    26697.84 × 25 % = 6674.46\n"),
              std::string::npos)
        << result.out;
    const std::string income_tax = "\n" + line("income_tax", "1528.27") +
                                   "الضريبة العامة على الدخل\n"
                                   "    50000.00 < 53041.33 ≤ 60000.00 → 20 %\n"
                                   "    (53041.33 − 50000.00) × 20 % + 2000.00 = 2608.27\n"
                                   "    2608.27 − 1080.00 = 1528.27\n"
                                   "total_deductions ";
    EXPECT_NE(result.out.find(income_tax), std::string::npos) << result.out;
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
    testing::Values(RefusedCase{"unknown_option", "--batch - --fast", "",
                                "The following argument was not expected: --fast (see --help)"},
                    RefusedCase{"unreadable_file", "--batch /nonexistent/staff.csv", "",
                                "cannot read /nonexistent/staff.csv: No such file or directory"},
                    RefusedCase{"empty_input", "--batch -", "", "standard input has no header row"},
                    RefusedCase{"directory", "--batch /", "", "cannot read /: Is a directory"},
                    RefusedCase{
                        "header_without_the_columns", "--batch -", "scale,rank,zone\n9,1,A\n",
                        "the header row has no column special_charges, children, dependents, "
                        "mutual_member (it needs " +
                            std::string(rows::choice_header) + ")"},
                    RefusedCase{"explained_csv", "--batch - --explain",
                                std::string(rows::choice_header) + "\n10,6,A,no,2,3,yes\n",
                                "--explain in batch mode needs --json: a CSV row has no room for "
                                "the explanations (see --help)"},
                    RefusedCase{"full_output", "--batch - -o /dev/full",
                                std::string(rows::choice_header) + "\n10,6,A,no,2,3,yes\n",
                                "cannot write /dev/full: No space left on device", 3},
                    RefusedCase{"empty_output_name", "--batch - -o ''", "",
                                "empty file name after --output (see --help)"},
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
    testing::Values(
        FailedRunCase{"bad_header", "name\n1\n", "",
                      "the header row has no column scale, rank, zone, "
                      "special_charges, children, dependents, mutual_member (it needs " +
                          std::string(rows::choice_header) + ")",
                      2},
        // The file may grow to 8 KiB at most (ulimit counts 512 or 1024 bytes).
        FailedRunCase{"file_size_limit", rows_of(1000), "ulimit -f 16;", "out.csv: File too large",
                      3}),
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
    EXPECT_EQ(result.err, "velnaro-calc: 1 of 2 rows have errors\n");
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

}  // namespace
