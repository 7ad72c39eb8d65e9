// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

// Datagrams built by hand for the tests, byte by byte, little-endian as X-Plane sends them.
namespace ventrose::simlink::test {

using Bytes = std::vector<std::byte>;

inline Bytes BytesOf(std::initializer_list<unsigned> values) {
    Bytes bytes;
    for (const unsigned v : values) bytes.push_back(static_cast<std::byte>(v));
    return bytes;
}

inline Bytes BytesOf(std::string_view text) {
    Bytes bytes;
    for (const char c : text) bytes.push_back(static_cast<std::byte>(c));
    return bytes;
}

inline void AppendInt32(Bytes& bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::byte>((bits >> (8 * i)) & 0xFFu));
}

inline void AppendFloat(Bytes& bytes, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    AppendInt32(bytes, static_cast<std::int32_t>(bits));
}

// "RREF" and `kind`, then each index and value.
inline Bytes Reply(std::initializer_list<std::pair<std::int32_t, float>> pairs, char kind = ',') {
    Bytes bytes = BytesOf("RREF");
    bytes.push_back(static_cast<std::byte>(kind));
    for (const auto& [index, value] : pairs) {
        AppendInt32(bytes, index);
        AppendFloat(bytes, value);
    }
    return bytes;
}

}  // namespace ventrose::simlink::test
