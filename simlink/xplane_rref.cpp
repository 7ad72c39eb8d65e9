// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/xplane_rref.h"

#include <bit>
#include <cstring>

namespace ventrose::simlink {

namespace {

void PutInt32(std::byte* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::byte>((bits >> (8 * i)) & 0xFFu);
}

std::uint32_t GetUint32(const std::byte* in) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= std::to_integer<std::uint32_t>(in[i]) << (8 * i);
    return bits;
}

}  // namespace

std::optional<RrefRequest> EncodeRref(std::int32_t frequency, std::int32_t index,
                                      std::string_view dataref) {
    if (frequency < 0 || dataref.empty() || dataref.size() >= kRrefNameBytes) return std::nullopt;
    if (dataref.find('\0') != std::string_view::npos) return std::nullopt;
    RrefRequest request{};  // zero-filled: the header's terminator and the name's padding
    std::memcpy(request.data(), "RREF", 4);
    PutInt32(request.data() + kRrefHeaderBytes, frequency);
    PutInt32(request.data() + kRrefHeaderBytes + 4, index);
    std::memcpy(request.data() + kRrefHeaderBytes + 8, dataref.data(), dataref.size());
    return request;
}

RrefValue RrefReply::operator[](std::size_t i) const {
    const std::byte* pair = pairs_.data() + i * kRrefPairBytes;
    return {static_cast<std::int32_t>(GetUint32(pair)), std::bit_cast<float>(GetUint32(pair + 4))};
}

std::variant<RrefReply, RrefError> DecodeRrefReply(std::span<const std::byte> datagram) {
    if (datagram.size() < kRrefHeaderBytes) return RrefError::TooShort;
    if (datagram.size() > kMaxRrefReplyBytes) return RrefError::TooLong;
    const char kind = static_cast<char>(datagram[4]);
    if (std::memcmp(datagram.data(), "RREF", 4) != 0 || (kind != 'O' && kind != ',')) {
        return RrefError::WrongHeader;
    }
    const std::span<const std::byte> pairs = datagram.subspan(kRrefHeaderBytes);
    if (pairs.size() % kRrefPairBytes != 0) return RrefError::BadLength;
    if (pairs.empty()) return RrefError::NoValues;
    return RrefReply(pairs);
}

std::string_view DescribeRrefError(RrefError error) {
    switch (error) {
        case RrefError::TooShort: return "shorter than a header";
        case RrefError::TooLong: return "longer than a reply";
        case RrefError::WrongHeader: return "not an RREF reply";
        case RrefError::BadLength: return "a partial value";
        case RrefError::NoValues: break;
    }
    return "no value";
}

}  // namespace ventrose::simlink
