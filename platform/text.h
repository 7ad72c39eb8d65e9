#pragma once

#include <string>
#include <string_view>

namespace ventrose::platform {

// Texts are UTF-8. A key press carries one character code; these keep the text well formed.
void AppendCodePoint(std::string& text, char32_t codePoint);
std::string WithoutLastCharacter(std::string_view text);
// A one-line box holds no control characters (line breaks, tabs, ...).
std::string WithoutControlCharacters(std::string_view text);
// Decodes the next character of a UTF-8 text; a malformed byte reads as itself (Latin-1).
char32_t NextCodePoint(std::string_view text, std::size_t& position);

}  // namespace ventrose::platform
