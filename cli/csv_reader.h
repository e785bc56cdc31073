#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct csv_parser;

namespace cli {

/// One record of a CSV text, valid until the next read.
struct CsvRecord {
    std::span<const std::string> fields;
    /// Why the record is malformed; empty when it is not. The fields then hold what was read
    /// before the fault.
    std::string_view malformed;
};

/// Reads RFC 4180 records one at a time from a stream, in UTF-8 with or without a byte-order mark
/// and with CRLF, LF or CR line ends. Memory holds one record, not the text.
///
/// A malformed record never ends the reading: a misplaced quote makes its record malformed and
/// reading goes on at the next line; a quote still open at the end of the text makes its record
/// malformed and the lines after the record's first line are read again as records. Blank lines
/// between records are no records. Fields keep their spaces.
class CsvReader {
  public:
    explicit CsvReader(std::istream& input, std::size_t chunk_size = std::size_t{1} << 16);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    /// Reads the next record; false at the end of the text.
    bool next(CsvRecord& record);

    /// Whether reading the stream failed (not its end).
    bool read_failed() const { return read_failed_; }

  private:
    static void on_field(void* data, std::size_t size, void* reader);
    static void on_record(int terminator, void* reader);

    void reset_parser();
    void start_record();
    // The next piece of text: up to and with the next line end, or up to the end of the chunk.
    std::string_view next_piece();
    void feed(std::string_view piece);
    void finish();

    std::istream& input_;
    std::vector<char> chunk_;
    std::size_t chunk_pos_ = 0;
    std::size_t chunk_end_ = 0;
    bool input_done_ = false;
    bool read_failed_ = false;
    bool at_start_ = true;

    std::unique_ptr<csv_parser> parser_;

    std::vector<std::string> fields_;
    std::size_t field_count_ = 0;
    std::string_view malformed_;
    bool record_ready_ = false;

    // The record under way has begun.
    bool pending_ = false;
    // It has passed its first line end (a quoted field runs on).
    bool continued_ = false;
    // What followed its first line end, to read again if its quote never closes.
    std::string after_first_line_;
    // Text to read before the stream's next chunk.
    std::string replay_;
    std::size_t replay_pos_ = 0;
    // The rest of the line of a misplaced quote is dropped.
    bool skipping_line_ = false;
};

}  // namespace cli
