// SPDX-License-Identifier: GPL-3.0-or-later
// X-Plane's RREF replies on whatever a network may deliver. The input is read three ways:
//   - as one datagram: it decodes only when its shape is a reply's, and then into exactly its
//     pairs;
//   - as a request's fields (frequency, index, name): the request, when made, holds them at
//     their places and nothing else;
//   - as a timeline of datagrams ([length][milliseconds since the previous one][bytes]...) fed
//     to the link, which never releases a value that is not finite or beyond its limits, counts
//     every pair it drops, and keeps at most one release per 250 ms.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "fuzz/check.h"
#include "simlink/link_state.h"
#include "simlink/sim_values.h"
#include "simlink/xplane_rref.h"

using namespace ventrose;
using namespace ventrose::simlink;

namespace {

std::string_view AsText(std::span<const std::byte> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::int32_t Int32At(std::span<const std::byte> bytes) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= std::to_integer<std::uint32_t>(bytes[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void CheckDecoding(std::span<const std::byte> datagram) {
    const auto decoded = DecodeRrefReply(datagram);
    const auto* reply = std::get_if<RrefReply>(&decoded);
    const bool shaped = datagram.size() >= kRrefHeaderBytes + kRrefPairBytes &&
                        datagram.size() <= kMaxRrefReplyBytes &&
                        (datagram.size() - kRrefHeaderBytes) % kRrefPairBytes == 0 &&
                        AsText(datagram).starts_with("RREF") &&
                        (AsText(datagram)[4] == 'O' || AsText(datagram)[4] == ',');
    fuzz::Require(shaped == (reply != nullptr), "a reply decoded by its shape alone",
                  AsText(datagram));
    if (reply == nullptr) return;
    fuzz::Require(reply->size() == (datagram.size() - kRrefHeaderBytes) / kRrefPairBytes,
                  "a pair lost or invented", AsText(datagram));
    for (std::size_t i = 0; i < reply->size(); ++i) {
        const auto pair = datagram.subspan(kRrefHeaderBytes + i * kRrefPairBytes, kRrefPairBytes);
        const RrefValue value = (*reply)[i];
        fuzz::Require(value.index == Int32At(pair), "an index misread", AsText(datagram));
        const std::int32_t bits = Int32At(pair.subspan(4));
        fuzz::Require(std::memcmp(&value.value, &bits, 4) == 0, "a value misread",
                      AsText(datagram));
    }
}

void CheckRequest(std::span<const std::byte> input) {
    if (input.size() < 8) return;
    const std::int32_t frequency = Int32At(input);
    const std::int32_t index = Int32At(input.subspan(4));
    const std::string_view name = AsText(input.subspan(8));
    const auto request = EncodeRref(frequency, index, name);
    const bool valid = frequency >= 0 && !name.empty() && name.size() < kRrefNameBytes &&
                       name.find('\0') == std::string_view::npos;
    fuzz::Require(request.has_value() == valid, "a request refused or made wrongly", name);
    if (!request) return;
    const std::span<const std::byte> bytes(*request);
    fuzz::Require(AsText(bytes.first(5)) == std::string_view("RREF\0", 5), "the request's header",
                  name);
    fuzz::Require(Int32At(bytes.subspan(5)) == frequency, "the request's frequency", name);
    fuzz::Require(Int32At(bytes.subspan(9)) == index, "the request's index", name);
    fuzz::Require(AsText(bytes.subspan(13, name.size())) == name, "the request's name", name);
    for (const std::byte b : bytes.subspan(13 + name.size())) {
        fuzz::Require(b == std::byte{0}, "the request's padding", name);
    }
}

void CheckRelease(const SimValues& values) {
    for (const Quantity q : kQuantities) {
        const std::optional<double>& value = ValueOf(values, q);
        if (value)
            fuzz::Require(IsPlausible(q, *value), "a released value beyond its limits", NameOf(q));
    }
}

void CheckLink(std::span<const std::byte> input) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    std::int64_t now = 0;
    std::optional<std::int64_t> lastRelease;
    std::uint64_t pairs = 0;
    std::uint64_t rejected = 0;
    while (input.size() >= 2) {
        const std::size_t length =
            std::min(std::to_integer<std::size_t>(input[0]), input.size() - 2);
        now += std::to_integer<std::int64_t>(input[1]);
        const auto datagram = input.subspan(2, length);
        input = input.subspan(2 + length);
        const auto decoded = DecodeRrefReply(datagram);
        if (const auto* reply = std::get_if<RrefReply>(&decoded)) {
            pairs += reply->size();
        } else {
            ++rejected;
        }
        const LinkActions actions = link.Datagram(datagram, now);
        if (actions.release) {
            CheckRelease(*actions.release);
            fuzz::Require(!lastRelease || now - *lastRelease >= kReleaseEveryMs,
                          "releases too close");
            lastRelease = now;
        }
        fuzz::Require(!actions.openConnection && !actions.closeConnection && actions.send.empty(),
                      "X-Plane asked for a connection");
    }
    const LinkCounters& c = link.Counters();
    fuzz::Require(c.rejectedDatagrams == rejected, "a rejected datagram not counted");
    fuzz::Require(c.values + c.unknownIndexes + c.nonFinite + c.implausible == pairs,
                  "a pair neither kept nor counted");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::byte> input(reinterpret_cast<const std::byte*>(data), size);
    CheckDecoding(input);
    CheckRequest(input);
    CheckLink(input);
    return 0;
}
