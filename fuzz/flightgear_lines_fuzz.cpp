// SPDX-License-Identifier: GPL-3.0-or-later
// FlightGear's property server on whatever a TCP stream may deliver. The first byte of the
// input chooses how the rest is cut into chunks; the rest is the stream.
//   - The line splitter gives the same lines whatever the cuts, never a line longer than 512
//     bytes or holding a line end, and never holds more than one line.
//   - A line read as a reply gives a finite number, and a path only from the line itself.
//   - The link, connected and fed the chunks over time, never releases a value that is not
//     finite or beyond its limits, and answers each line once: every line is a value kept or
//     something counted.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fuzz/check.h"
#include "simlink/flightgear_props.h"
#include "simlink/line_splitter.h"
#include "simlink/link_state.h"
#include "simlink/sim_values.h"

using namespace ventrose;
using namespace ventrose::simlink;

namespace {

struct Line {
    std::string text;
    bool discarded;
    friend bool operator==(const Line&, const Line&) = default;
};

// Chunk lengths from 1 to 64, drawn from a small generator seeded by the first byte.
std::vector<std::string_view> Chunks(std::uint8_t seed, std::string_view stream) {
    std::vector<std::string_view> chunks;
    std::uint32_t state = seed * 2654435761u + 1;
    while (!stream.empty()) {
        state = state * 1664525u + 1013904223u;
        const std::size_t length = std::min<std::size_t>(1 + (state >> 24) % 64, stream.size());
        chunks.push_back(stream.substr(0, length));
        stream.remove_prefix(length);
    }
    return chunks;
}

std::vector<Line> Split(const std::vector<std::string_view>& chunks) {
    LineSplitter splitter;
    std::vector<Line> lines;
    for (const std::string_view chunk : chunks) {
        splitter.Feed(chunk, [&](const SplitLine& line) {
            lines.push_back({std::string(line.text), line.discarded});
        });
        fuzz::Require(splitter.Buffered() <= kMaxLineBytes + 1,
                      "the splitter holds more than a line", chunk);
    }
    return lines;
}

void CheckLine(const Line& line) {
    if (line.discarded) {
        fuzz::Require(line.text.empty(), "a discarded line with a text", line.text);
        return;
    }
    fuzz::Require(line.text.size() <= kMaxLineBytes, "a line over 512 bytes", line.text);
    fuzz::Require(line.text.find('\n') == std::string::npos, "a line end inside a line", line.text);
    const auto parsed = ParseFlightGearLine(line.text);
    if (const auto* reply = std::get_if<FlightGearReply>(&parsed)) {
        fuzz::Require(std::isfinite(reply->value), "a number that is not finite", line.text);
        fuzz::Require(reply->path.empty() || line.text.find(reply->path) != std::string::npos,
                      "a path not in the line", line.text);
    }
}

void CheckLink(const std::vector<std::string_view>& chunks, std::size_t lineCount) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Connected(0);
    std::int64_t now = 0;
    std::optional<std::int64_t> lastRelease;
    for (const std::string_view chunk : chunks) {
        now += chunk.size();  // up to 64 ms a chunk: polls and releases fall due along the way
        const LinkActions actions = link.Received(chunk, now);
        if (actions.release) {
            for (const Quantity q : kQuantities) {
                const std::optional<double>& value = ValueOf(*actions.release, q);
                if (value)
                    fuzz::Require(IsPlausible(q, *value), "a released value beyond its limits",
                                  NameOf(q));
            }
            fuzz::Require(!lastRelease || now - *lastRelease >= kReleaseEveryMs,
                          "releases too close");
            lastRelease = now;
        }
        if (actions.closeConnection) return;  // the lines after it would not be read
    }
    const LinkCounters& c = link.Counters();
    fuzz::Require(c.values + c.nonFinite + c.implausible + c.linesWithoutNumber + c.overlongLines +
                          c.unexpectedLines ==
                      lineCount,
                  "a line neither kept nor counted");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string_view> chunks = Chunks(data[0], stream);
    const std::vector<Line> lines = Split(chunks);
    fuzz::Require(lines == Split({stream}), "the cuts changed the lines", stream);
    for (const Line& line : lines) CheckLine(line);
    CheckLink(chunks, lines.size());
    return 0;
}
