// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/numbers.h"

namespace ventrose::testing {

// The patterns that the windows render their numbers with.
inline constexpr std::string_view kProgramPatterns[] = {
    "### kts",  "000 °",   "0 °",   "0.0 °",  "0 kts", " 0 kts",  "0 Kts",
    "0 Km/h",   "0 NM",    " 0 NM", "0.0 NM", "0 mn",  " 0 mn",   " 0mn",
    " 0 mn/h",  "0.0",     "0.00",  "0",      "0.###", "0 pieds", "0 mètres",
    "0.00 Hpa", "0 ft/mn", "0 '",   " 0 '",   "+ 0 '", "M 0.000",
};

// A rendered number taken apart by the shape of its pattern alone, without knowing the value.
// The digits are views into the text read.
struct Reading {
    bool negative = false;
    std::string_view integerDigits;
    bool comma = false;
    std::string_view decimalDigits;

    // The number in the form that a text box takes: «-12,5», «0» for an empty integer part.
    std::string NumberText() const {
        std::string text = negative ? "-" : "";
        text += integerDigits.empty() ? std::string_view("0") : integerDigits;
        if (!decimalDigits.empty()) {
            text += ',';
            text += decimalDigits;
        }
        return text;
    }
};

namespace detail {

inline bool IsPlaceholder(char c) { return c == '0' || c == '#'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One section of a pattern: literal text, a run of placeholders, literal text. Every pattern
// of the program has its placeholders together in each section.
struct Section {
    std::string_view before, after;
    int zeros = 0, placeholders = 0;
    bool valid = true;
};

inline Section SplitSection(std::string_view section) {
    Section s;
    const std::size_t first = section.find_first_of("0#");
    if (first == std::string_view::npos) {
        s.before = section;
        return s;
    }
    std::size_t end = first;
    while (end < section.size() && IsPlaceholder(section[end])) {
        s.zeros += section[end] == '0';
        ++s.placeholders;
        ++end;
    }
    s.before = section.substr(0, first);
    s.after = section.substr(end);
    s.valid = s.after.find_first_of("0#") == std::string_view::npos;
    return s;
}

inline bool Take(std::string_view& text, std::string_view literal) {
    if (text.substr(0, literal.size()) != literal) return false;
    text.remove_prefix(literal.size());
    return true;
}

inline std::string_view TakeDigits(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

}  // namespace detail

// Nullopt unless `text` has exactly the shape that `pattern` gives a finite number: an optional
// '-' first, the literals where they stand, at least as many integer digits as '0' placeholders
// and no superfluous leading zero, a ',' exactly where the pattern has '.', between as many
// decimals as '0' and as many as all placeholders of the decimal section with no trailing zero
// from a '#', and never a minus sign in front of a zero.
inline std::optional<Reading> ReadByPattern(std::string_view text, std::string_view pattern) {
    using namespace detail;
    const std::size_t point = pattern.find('.');
    const Section integer = SplitSection(pattern.substr(0, point));
    const bool hasDecimals = point != std::string_view::npos;
    const Section decimal =
        SplitSection(hasDecimals ? pattern.substr(point + 1) : std::string_view{});
    if (!integer.valid || !decimal.valid) return std::nullopt;

    Reading r;
    r.negative = Take(text, "-");
    if (!Take(text, integer.before)) return std::nullopt;
    r.integerDigits = TakeDigits(text);
    const int count = static_cast<int>(r.integerDigits.size());
    if (count < integer.zeros) return std::nullopt;
    if (count > integer.zeros && count > 0 && r.integerDigits[0] == '0') return std::nullopt;
    if (!Take(text, integer.after)) return std::nullopt;
    if (hasDecimals) {
        r.comma = Take(text, ",");
        if (!r.comma || !Take(text, decimal.before)) return std::nullopt;
        r.decimalDigits = TakeDigits(text);
        const int decimals = static_cast<int>(r.decimalDigits.size());
        if (decimals < decimal.zeros || decimals > decimal.placeholders) return std::nullopt;
        if (decimals > decimal.zeros && r.decimalDigits.back() == '0') return std::nullopt;
        if (!Take(text, decimal.after)) return std::nullopt;
    }
    if (!text.empty()) return std::nullopt;
    const bool allZero = r.integerDigits.find_first_not_of('0') == std::string_view::npos &&
                         r.decimalDigits.find_first_not_of('0') == std::string_view::npos;
    if (r.negative && allZero) return std::nullopt;
    return r;
}

// The number that a label shows by `pattern`, or nullopt when the text does not have the
// pattern's shape.
inline std::optional<double> ShownNumber(std::string_view text, std::string_view pattern) {
    const std::optional<Reading> reading = ReadByPattern(text, pattern);
    if (!reading) return std::nullopt;
    // Sweeps read hundreds of thousands of labels: the short ones are composed without allocating.
    char buffer[64];
    if (reading->integerDigits.size() + reading->decimalDigits.size() + 3 > sizeof buffer) {
        return common::ParseNumber(reading->NumberText());
    }
    std::size_t n = 0;
    if (reading->negative) buffer[n++] = '-';
    buffer[n++] = '0';
    for (const char c : reading->integerDigits) buffer[n++] = c;
    if (!reading->decimalDigits.empty()) buffer[n++] = ',';
    for (const char c : reading->decimalDigits) buffer[n++] = c;
    return common::ParseNumber(std::string_view(buffer, n));
}

}  // namespace ventrose::testing
