#include "cli/csv_reader.h"

#include <csv.h>

#include <algorithm>
#include <new>

namespace cli {
namespace {

constexpr unsigned char parser_options = CSV_STRICT | CSV_STRICT_FINI;
constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// Spaces around an unquoted field are part of it.
int no_space(unsigned char) {
    return 0;
}

bool is_line_end(char c) {
    return c == '\n' || c == '\r';
}

// `text` up to and with its first line end, or all of it.
std::string_view first_line(std::string_view text) {
    const auto end = std::find_if(text.begin(), text.end(), is_line_end);
    return text.substr(
        0, end == text.end() ? text.size() : static_cast<std::size_t>(end - text.begin()) + 1);
}

}  // namespace

CsvReader::CsvReader(std::istream& input, std::size_t chunk_size)
    : input_(input), chunk_(std::max(chunk_size, byte_order_mark.size())) {
    reset_parser();
}

CsvReader::~CsvReader() {
    csv_free(parser_.get());
}

void CsvReader::reset_parser() {
    if (parser_) {
        csv_free(parser_.get());
    } else {
        parser_ = std::make_unique<csv_parser>();
    }
    if (csv_init(parser_.get(), parser_options) != 0) {
        throw std::bad_alloc();
    }
    csv_set_space_func(parser_.get(), no_space);
}

void CsvReader::on_field(void* data, std::size_t size, void* reader) {
    auto& self = *static_cast<CsvReader*>(reader);
    const std::string_view text(data ? static_cast<const char*>(data) : "", data ? size : 0);
    if (self.field_count_ < self.fields_.size()) {
        self.fields_[self.field_count_].assign(text);
    } else {
        self.fields_.emplace_back(text);
    }
    ++self.field_count_;
}

void CsvReader::on_record(int, void* reader) {
    static_cast<CsvReader*>(reader)->record_ready_ = true;
}

void CsvReader::start_record() {
    field_count_ = 0;
    malformed_ = {};
    pending_ = true;
    continued_ = false;
    after_first_line_.clear();
}

std::string_view CsvReader::next_piece() {
    if (replay_pos_ < replay_.size()) {
        const std::string_view piece = first_line(std::string_view(replay_).substr(replay_pos_));
        replay_pos_ += piece.size();
        return piece;
    }
    if (chunk_pos_ == chunk_end_) {
        if (input_done_) {
            return {};
        }
        input_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
        chunk_pos_ = 0;
        chunk_end_ = static_cast<std::size_t>(input_.gcount());
        read_failed_ = read_failed_ || input_.bad();
        input_done_ = !input_ || chunk_end_ == 0;
        const std::string_view chunk(chunk_.data(), chunk_end_);
        if (at_start_ && chunk.starts_with(byte_order_mark)) {
            chunk_pos_ = byte_order_mark.size();
        }
        at_start_ = false;
        if (chunk_pos_ == chunk_end_) {
            return next_piece();
        }
    }
    const std::string_view piece =
        first_line(std::string_view(chunk_.data() + chunk_pos_, chunk_end_ - chunk_pos_));
    chunk_pos_ += piece.size();
    return piece;
}

void CsvReader::feed(std::string_view piece) {
    const bool ends_line = is_line_end(piece.back());
    if (skipping_line_) {
        skipping_line_ = !ends_line;
        return;
    }
    if (!pending_) {
        if (piece.size() == 1 && ends_line) {
            return;  // a blank line
        }
        start_record();
    } else if (continued_) {
        after_first_line_ += piece;
    }
    const std::size_t parsed =
        csv_parse(parser_.get(), piece.data(), piece.size(), on_field, on_record, this);
    if (parsed < piece.size()) {
        if (csv_error(parser_.get()) != CSV_EPARSE) {
            throw std::bad_alloc();
        }
        // A quote inside an unquoted field, or text after a closing quote.
        malformed_ = "misplaced quote";
        record_ready_ = true;
        skipping_line_ = !ends_line;
        reset_parser();
    }
    if (record_ready_) {
        pending_ = false;
    } else if (ends_line) {
        continued_ = true;
    }
}

void CsvReader::finish() {
    if (csv_fini(parser_.get(), on_field, on_record, this) != 0) {
        malformed_ = "unclosed quote";
        record_ready_ = true;
        // The open quote swallowed the lines after it; they are records of their own.
        replay_ = std::move(after_first_line_);
        replay_pos_ = 0;
        reset_parser();
    }
    pending_ = false;
    continued_ = false;
    after_first_line_.clear();
}

bool CsvReader::next(CsvRecord& record) {
    while (!record_ready_) {
        const std::string_view piece = next_piece();
        if (!piece.empty()) {
            feed(piece);
            continue;
        }
        if (!pending_) {
            return false;
        }
        finish();
    }
    record_ready_ = false;
    record.fields = std::span<const std::string>(fields_.data(), field_count_);
    record.malformed = malformed_;
    return true;
}

}  // namespace cli
