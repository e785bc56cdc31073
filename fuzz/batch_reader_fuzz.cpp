// The batch reader on arbitrary bytes: every record after the header is answered with one row,
// nothing crashes, and what is written is well-formed UTF-8.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/csv_reader.h"
#include "cli/utf8.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t records_after_header(const std::string& text) {
    std::istringstream input(text);
    cli::CsvReader reader(input);
    cli::CsvRecord record;
    std::size_t records = 0;
    while (reader.next(record)) {
        ++records;
    }
    return records > 0 ? records - 1 : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the mode; the rest is the file.
    const cli::BatchOptions options{.json = (bytes[0] & 1) != 0, .session = (bytes[0] & 2) != 0};
    const std::string text(reinterpret_cast<const char*>(bytes) + 1, size - 1);

    std::istringstream input(text);
    std::ostringstream output;
    const cli::BatchOutcome outcome = cli::run_batch(input, output, options);
    require(outcome.status != cli::ExitStatus::io_failure);
    require(cli::is_valid_utf8(output.str()));
    if (outcome.status != cli::ExitStatus::usage) {
        require(outcome.rows == records_after_header(text));
        require((outcome.failed_rows > 0) == (outcome.status == cli::ExitStatus::row_errors));
    }
    return 0;
}
