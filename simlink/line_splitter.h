// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace ventrose::simlink {

// The longest line kept, without its line end. FlightGear's property server reads commands into
// a 512-byte buffer too, and no reply to a get of ours comes near it.
inline constexpr std::size_t kMaxLineBytes = 512;

struct SplitLine {
    std::string_view text;  // without "\n" or "\r\n"; empty when discarded
    bool discarded;         // the line was longer than kMaxLineBytes and was dropped whole
};

// Cuts a byte stream, delivered in chunks of any size as TCP hands them over, into lines ending
// in '\n' (a '\r' before it is dropped). It keeps at most one partial line of kMaxLineBytes (and
// its '\r'): a longer line is dropped up to its end, however long, and reported once as
// discarded, so that the reader still knows a line went by.
class LineSplitter {
public:
    // Calls onLine(SplitLine) for each line the chunk completes, in order. The text refers to
    // the splitter's buffer and is valid until onLine returns.
    template <typename OnLine>
    void Feed(std::string_view chunk, OnLine&& onLine) {
        while (!chunk.empty()) {
            const std::size_t end = chunk.find('\n');
            append(chunk.substr(0, end));
            if (end == std::string_view::npos) return;
            onLine(takeLine());
            chunk.remove_prefix(end + 1);
        }
    }

    // Forgets the partial line, as when the connection is closed.
    void Reset();

    // The bytes of the partial line held: never more than kMaxLineBytes + 1.
    std::size_t Buffered() const { return size_; }

private:
    void append(std::string_view piece);
    SplitLine takeLine();

    std::array<char, kMaxLineBytes + 1> buffer_{};  // room for the '\r' of a longest line
    std::size_t size_ = 0;
    bool overlong_ = false;
};

}  // namespace ventrose::simlink
