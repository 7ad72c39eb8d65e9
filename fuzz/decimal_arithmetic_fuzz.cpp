// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal sums, differences, products and quotients against exact digit-string arithmetic:
// a result is the exact value rounded half away from zero at its own scale, that scale is the
// greatest that fits (so a result that fits exactly is exact), and nothing comes back only when
// even the integer part needs more than 96 bits.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/decimal.h"
#include "fuzz/check.h"
#include "fuzz/exact.h"

using namespace ventrose;

namespace {

common::Decimal TakeDecimal(FuzzedDataProvider& in) {
    const bool negative = in.ConsumeBool();
    const int scale = in.ConsumeIntegralInRange(0, common::Decimal::kMaxScale);
    // Small coefficients are where exact results and ties live; full 96-bit ones where overflow
    // does.
    common::UInt128 coefficient = 0;
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0: coefficient = in.ConsumeIntegralInRange<std::uint64_t>(0, 100000); break;
        case 1: coefficient = in.ConsumeIntegral<std::uint64_t>(); break;
        default:
            coefficient = (common::UInt128{in.ConsumeIntegral<std::uint32_t>()} << 64) |
                          in.ConsumeIntegral<std::uint64_t>();
            break;
    }
    return *common::Decimal::FromParts(negative, coefficient, scale);
}

std::string Describe(const char* op, const common::Decimal& a, const common::Decimal& b) {
    return a.toString() + " " + op + " " + b.toString();
}

// `result` against the exact value, for the operations that round only to fit.
void CheckRounded(const std::optional<common::Decimal>& result, const fuzz::Exact& exact,
                  const std::string& what) {
    const bool integerFits = fuzz::FitsCoefficient(fuzz::RoundHalfAway(exact, 0).magnitude);
    fuzz::Require(result.has_value() == integerFits,
                  "nullopt does not match an integer part beyond 96 bits", what);
    if (!result) return;
    const int scale = result->scale();
    fuzz::Require(fuzz::Compare(fuzz::ExactOf(*result), fuzz::RoundHalfAway(exact, scale)) == 0,
                  "the result is not the exact value rounded half away at its scale", what);
    const bool exactResult = scale >= fuzz::SignificantScale(exact);
    const bool moreDoesNotFit =
        scale == common::Decimal::kMaxScale ||
        !fuzz::FitsCoefficient(fuzz::RoundHalfAway(exact, scale + 1).magnitude);
    fuzz::Require(exactResult || moreDoesNotFit, "the result drops decimals that would fit", what);
}

void CheckQuotient(const common::Decimal& a, const common::Decimal& b) {
    const std::string what = Describe("/", a, b);
    const std::optional<common::Decimal> q = common::Divide(a, b);
    if (b.isZero()) {
        fuzz::Require(!q, "a division by zero gives a value", what);
        return;
    }
    const fuzz::Exact x = fuzz::ExactOf(a), y = fuzz::ExactOf(b);
    bool exact = false;
    const bool integerFits = fuzz::FitsCoefficient(fuzz::RoundedQuotient(x, y, 0, exact).magnitude);
    fuzz::Require(q.has_value() == integerFits,
                  "nullopt does not match an integer part beyond 96 bits", what);
    if (!q) return;
    const int scale = q->scale();
    fuzz::Require(fuzz::Compare(fuzz::ExactOf(*q), fuzz::RoundedQuotient(x, y, scale, exact)) == 0,
                  "the quotient is not rounded half away at its scale", what);
    bool exactNext = false;
    const bool moreFits =
        scale < common::Decimal::kMaxScale &&
        fuzz::FitsCoefficient(fuzz::RoundedQuotient(x, y, scale + 1, exactNext).magnitude);
    fuzz::Require(exact || !moreFits, "the quotient drops decimals that would fit", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const common::Decimal a = TakeDecimal(in);
    const common::Decimal b = TakeDecimal(in);
    const fuzz::Exact x = fuzz::ExactOf(a), y = fuzz::ExactOf(b);

    const int order = fuzz::Compare(x, y);
    fuzz::Require((a < b) == (order < 0) && (a == b) == (order == 0) && (a > b) == (order > 0),
                  "the order is not the numeric order", Describe("<=>", a, b));

    CheckRounded(common::Add(a, b), fuzz::Sum(x, y), Describe("+", a, b));
    CheckRounded(common::Subtract(a, b), fuzz::Sum(x, fuzz::Negated(y)), Describe("-", a, b));
    CheckRounded(common::Multiply(a, b), fuzz::Product(x, y), Describe("*", a, b));
    CheckQuotient(a, b);
    return 0;
}
