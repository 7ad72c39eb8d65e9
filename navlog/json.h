// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A small strict JSON reader (RFC 8259) for the log files, bounded so that no input can make it
// use much memory or stack, and a few helpers to write JSON. Only what a log needs: the values
// are kept in file order, with the text of each number for messages.
namespace ventrose::navlog {

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;            // finite
    std::string_view numberText;  // as written, inside the text that was read
    std::string text;             // String: decoded, valid UTF-8 (it may hold U+0000)
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // keys unique within the object

    // The member named `key`, or nullptr.
    const JsonValue* find(std::string_view key) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

// What the reader refuses beyond the grammar, each with its own message.
struct JsonLimits {
    int maxDepth = 32;                  // arrays and objects within one another
    std::size_t maxStringBytes = 4096;  // of a decoded string or key
    std::size_t maxNumberChars = 100;
    std::size_t maxValues = 20000;  // in the whole text
};

struct JsonError {
    bool truncated = false;  // the text stops before the JSON does
    std::string what;        // in the current language, without the position
    int line = 0;            // 1-based, of the offending character
    int column = 0;          // 1-based, in characters
};

// Reads one JSON value filling the whole text (whitespace around it allowed). The text must be
// valid UTF-8 (the caller checks it first, to say so in its own words). Numbers are read with
// the grammar's exact shape and each is read as the nearest double: NaN and Infinity are refused
// by name, a number beyond a double's range (1e400) too; one too small to be told from zero
// (1e-400) reads as 0, its text keeping what it is.
// Duplicate keys in an object are refused. The result's numberText views point into `text`.
std::variant<JsonValue, JsonError> ParseJson(std::string_view text, const JsonLimits& limits = {});

// A JSON number's text read exactly, as the decimal it writes rather than the double nearest to
// it: «359.99999999999999999» is not 360, however near its double. The text must follow the
// grammar, as a JsonValue's numberText does.
// Whether it is a whole number («95», «95.0», «9.5e1», «-0»; not «95.5» nor «1e-400»).
bool IsWholeNumber(std::string_view text);
// -1, 0 or 1 as it is below, equal to or above `bound`.
int CompareNumber(std::string_view text, long long bound);

// The 1-based line and column (in characters) of byte `offset` of `text`.
void PositionOf(std::string_view text, std::size_t offset, int& line, int& column);

// Appends `text` as a JSON string: quotes, the escapes \" \\ \b \f \n \r \t and \u00XX for the
// other control characters; other characters as they are. A byte that starts no UTF-8 sequence
// is written as U+FFFD, so that the output is always valid UTF-8.
void AppendJsonString(std::string& out, std::string_view text);
// Appends the shortest text that reads back as exactly `value`: without an exponent from 0.0001
// to 1e16 ("120", "25.5", "0.1"), with one outside ("1e-300"). `value` must be finite.
void AppendJsonNumber(std::string& out, double value);

}  // namespace ventrose::navlog
