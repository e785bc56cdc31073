#include "staff/csv_reader.h"

#include <csv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "staff/utf8.h"

namespace staff {
namespace {

constexpr unsigned char parser_options = CSV_STRICT | CSV_STRICT_FINI;
// A long field grows the parser's buffer by this much at a time, not by a few bytes.
constexpr std::size_t parser_block_size = std::size_t{1} << 16;

// Spaces around an unquoted field are part of it.
int no_space(unsigned char) {
    return 0;
}

bool is_line_end(char c) {
    return c == '\n' || c == '\r';
}

// `text` up to and with its first line end, or all of it. The line feed is looked for first, with
// memchr, which is much quicker than a loop over the bytes; a carriage return ends a line too.
std::string_view first_line(std::string_view text) {
    const auto position_of = [&](char wanted, std::size_t within) {
        const void* found = std::memchr(text.data(), wanted, within);
        return found == nullptr
                   ? within
                   : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    };
    const std::size_t feed = position_of('\n', text.size());
    const std::size_t end = position_of('\r', feed);
    return text.substr(0, end == text.size() ? end : end + 1);
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
    csv_set_delim(parser_.get(), static_cast<unsigned char>(delimiter_));
    csv_set_blk_size(parser_.get(), parser_block_size);
}

void CsvReader::set_delimiter(char delimiter) {
    delimiter_ = delimiter;
    csv_set_delim(parser_.get(), static_cast<unsigned char>(delimiter_));
}

void CsvReader::on_field(void* data, std::size_t size, void* reader) {
    static_cast<CsvReader*>(reader)->add_field(
        std::string_view(data ? static_cast<const char*>(data) : "", data ? size : 0));
}

void CsvReader::add_field(std::string_view text) {
    if (field_count_ < fields_.size()) {
        fields_[field_count_].assign(text);
    } else {
        fields_.emplace_back(text);
    }
    ++field_count_;
}

void CsvReader::split_line(std::string_view line) {
    for (;;) {
        const std::size_t end = line.find(delimiter_);
        add_field(line.substr(0, end));
        if (end == std::string_view::npos) {
            return;
        }
        line.remove_prefix(end + 1);
    }
}

void CsvReader::on_record(int, void* reader) {
    static_cast<CsvReader*>(reader)->record_ready_ = true;
}

void CsvReader::start_record() {
    field_count_ = 0;
    malformed_.clear();
    pending_ = true;
    record_line_ = line_;
    record_text_.clear();
    continued_ = false;
    first_line_end_cr_ = false;
    first_line_size_ = 0;
    first_line_fields_ = 0;
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
        chunk_pos_ = 0;
        chunk_end_ = 0;
        if (at_start_) {
            // The byte-order mark is looked for whole.
            input_.read(chunk_.data(), static_cast<std::streamsize>(
                                           std::min(byte_order_mark.size(), chunk_.size())));
            chunk_end_ = static_cast<std::size_t>(input_.gcount());
        }
        // What has come, once something has: rows that a pipe sends slowly are answered as they
        // come, not when a whole chunk is there.
        if (input_ && chunk_end_ < chunk_.size() &&
            !std::istream::traits_type::eq_int_type(input_.peek(),
                                                    std::istream::traits_type::eof())) {
            chunk_end_ += static_cast<std::size_t>(
                input_.readsome(chunk_.data() + chunk_end_,
                                static_cast<std::streamsize>(chunk_.size() - chunk_end_)));
        }
        if (input_.bad() && !read_failed_) {
            read_failed_ = true;
            read_error_ = errno;
        }
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

void CsvReader::count_line_end(std::string_view piece) {
    const char last = piece.back();
    if (last == '\r' || (last == '\n' && !(piece.size() == 1 && after_cr_))) {
        ++line_;
    }
    after_cr_ = last == '\r';
}

void CsvReader::end_malformed(std::string_view reason, bool line_ended) {
    malformed_ = reason;
    record_ready_ = true;
    pending_ = false;
    reset_parser();
    if (!continued_) {
        skipping_line_ = !line_ended;
        return;
    }
    // The record is malformed on its first line; what followed that line is read again.
    field_count_ = first_line_fields_;
    std::string again = record_text_.substr(first_line_size_);
    again += unread_;
    again.append(replay_, std::min(replay_pos_, replay_.size()));
    replay_ = std::move(again);
    replay_pos_ = 0;
    // The record's text is its first line: reading it again reads the lines after it once.
    record_text_.resize(first_line_size_);
    line_ = record_line_ + 1;
    after_cr_ = first_line_end_cr_;
    continued_ = false;
}

void CsvReader::feed(std::string_view piece) {
    const bool ends_line = is_line_end(piece.back());
    if (skipping_line_) {
        skipping_line_ = !ends_line;
        count_line_end(piece);
        return;
    }
    if (!pending_) {
        if (piece.size() == 1 && ends_line) {
            count_line_end(piece);
            return;  // a blank line
        }
        start_record();
    }
    count_line_end(piece);
    unread_ = {};
    if (record_text_.size() + piece.size() > record_limit_) {
        // The piece is not read: it goes back with the lines after the first, or with the rest of
        // the one line.
        unread_ = continued_ ? piece : std::string_view();
        // What a long line holds before its cut depends on how it was read: none of it.
        field_count_ = 0;
        end_malformed("longer than " + std::to_string(record_limit_) + " bytes", ends_line);
        return;
    }
    record_text_ += piece;
    // A whole record on one line with no quote, the common case, is split at its separators
    // here: the parser would find the same fields a character at a time.
    if (ends_line && record_text_.size() == piece.size() &&
        piece.find('"') == std::string_view::npos) {
        split_line(piece.substr(0, piece.size() - 1));
        record_ready_ = true;
        pending_ = false;
        return;
    }
    const std::size_t parsed =
        csv_parse(parser_.get(), piece.data(), piece.size(), on_field, on_record, this);
    if (parsed < piece.size()) {
        if (csv_error(parser_.get()) != CSV_EPARSE) {
            throw std::bad_alloc();
        }
        // A quote inside an unquoted field, or text after a closing quote.
        end_malformed("misplaced quote", ends_line);
        return;
    }
    if (record_ready_) {
        pending_ = false;
    } else if (!continued_) {
        first_line_size_ = record_text_.size();
        if (ends_line) {
            continued_ = true;
            first_line_end_cr_ = piece.back() == '\r';
            first_line_fields_ = field_count_;
        }
    }
}

void CsvReader::finish() {
    if (csv_fini(parser_.get(), on_field, on_record, this) != 0) {
        unread_ = {};
        end_malformed("unclosed quote", true);
        return;
    }
    pending_ = false;
    continued_ = false;
}

bool CsvReader::next(CsvRecord& record) {
    while (!record_ready_) {
        const std::string_view piece = next_piece();
        if (!piece.empty()) {
            feed(piece);
            continue;
        }
        // A read error leaves the record under way cut short: it is no record.
        if (!pending_ || read_failed_) {
            return false;
        }
        finish();
    }
    record_ready_ = false;
    record.fields = std::span<const std::string>(fields_.data(), field_count_);
    record.malformed = malformed_;
    record.line = record_line_;
    return true;
}

void CsvReader::read_again(char delimiter) {
    std::string again = record_text_;
    again.append(replay_, std::min(replay_pos_, replay_.size()));
    replay_ = std::move(again);
    replay_pos_ = 0;
    skipping_line_ = false;
    line_ = record_line_;
    after_cr_ = false;
    record_ready_ = false;
    pending_ = false;
    continued_ = false;
    delimiter_ = delimiter;
    reset_parser();
}

}  // namespace staff
