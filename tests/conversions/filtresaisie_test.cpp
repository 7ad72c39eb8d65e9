// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/filtresaisie.h"

#include <gtest/gtest.h>

#include <optional>

namespace ventrose::conversions {
namespace {

TEST(FilterKey, Keys) {
    constexpr std::optional<int> kRefused;
    const struct {
        const char* name;
        int key;
        bool minusAllowed;
        std::optional<int> expected;
    } rows[] = {
        {"Zero", '0', false, '0'},
        {"Nine", '9', false, '9'},
        {"PointTypesTheComma", '.', false, ','},
        {"PointInTemperature", '.', true, ','},
        {"Backspace", 8, false, 8},
        {"MinusInTemperature", '-', true, '-'},
        {"MinusElsewhere", '-', false, kRefused},
        {"CommaKeyItself", ',', false, kRefused},
        {"CommaKeyInTemperature", ',', true, kRefused},
        {"Letter", 'a', true, kRefused},
        {"Space", ' ', false, kRefused},
        {"Enter", 13, false, kRefused},
        {"Plus", '+', true, kRefused},
        {"BelowDigits", '/', false, kRefused},
        {"AboveDigits", ':', false, kRefused},
        {"Accented", 0xE9, false, kRefused},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FilterKey(row.key, row.minusAllowed), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace ventrose::conversions
