// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the plan readers share: their one way of refusing, of reading a number and of cleaning
// a name.
namespace ventrose::flightplan::detail {

// Thrown by a reader with the message of its refusal; ReadPlan turns it into a PlanError, so that
// a reader deep in a file stops at once and nothing is kept.
struct Refusal {
    std::string message;
};

[[noreturn]] void Refuse(std::string message);
// «Ligne 7 : » then the message, whose first letter the caller writes in lower case.
[[noreturn]] void RefuseAt(int line, std::string_view message);

// Length in bytes of the UTF-8 sequence at byte `i`, or 0 when none starts there: strict UTF-8,
// shortest forms only, no surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// The 1-based line of byte `offset`.
int LineOf(std::string_view text, std::size_t offset);

// A decimal number as the plan formats write it: an optional sign, digits with at most one '.'
// (at least one digit), then an optional exponent (FlightGear writes 1e-05). Nothing else, not
// even spaces, and it must be a finite double; nothing otherwise.
std::optional<double> ReadNumber(std::string_view text);

// A whole number: an optional sign and 1 to 9 digits.
std::optional<int> ReadWhole(std::string_view text);

// A name from a plan as the log may show it: every control character (C0, DEL, C1) and every run
// of white space becomes one space, and the ends are trimmed. The text must be valid UTF-8.
std::string CleanName(std::string_view text);

// The first `count` code points of valid UTF-8 text.
std::string FirstCodePoints(std::string_view text, std::size_t count);
std::size_t CodePoints(std::string_view text);

// A text from the file as a message quotes it: cleaned, at most 40 code points, "…" when cut,
// between «».
std::string Quote(std::string_view text);

// ASCII white space as the text formats separate their fields: space, tab, CR, LF.
bool IsSpace(char c);
std::string_view Trim(std::string_view text);

}  // namespace ventrose::flightplan::detail
