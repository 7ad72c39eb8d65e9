// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text.h"

namespace ventrose::platform {

void AppendCodePoint(std::string& text, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    int length = 0;
    char32_t c = 0;
    if (first < 0x80) {
        ++i;
        return first;
    } else if ((first & 0xE0) == 0xC0) {
        length = 2;
        c = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        c = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        c = first & 0x07;
    }
    if (length == 0 || i + length > text.size()) {
        ++i;
        return first;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return first;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return c;
}

std::string WithoutLastCharacter(std::string_view text) {
    std::size_t i = 0, last = 0;
    while (i < text.size()) {
        last = i;
        NextCodePoint(text, i);
    }
    return std::string(text.substr(0, last));
}

int CharacterCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) NextCodePoint(text, i);
    return count;
}

std::size_t ByteOffset(std::string_view text, int index) {
    std::size_t i = 0;
    for (int k = 0; k < index && i < text.size(); ++k) NextCodePoint(text, i);
    return i;
}

std::string ReplaceCharacters(std::string_view text, int start, int length,
                              std::string_view inserted) {
    const std::size_t from = ByteOffset(text, start);
    const std::size_t to = from + ByteOffset(text.substr(from), length);
    std::string out(text.substr(0, from));
    out += inserted;
    out += text.substr(to);
    return out;
}

std::string WithoutControlCharacters(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = NextCodePoint(text, i);
        if (c >= 32 && !(c >= 0x7F && c <= 0x9F)) AppendCodePoint(out, c);
    }
    return out;
}

}  // namespace ventrose::platform
