// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ventrose::platform {

// Texts are UTF-8. A key press carries one character code; these keep the text well formed.
void AppendCodePoint(std::string& text, char32_t codePoint);
std::string WithoutLastCharacter(std::string_view text);
// A one-line box holds no control characters: C0 (line breaks, tabs, ...), DEL and C1
// (U+0080 to U+009F, which a malformed byte read as Latin-1 may also give).
std::string WithoutControlCharacters(std::string_view text);
// Decodes the next character of a UTF-8 text; a malformed byte reads as itself (Latin-1).
char32_t NextCodePoint(std::string_view text, std::size_t& position);

// Positions in a text are counted in characters, as a person sees them, not in bytes.
int CharacterCount(std::string_view text);
// The byte where character `index` starts (the text's size past its last character).
std::size_t ByteOffset(std::string_view text, int index);
// The text with `length` characters from character `start` replaced by `inserted`.
std::string ReplaceCharacters(std::string_view text, int start, int length,
                              std::string_view inserted);

}  // namespace ventrose::platform
