// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

// X-Plane's UDP dataref subscription, as "Sending Data to X-Plane" (X-Plane's Instructions
// folder, "SEND ME ALL THE DATAREFS I WANT: RREF") describes it. Every number on the wire is
// little-endian, whatever the machine.
//
// The request, sent to the simulator's port:
//   "RREF\0"   5 bytes
//   frequency  int32, times a second; 0 cancels the subscription
//   index      int32, chosen by the sender and sent back with every value
//   dataref    400 bytes, the name, zero-padded
// The reply, sent back to the requester's address and port:
//   "RREF" and one byte ('O' from X-Plane 10, ',' from X-Plane 11 and 12)
//   then n times: index int32, value float32 (every dataref comes as a float)
namespace ventrose::simlink {

inline constexpr std::uint16_t kXPlanePort = 49000;

inline constexpr std::size_t kRrefHeaderBytes = 5;
inline constexpr std::size_t kRrefNameBytes = 400;
inline constexpr std::size_t kRrefRequestBytes = kRrefHeaderBytes + 4 + 4 + kRrefNameBytes;  // 413
inline constexpr std::size_t kRrefPairBytes = 8;
// A reply that fits one Ethernet frame (1472 bytes of UDP payload) holds at most 183 values, and
// this program asks for a dozen: anything longer is not a reply to it and is not read.
inline constexpr std::size_t kMaxRrefPairs = 183;
inline constexpr std::size_t kMaxRrefReplyBytes = kRrefHeaderBytes + kMaxRrefPairs * kRrefPairBytes;

using RrefRequest = std::array<std::byte, kRrefRequestBytes>;

// The request for one dataref. Nullopt for a frequency below zero, an empty name, a name that
// does not fit with its terminating zero (400 bytes or more) and one that holds a zero byte,
// which X-Plane would read as a shorter name.
std::optional<RrefRequest> EncodeRref(std::int32_t frequency, std::int32_t index,
                                      std::string_view dataref);

struct RrefValue {
    std::int32_t index;
    float value;  // as sent: it may be NaN or infinite, which the reader must drop
};

// A well-formed reply: its pairs, read from the datagram's bytes as they are asked for. It
// refers to the datagram, which must outlive it.
class RrefReply {
public:
    explicit RrefReply(std::span<const std::byte> pairs) : pairs_(pairs) {}
    std::size_t size() const { return pairs_.size() / kRrefPairBytes; }
    RrefValue operator[](std::size_t i) const;

private:
    std::span<const std::byte> pairs_;
};

enum class RrefError : std::uint8_t {
    TooShort,     // fewer than the 5 bytes of the header
    TooLong,      // more than kMaxRrefReplyBytes
    WrongHeader,  // not "RREF" followed by 'O' or ','
    BadLength,    // the pairs do not come in whole 8 bytes
    NoValues,     // a header alone
};

std::variant<RrefReply, RrefError> DecodeRrefReply(std::span<const std::byte> datagram);

std::string_view DescribeRrefError(RrefError error);

}  // namespace ventrose::simlink
