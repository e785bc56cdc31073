#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct csv_parser;

namespace staff {

/// One record of a CSV text, valid until the next read.
struct CsvRecord {
    std::span<const std::string> fields;
    /// Why the record is malformed; empty when it is not. The fields then hold what was read
    /// before the fault.
    std::string_view malformed;
    /// The line of the text on which the record starts, from 1.
    std::size_t line = 0;
};

/// The longest record read as such; a longer one is malformed.
inline constexpr std::size_t default_record_limit = std::size_t{1} << 20;

/// Reads RFC 4180 records one at a time from a stream, in UTF-8 with or without a byte-order mark
/// and with CRLF, LF or CR line ends. Memory holds one record, not the text, and never much more
/// than the record limit whatever the text.
///
/// Quotes are read strictly, and a malformed record never ends the reading nor hides a line:
/// - a quote inside an unquoted field, or a closing quote followed by anything but a separator
///   or a line end, makes its record malformed;
/// - so does a quote still open at the end of the text, and a record longer than the limit;
/// - a malformed record that started on an earlier line is malformed on its first line only,
///   and the lines after that one are read again as records; one that lies on one line ends
///   with that line.
/// So every line that holds a record is answered, in order. A correctly quoted field may span
/// lines. Blank lines between records are no records. Fields keep their spaces.
class CsvReader {
  public:
    explicit CsvReader(std::istream& input, std::size_t chunk_size = std::size_t{1} << 16);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    /// The longest record, in bytes with its line ends, read as such from now on.
    void set_record_limit(std::size_t limit) { record_limit_ = limit; }

    /// The separator of fields from now on (a comma unless set).
    void set_delimiter(char delimiter);

    /// Reads the next record; false at the end of the text or when reading fails.
    bool next(CsvRecord& record);

    /// Forgets the record just read and reads its text again with another separator.
    void read_again(char delimiter);

    /// The text of the record just read, as far as it was read.
    std::string_view record_text() const { return record_text_; }

    /// Whether reading the stream failed (not its end), and the system's error number then.
    bool read_failed() const { return read_failed_; }
    int read_error() const { return read_error_; }

  private:
    static void on_field(void* data, std::size_t size, void* reader);
    static void on_record(int terminator, void* reader);
    void add_field(std::string_view text);
    void split_line(std::string_view line);

    void reset_parser();
    void start_record();
    // The next piece of text: up to and with the next line end, or up to the end of the chunk.
    std::string_view next_piece();
    void count_line_end(std::string_view piece);
    void feed(std::string_view piece);
    // Ends the record under way as malformed: on its first line, the lines after that one read
    // again with `unread_`; or on its one line, the rest of that line dropped.
    void end_malformed(std::string_view reason, bool line_ended);
    void finish();

    std::istream& input_;
    std::vector<char> chunk_;
    std::size_t chunk_pos_ = 0;
    std::size_t chunk_end_ = 0;
    bool input_done_ = false;
    bool read_failed_ = false;
    int read_error_ = 0;
    bool at_start_ = true;

    std::unique_ptr<csv_parser> parser_;
    char delimiter_ = ',';
    std::size_t record_limit_ = default_record_limit;

    std::vector<std::string> fields_;
    std::size_t field_count_ = 0;
    std::string malformed_;
    bool record_ready_ = false;

    // The line the next piece is on, and whether the last piece ended with CR (a CRLF is one
    // line end).
    std::size_t line_ = 1;
    bool after_cr_ = false;

    // The record under way has begun, on this line.
    bool pending_ = false;
    std::size_t record_line_ = 0;
    // Its text so far.
    std::string record_text_;
    // It has passed its first line end (a quoted field runs on), which was a CR.
    bool continued_ = false;
    bool first_line_end_cr_ = false;
    // Where its text after the first line starts, and how many fields that line completed.
    std::size_t first_line_size_ = 0;
    std::size_t first_line_fields_ = 0;
    // A piece taken from the text but not read into the record.
    std::string_view unread_;
    // Text to read before the stream's next chunk.
    std::string replay_;
    std::size_t replay_pos_ = 0;
    // The rest of the line of a malformed one-line record is dropped.
    bool skipping_line_ = false;
};

}  // namespace staff
