// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ventrose::fuzz {

// A broken invariant is a crash for libFuzzer: it keeps the input that caused it.
[[noreturn]] inline void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

inline void Require(bool condition, const char* what, std::string_view detail = {}) {
    if (!condition) Fail(what, detail);
}

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
inline bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char first = byte(i);
        int length = 0;
        char32_t c = 0;
        if (first < 0x80) {
            ++i;
            continue;
        }
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
            return false;
        }
        if (i + static_cast<std::size_t>(length) > text.size()) return false;
        for (int k = 1; k < length; ++k) {
            if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) return false;
            c = (c << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
        }
        const char32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (c < shortest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

// What a person may type as a number: an optional leading '-', digits, at most one ',', and at
// least one digit.
inline bool IsNumberShape(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    int digits = 0;
    int commas = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == ',') {
            ++commas;
        } else {
            return false;
        }
    }
    return digits > 0 && commas <= 1;
}

}  // namespace ventrose::fuzz
