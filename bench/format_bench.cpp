// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "common/format.h"

namespace {

using ventrose::common::Decimal;
using ventrose::common::FormatNumber;

constexpr std::array kPatterns = {
    "### kts", "000 °",   "0 °",      "0.0 °",    "0 kts",   " 0 kts",  "0 Kts", "0 Km/h", "0 NM",
    " 0 NM",   "0.0 NM",  "0 mn",     " 0 mn",    " 0mn",    " 0 mn/h", "0.0",   "0.00",   "0",
    "0.###",   "0 pieds", "0 mètres", "0.00 Hpa", "0 ft/mn", "0 '",     " 0 '",  "+ 0 '",
};

// A few values of each kind that the labels meet: whole, with decimals, a tie, negative.
constexpr std::array kDoubles = {7.25, 1234.5678, 0.075, -3.25, 254.0, 1.0 / 3};
constexpr std::array kDecimalTexts = {"7,25",  "1234,5678", "0,9265",
                                      "-3,25", "254",       "37,777777777777777777777777778"};

void BM_FormatDouble(benchmark::State& state, const char* pattern) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(kDoubles[i], pattern));
        i = i + 1 == kDoubles.size() ? 0 : i + 1;
    }
}

void BM_FormatDecimal(benchmark::State& state, const char* pattern) {
    std::array<Decimal, kDecimalTexts.size()> values;
    for (std::size_t k = 0; k < values.size(); ++k) values[k] = *Decimal::Parse(kDecimalTexts[k]);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(values[i], pattern));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}

const bool kRegistered = [] {
    for (const char* pattern : kPatterns) {
        benchmark::RegisterBenchmark(("FormatDouble/\"" + std::string(pattern) + "\"").c_str(),
                                     BM_FormatDouble, pattern);
        benchmark::RegisterBenchmark(("FormatDecimal/\"" + std::string(pattern) + "\"").c_str(),
                                     BM_FormatDecimal, pattern);
    }
    return true;
}();

}  // namespace
