// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/xplane_rref.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <variant>

#include "tests/simlink/bytes.h"

namespace ventrose::simlink {
namespace {

using test::Bytes;
using test::BytesOf;
using test::Reply;

TEST(EncodeRref, LaysOutTheRequestByteForByte) {
    const std::string_view name = "sim/flightmodel/position/groundspeed";
    Bytes expected = BytesOf({
        0x52, 0x52, 0x45, 0x46, 0x00,  // "RREF\0"
        0x05, 0x00, 0x00, 0x00,        // 5 times a second
        0x0B, 0x00, 0x00, 0x00,        // index 11
    });
    const Bytes nameBytes = BytesOf(name);
    expected.insert(expected.end(), nameBytes.begin(), nameBytes.end());
    expected.resize(413, std::byte{0});

    const auto request = EncodeRref(5, 11, name);
    ASSERT_TRUE(request);
    EXPECT_EQ(Bytes(request->begin(), request->end()), expected);
}

TEST(EncodeRref, NumbersAreLittleEndianWhateverTheirSign) {
    const auto request = EncodeRref(0x01020304, -2, "a");
    ASSERT_TRUE(request);
    EXPECT_EQ(Bytes(request->begin(), request->begin() + 14),
              BytesOf({0x52, 0x52, 0x45, 0x46, 0x00, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF,
                       0x61}));
}

TEST(EncodeRref, FrequencyZeroCancels) {
    const auto request = EncodeRref(0, 3, "sim/weather/wind_speed_kt");
    ASSERT_TRUE(request);
    EXPECT_EQ(Bytes(request->begin() + 5, request->begin() + 13),
              BytesOf({0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}));
}

TEST(EncodeRref, RefusesWhatXPlaneCouldNotRead) {
    const struct {
        const char* what;
        std::int32_t frequency;
        std::string name;
        bool encoded;
    } rows[] = {
        {"a name of 399 bytes keeps its terminating zero", 1, std::string(399, 'x'), true},
        {"a name of 400 bytes has no room for it", 1, std::string(400, 'x'), false},
        {"a name far too long", 1, std::string(5000, 'x'), false},
        {"an empty name", 1, "", false},
        {"a zero byte would cut the name short", 1, std::string("sim/a\0b", 7), false},
        {"a negative frequency", -1, "sim/a", false},
        {"the largest frequency", std::numeric_limits<std::int32_t>::max(), "sim/a", true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EncodeRref(row.frequency, 0, row.name).has_value(), row.encoded) << row.what;
    }
}

TEST(EncodeRref, ALongestNameEndsInAZero) {
    const auto request = EncodeRref(1, 0, std::string(399, 'x'));
    ASSERT_TRUE(request);
    EXPECT_EQ(request->at(13 + 398), std::byte{'x'});
    EXPECT_EQ(request->back(), std::byte{0});
}

TEST(DecodeRrefReply, ReadsEachIndexAndValue) {
    // index 1, 1.0f; index 258, -2.5f, written out as X-Plane 11 sends them.
    const Bytes datagram = BytesOf({0x52, 0x52, 0x45, 0x46, 0x2C,  // "RREF,"
                                    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x3F,
                                    0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x20, 0xC0});
    const auto decoded = DecodeRrefReply(datagram);
    const auto* reply = std::get_if<RrefReply>(&decoded);
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->size(), 2u);
    EXPECT_EQ((*reply)[0].index, 1);
    EXPECT_EQ((*reply)[0].value, 1.0f);
    EXPECT_EQ((*reply)[1].index, 258);
    EXPECT_EQ((*reply)[1].value, -2.5f);
}

TEST(DecodeRrefReply, AcceptsOrRejectsByShapeAlone) {
    const Bytes maxPairs = [] {
        Bytes b = Reply({});
        for (int i = 0; i < 183; ++i) {
            test::AppendInt32(b, i);
            test::AppendFloat(b, 1.0f);
        }
        return b;
    }();
    Bytes tooManyPairs = maxPairs;
    test::AppendInt32(tooManyPairs, 183);
    test::AppendFloat(tooManyPairs, 1.0f);
    Bytes oneByteOver = Reply({{1, 1.0f}});
    oneByteOver.push_back(std::byte{0});
    Bytes oneByteShort = Reply({{1, 1.0f}});
    oneByteShort.pop_back();

    const struct {
        const char* what;
        Bytes datagram;
        std::variant<std::size_t, RrefError> expected;  // the number of pairs, or the error
    } rows[] = {
        {"X-Plane 11 and 12's header", Reply({{0, 1.0f}}, ','), std::size_t{1}},
        {"X-Plane 10's header", Reply({{0, 1.0f}}, 'O'), std::size_t{1}},
        {"as many pairs as fit a frame", maxPairs, std::size_t{183}},
        {"one pair more than fits a frame", tooManyPairs, RrefError::TooLong},
        {"a megabyte", Bytes(1 << 20, std::byte{'R'}), RrefError::TooLong},
        {"empty", Bytes{}, RrefError::TooShort},
        {"four bytes", BytesOf("RREF"), RrefError::TooShort},
        {"a header alone", Reply({}), RrefError::NoValues},
        {"a byte after a pair", oneByteOver, RrefError::BadLength},
        {"a pair missing a byte", oneByteShort, RrefError::BadLength},
        {"a header and a lone index", BytesOf({0x52, 0x52, 0x45, 0x46, 0x2C, 1, 0, 0, 0}),
         RrefError::BadLength},
        {"another header byte", Reply({{0, 1.0f}}, 'X'), RrefError::WrongHeader},
        {"a zero for the header byte", Reply({{0, 1.0f}}, '\0'), RrefError::WrongHeader},
        {"lower case", BytesOf({0x72, 0x72, 0x65, 0x66, 0x2C, 0, 0, 0, 0, 0, 0, 0, 0}),
         RrefError::WrongHeader},
        {"X-Plane's DATA output", BytesOf({0x44, 0x41, 0x54, 0x41, 0x2A, 0, 0, 0, 0, 0, 0, 0, 0}),
         RrefError::WrongHeader},
    };
    for (const auto& row : rows) {
        const auto decoded = DecodeRrefReply(row.datagram);
        if (const auto* pairs = std::get_if<std::size_t>(&row.expected)) {
            const auto* reply = std::get_if<RrefReply>(&decoded);
            ASSERT_TRUE(reply) << row.what;
            EXPECT_EQ(reply->size(), *pairs) << row.what;
        } else {
            const auto* error = std::get_if<RrefError>(&decoded);
            ASSERT_TRUE(error) << row.what;
            EXPECT_EQ(*error, std::get<RrefError>(row.expected)) << row.what;
        }
    }
}

// Decoding only reads the shape; the values are judged by the reader (LinkState).
TEST(DecodeRrefReply, HandsOverNonFiniteValuesAndAnyIndexAsSent) {
    const Bytes datagram = Reply({{-7, std::numeric_limits<float>::quiet_NaN()},
                                  {999999, std::numeric_limits<float>::infinity()}});
    const auto decoded = DecodeRrefReply(datagram);
    const auto* reply = std::get_if<RrefReply>(&decoded);
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[0].index, -7);
    EXPECT_TRUE(std::isnan((*reply)[0].value));
    EXPECT_EQ((*reply)[1].index, 999999);
    EXPECT_TRUE(std::isinf((*reply)[1].value));
}

TEST(DecodeRrefReply, ARequestIsNotAReply) {
    const auto request = EncodeRref(5, 0, "sim/flightmodel/position/groundspeed");
    ASSERT_TRUE(request);
    const auto decoded = DecodeRrefReply(*request);
    ASSERT_TRUE(std::holds_alternative<RrefError>(decoded));
    EXPECT_EQ(std::get<RrefError>(decoded), RrefError::WrongHeader);
}

TEST(DescribeRrefError, SaysEachKindApart) {
    const RrefError kinds[] = {RrefError::TooShort, RrefError::TooLong, RrefError::WrongHeader,
                               RrefError::BadLength, RrefError::NoValues};
    for (const RrefError a : kinds) {
        EXPECT_FALSE(DescribeRrefError(a).empty());
        for (const RrefError b : kinds) {
            if (a == b) continue;
            EXPECT_NE(DescribeRrefError(a), DescribeRrefError(b));
        }
    }
}

}  // namespace
}  // namespace ventrose::simlink
