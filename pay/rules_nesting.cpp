#include "pay/rules_nesting.h"

#include <vector>

namespace pay {
namespace {

// A TOML parser builds one table or list per level of a dotted key, table header, list or
// inline table, and toml++ recurses through them: this scan counts the levels first, reading the
// text once, so that no depth reaches the parser.
class NestingScan {
  public:
    NestingScan(std::string_view text, int deepest) : text_(text), deepest_(deepest) {}

    std::optional<NestingPlace> run() {
        while (i_ < text_.size() && !too_deep_) {
            step(text_[i_]);
        }
        if (too_deep_) {
            return place();
        }
        return std::nullopt;
    }

  private:
    enum class Expect { statement, key, value, after_value };

    // A list or inline table still open, and the level of its own value.
    struct Open {
        bool inline_table = false;
        int depth = 0;
    };

    void step(char c) {
        switch (c) {
            case '\n':
                new_line();
                ++i_;
                if (open_.empty()) {
                    expect_ = Expect::statement;
                }
                return;
            case ' ':
            case '\t':
            case '\r':
                ++i_;
                return;
            case '#':
                skip_comment();
                return;
            default:
                break;
        }
        switch (expect_) {
            case Expect::statement:
                if (c == '[') {
                    header();
                    expect_ = Expect::after_value;
                } else {
                    begin_key(table_depth_);
                }
                return;
            case Expect::key:
                key(c);
                return;
            case Expect::value:
                value(c);
                return;
            case Expect::after_value:
                after_value(c);
                return;
        }
    }

    void begin_key(int base) {
        expect_ = Expect::key;
        key_base_ = base;
        segments_ = 1;
    }

    void key(char c) {
        if (c == '"' || c == '\'') {
            skip_string();
            return;
        }
        ++i_;
        if (c == '.') {
            ++segments_;
            deeper(key_base_ + segments_, i_ - 1);
        } else if (c == '=') {
            value_depth_ = key_base_ + segments_;
            deeper(value_depth_, i_ - 1);
            expect_ = Expect::value;
        } else if (c == '}') {
            close();
        }
    }

    void value(char c) {
        if (c == '"' || c == '\'') {
            skip_string();
            expect_ = Expect::after_value;
            return;
        }
        if (c == '[' || c == '{') {
            ++i_;
            open_.push_back({c == '{', value_depth_});
            if (c == '{') {
                begin_key(value_depth_);
            } else {
                ++value_depth_;
                deeper(value_depth_, i_ - 1);
            }
            return;
        }
        if (c == ']' || c == '}' || c == ',') {
            after_value(c);
            return;
        }
        // A number, date, true or false: read on as what follows a value.
        ++i_;
        expect_ = Expect::after_value;
    }

    void after_value(char c) {
        ++i_;
        if (c == ']' || c == '}') {
            close();
        } else if (c == ',' && !open_.empty()) {
            if (open_.back().inline_table) {
                begin_key(open_.back().depth);
            } else {
                value_depth_ = open_.back().depth + 1;
                expect_ = Expect::value;
            }
        }
    }

    void close() {
        if (!open_.empty()) {
            open_.pop_back();
        }
        expect_ = Expect::after_value;
    }

    // [a.b.c] or [[a.b.c]]: the keys that follow stand one level below the table, and a table of
    // an array of tables one level below its array.
    void header() {
        const std::size_t start = i_;
        ++i_;
        int depth = 1;
        if (i_ < text_.size() && text_[i_] == '[') {
            ++i_;
            ++depth;
        }
        table_depth_ = depth;
        deeper(depth, start);
        while (i_ < text_.size() && !too_deep_ && text_[i_] != ']' && text_[i_] != '\n') {
            if (text_[i_] == '"' || text_[i_] == '\'') {
                skip_string();
                continue;
            }
            if (text_[i_] == '.') {
                table_depth_ = ++depth;
                deeper(depth, i_);
            }
            ++i_;
        }
    }

    // Notes the character at `at` as the place where the text goes too deep.
    void deeper(int depth, std::size_t at) {
        if (depth > deepest_ && !too_deep_) {
            too_deep_ = true;
            fault_ = at;
        }
    }

    void skip_comment() {
        while (i_ < text_.size() && text_[i_] != '\n') {
            ++i_;
        }
    }

    // A basic or literal string, on one line or on several ("""...""", '''...''').
    void skip_string() {
        const char quote = text_[i_];
        const std::string_view three = quote == '"' ? R"(""")" : "'''";
        const bool multi_line = text_.substr(i_, 3) == three;
        i_ += multi_line ? 3 : 1;
        while (i_ < text_.size()) {
            const char c = text_[i_];
            if (c == '\\' && quote == '"') {
                ++i_;  // the escaped character, unless it ends the line
                if (i_ < text_.size() && text_[i_] != '\n') {
                    ++i_;
                }
                continue;
            }
            if (c == '\n') {
                if (!multi_line) {
                    return;  // unterminated: the parser says so
                }
                new_line();
            }
            if (c == quote && (!multi_line || text_.substr(i_, 3) == three)) {
                i_ += multi_line ? 3 : 1;
                // """ may end a multi-line string that ends with one or two quotes.
                while (multi_line && i_ < text_.size() && text_[i_] == quote) {
                    ++i_;
                }
                return;
            }
            ++i_;
        }
    }

    void new_line() {
        ++line_;
        line_start_ = i_ + 1;
    }

    NestingPlace place() const {
        std::size_t column = 1;
        for (std::size_t k = line_start_; k < fault_; ++k) {
            if ((static_cast<unsigned char>(text_[k]) & 0xC0U) != 0x80U) {
                ++column;
            }
        }
        return {line_, column};
    }

    std::string_view text_;
    int deepest_;
    std::size_t i_ = 0;
    std::size_t line_ = 1;
    std::size_t line_start_ = 0;
    Expect expect_ = Expect::statement;
    int table_depth_ = 0;
    int key_base_ = 0;
    int segments_ = 0;
    int value_depth_ = 0;
    // Never deeper than `deepest_`: a level beyond it ends the scan.
    std::vector<Open> open_;
    bool too_deep_ = false;
    std::size_t fault_ = 0;
};

}  // namespace

std::optional<NestingPlace> too_deep_nesting(std::string_view text, int deepest) {
    return NestingScan(text, deepest).run();
}

}  // namespace pay
