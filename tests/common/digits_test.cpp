// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "common/digits.h"

namespace ventrose::common::detail {
namespace {

// The value a digit string stands for, written one way only: trailing zeros go into the scale.
std::string Text(const DigitString& n) {
    if (n.count == 0) return n.negative ? "-0" : "0";
    int count = n.count, scale = n.scale;
    while (count > 1 && n.digits[count - 1] == '0') --count, --scale;
    return (n.negative ? "-" : "") + std::string(n.digits, n.digits + count) + "e-" +
           std::to_string(scale);
}

// The quick rounding must agree with rounding the 15-digit form, above all next to halves,
// where a double just below a half has a 15-digit form exactly on it (69/60 shows 1,2).
TEST(RoundedDigitsOf, AgreesWithRoundingTheFifteenDigitForm) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> whole(-100000, 100000);
    int checked = 0;
    for (int decimals = 0; decimals <= 6; ++decimals) {
        const double step = std::pow(10.0, -decimals);
        for (int i = 0; i < 20000; ++i) {
            double values[] = {
                whole(random) * step + step / 2,                         // a half, as a double
                std::nextafter(whole(random) * step + step / 2, 0.0),    // just inside it
                std::nextafter(whole(random) * step + step / 2, 1e300),  // just beyond it
                whole(random) / 60.0,  // the base factors' quotients
                60.0 / (60 + i % 741),
                (unit(random) - 0.5) * std::pow(10.0, whole(random) % 12),  // any size
            };
            for (double v : values) {
                DigitString slow = DigitsOf(v);
                RoundHalfAway(slow, decimals);
                DigitString quick = RoundedDigitsOf(v, decimals);
                ASSERT_EQ(Text(quick), Text(slow)) << v << " to " << decimals << " decimals";
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 7 * 20000 * 6);
}

}  // namespace
}  // namespace ventrose::common::detail
