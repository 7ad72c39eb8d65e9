// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace ventrose::navlog::detail {

// Length in bytes of the UTF-8 sequence that starts at byte `i` of `text`, or 0 when none does:
// strict UTF-8, shortest forms only, no surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// A control character (C0, DEL or C1) is the sequence of `length` bytes at `i`.
bool IsControl(std::string_view text, std::size_t i, std::size_t length);

// The code point of the valid sequence of `length` bytes at `i`.
char32_t CodePointAt(std::string_view text, std::size_t i, std::size_t length);

}  // namespace ventrose::navlog::detail
