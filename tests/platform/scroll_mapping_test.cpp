// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "platform/scroll_mapping.h"

namespace ventrose::platform {
namespace {

// A rising bar's widget position is its value (a screen reader announces it); a falling bar's
// is the value negated, so that Min still stands at the left or top.
struct MappingRow {
    const char* name;
    int min, max, value, position;
};
constexpr MappingRow kMappings[] = {
    {"MinOfARisingRange", 0, 100, 0, 0},
    {"InsideARisingRange", 10, 100, 55, 55},
    {"MaxOfARisingRange", 10, 100, 100, 100},
    {"MinOfAFallingRange", 45, 0, 45, -45},
    {"InsideAFallingRange", 45, 0, 40, -40},
    {"MaxOfAFallingRange", 45, 0, 0, 0},
    {"NegativeRange", -360, -10, -200, -200},
    {"EmptyRange", 7, 7, 7, 7},
    {"Whole16BitRange", -32768, 32767, 32767, 32767},
    {"WholeFalling16BitRange", 32767, -32768, -32768, 32768},
};

TEST(ScrollMapping, ARisingBarsPositionIsItsValue) {
    for (const MappingRow& row : kMappings) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PositionOf(row.value, row.min, row.max), row.position);
        EXPECT_EQ(ValueAt(row.position, row.min, row.max), row.value);
    }
}

// A value or a position outside the range (a model between two settings, a widget dragged past
// its end) comes back within it.
struct ClampRow {
    const char* name;
    int min, max, value, position, valueAtPosition;
};
constexpr ClampRow kClamps[] = {
    {"BelowARisingRange", 10, 20, 5, 10, 10},
    {"AboveARisingRange", 10, 20, 25, 20, 20},
    {"BeyondTheMinOfAFallingRange", 45, 0, 50, -45, 45},
    {"BeyondTheMaxOfAFallingRange", 45, 0, -5, 0, 0},
};

TEST(ScrollMapping, OutsideTheRangeComesBackToItsEnds) {
    for (const ClampRow& row : kClamps) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PositionOf(row.value, row.min, row.max), row.position);
        EXPECT_EQ(ValueAt(PositionOf(row.value, row.min, row.max), row.min, row.max),
                  row.valueAtPosition);
    }
    EXPECT_EQ(ValueAt(-3, 10, 20), 10);
    EXPECT_EQ(ValueAt(99, 10, 20), 20);
    EXPECT_EQ(ValueAt(99, 45, 0), 0);
    EXPECT_EQ(ValueAt(-99, 45, 0), 45);
}

TEST(ScrollMapping, EveryValueOfARangeHasItsOwnPosition) {
    for (const auto& [min, max] : {std::pair{0, 360}, std::pair{45, 0}, std::pair{-50, 50}}) {
        const PositionSpan span = PositionsOf(min, max);
        EXPECT_EQ(span.high - span.low, std::abs(max - min));
        const int step = min < max ? 1 : -1;
        for (int value = min; value != max + step; value += step)
            ASSERT_EQ(ValueAt(PositionOf(value, min, max), min, max), value) << min << ".." << max;
    }
}

}  // namespace
}  // namespace ventrose::platform
