// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ventrose::simlink {
namespace {

// A discarded line is written "<discarded>", so that a test compares whole lists.
std::vector<std::string> Feed(LineSplitter& splitter, std::string_view chunk) {
    std::vector<std::string> lines;
    splitter.Feed(chunk, [&](const SplitLine& line) {
        lines.push_back(line.discarded ? "<discarded>" : std::string(line.text));
    });
    return lines;
}

std::vector<std::string> FeedChunks(const std::vector<std::string>& chunks) {
    LineSplitter splitter;
    std::vector<std::string> lines;
    for (const std::string& chunk : chunks) {
        for (std::string& line : Feed(splitter, chunk)) lines.push_back(std::move(line));
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineSplitter, CutsAtEachLineEnd) {
    const struct {
        const char* what;
        std::string stream;
        Lines lines;
    } rows[] = {
        {"FlightGear's CRLF", "120.5\r\n-3\r\n", {"120.5", "-3"}},
        {"a bare LF", "120.5\n-3\n", {"120.5", "-3"}},
        {"an empty line, for a property that does not exist", "\r\n7\r\n", {"", "7"}},
        {"only the last CR goes", "a\r\r\n", {"a\r"}},
        {"a CR in the middle stays", "a\rb\n", {"a\rb"}},
        {"a partial line waits", "12\r\n3", {"12"}},
        {"nothing", "", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(FeedChunks({row.stream}), row.lines) << row.what;
}

// TCP hands a stream over in any pieces: every cut gives the same lines.
TEST(LineSplitter, ChunkBoundariesChangeNothing) {
    const std::string stream =
        "120.53\r\n-4\r\n\r\n/a = '1' (double)\r\n" + std::string(600, 'x') + "\r\nlast\r\n";
    const Lines whole = FeedChunks({stream});
    ASSERT_EQ(whole, (Lines{"120.53", "-4", "", "/a = '1' (double)", "<discarded>", "last"}));
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        EXPECT_EQ(FeedChunks({stream.substr(0, cut), stream.substr(cut)}), whole)
            << "cut at " << cut;
    }
    std::vector<std::string> bytes;
    for (const char c : stream) bytes.emplace_back(1, c);
    EXPECT_EQ(FeedChunks(bytes), whole);
}

TEST(LineSplitter, KeepsLinesUpToTheBound) {
    const std::string longest(kMaxLineBytes, 'x');
    const struct {
        const char* what;
        std::string stream;
        Lines lines;
    } rows[] = {
        {"512 bytes", longest + "\n", {longest}},
        {"512 bytes and CRLF", longest + "\r\n", {longest}},
        {"513 bytes", longest + "y\n", {"<discarded>"}},
        {"513 bytes and CRLF", longest + "y\r\n", {"<discarded>"}},
        {"a line after a long one is read", longest + "yy\r\n42\r\n", {"<discarded>", "42"}},
    };
    for (const auto& row : rows) EXPECT_EQ(FeedChunks({row.stream}), row.lines) << row.what;
}

TEST(LineSplitter, AMegabyteLineIsDroppedOnceAndNeverHeld) {
    LineSplitter splitter;
    const std::string kilobyte(1024, 'z');
    Lines lines;
    for (int i = 0; i < 1024; ++i) {
        const Lines got = Feed(splitter, kilobyte);
        lines.insert(lines.end(), got.begin(), got.end());
        ASSERT_LE(splitter.Buffered(), kMaxLineBytes + 1);
    }
    const Lines end = Feed(splitter, "\r\n15\r\n");
    lines.insert(lines.end(), end.begin(), end.end());
    EXPECT_EQ(lines, (Lines{"<discarded>", "15"}));
    EXPECT_EQ(splitter.Buffered(), 0u);
}

TEST(LineSplitter, ResetDropsThePartialLine) {
    LineSplitter splitter;
    EXPECT_EQ(Feed(splitter, "12"), Lines{});
    EXPECT_EQ(splitter.Buffered(), 2u);
    splitter.Reset();
    EXPECT_EQ(Feed(splitter, "3\r\n"), Lines{"3"});
}

TEST(LineSplitter, ResetEndsADiscardedLine) {
    LineSplitter splitter;
    Feed(splitter, std::string(2000, 'x'));
    splitter.Reset();
    EXPECT_EQ(Feed(splitter, "3\r\n"), Lines{"3"});
}

}  // namespace
}  // namespace ventrose::simlink
