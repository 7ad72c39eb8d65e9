// SPDX-License-Identifier: GPL-3.0-or-later
#include "flightplan/text.h"
#include "common/tr.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace ventrose::flightplan::detail {

void Refuse(std::string message) { throw Refusal{std::move(message)}; }

void RefuseAt(int line, std::string_view message) {
    Refuse(common::Arg(common::Tr("FlightPlan", "Ligne %1 : %2"), {std::to_string(line), message}));
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    if (first < 0x80) return 1;
    std::size_t length = 0;
    char32_t c = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2;
        c = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        c = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        c = first & 0x07;
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const char32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (c < shortest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

int LineOf(std::string_view text, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') ++line;
    }
    return line;
}

std::optional<double> ReadNumber(std::string_view text) {
    // Longer than any coordinate or altitude a planner writes; it keeps the copy below small.
    constexpr std::size_t kMaxChars = 64;
    if (text.empty() || text.size() > kMaxChars) return std::nullopt;
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '+' || text[0] == '-') ++i;
    const std::size_t start = i;
    int digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        int exponentDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    // std::from_chars takes no '+' and reads '.' whatever the locale.
    double value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto read = std::from_chars(first, last, value);
    if (read.ec == std::errc::result_out_of_range) {
        // Underflow is a number too small to matter; overflow is no number.
        bool zeroMantissa = true;
        for (const char* p = first; p != last && *p != 'e' && *p != 'E'; ++p) {
            if (*p >= '1' && *p <= '9') zeroMantissa = false;
        }
        const auto e = text.find_first_of("eE");
        const bool negativeExponent =
            e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-';
        if (zeroMantissa || negativeExponent) return negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (read.ec != std::errc{} || read.ptr != last || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> ReadWhole(std::string_view text) {
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) ++i;
    const std::size_t digits = text.size() - i;
    if (digits == 0 || digits > 9) return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -value : value;
}

std::string CleanName(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) length = 1;  // the caller checked the text; be safe all the same
        const auto first = static_cast<unsigned char>(text[i]);
        const bool control =
            (length == 1 && (first < 0x20 || first == 0x7F)) ||
            (length == 2 && first == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0);
        if (control || (length == 1 && text[i] == ' ')) {
            pendingSpace = !out.empty();
        } else {
            if (pendingSpace) out += ' ';
            pendingSpace = false;
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string FirstCodePoints(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count) return std::string(text.substr(0, i));
            ++seen;
        }
    }
    return std::string(text);
}

std::string Quote(std::string_view text) {
    constexpr std::size_t kShown = 40;
    // Only the start matters, and cleaning a megabyte to show 40 characters would be waste.
    std::size_t end = 0;
    std::size_t seen = 0;
    while (end < text.size() && seen <= 4 * kShown) {
        const std::size_t length = Utf8SequenceLength(text, end);
        end += length == 0 ? 1 : length;
        ++seen;
    }
    std::string clean = CleanName(text.substr(0, end));
    if (CodePoints(clean) > kShown || end < text.size()) {
        clean = FirstCodePoints(clean, kShown) + "…";
    }
    return common::Arg(common::Tr("FlightPlan", "«%1»"), {clean});
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace ventrose::flightplan::detail
