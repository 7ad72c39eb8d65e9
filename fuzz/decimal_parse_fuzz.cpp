// SPDX-License-Identifier: GPL-3.0-or-later
// The exact decimal reader, directly and as the conversions window reads its boxes: it takes
// exactly the number-shaped texts whose value fits, holds that value exactly, and its plain
// rendering reads back to the same number with the same decimals.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/decimal.h"
#include "conversions/choisirunite.h"
#include "fuzz/check.h"
#include "fuzz/exact.h"

using namespace ventrose;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<common::Decimal> read = common::Decimal::Parse(text);
    const std::optional<common::Decimal> box = conversions::LireDecimal(text);
    fuzz::Require(read.has_value() == box.has_value(), "LireDecimal and Decimal::Parse disagree",
                  text);
    if (read)
        fuzz::Require(*read == *box && read->scale() == box->scale(),
                      "LireDecimal reads another value", text);

    if (!fuzz::IsNumberShape(text)) {
        fuzz::Require(!read, "Decimal::Parse accepts a text that is not a number", text);
        return 0;
    }
    const fuzz::Exact typed = fuzz::ExactOfText(text);
    const int significant = fuzz::SignificantScale(typed);
    const fuzz::Exact needed = fuzz::Aligned(fuzz::RoundHalfAway(typed, significant), significant);
    const bool fits =
        significant <= common::Decimal::kMaxScale && fuzz::FitsCoefficient(needed.magnitude);
    fuzz::Require(read.has_value() == fits,
                  "Decimal::Parse refuses a value that fits, or takes one that does not", text);
    if (!read) return 0;

    fuzz::Require(fuzz::Compare(fuzz::ExactOf(*read), typed) == 0,
                  "the value read is not the typed value", text);
    fuzz::Require(read->scale() >= significant && read->scale() <= std::max(typed.scale, 0),
                  "the decimals kept are not between the significant and the typed ones", text);
    fuzz::Require(!read->negative() || !read->isZero(), "a zero keeps a minus sign", text);

    std::string plain = read->toString();
    for (char& c : plain) {
        if (c == '.') c = ',';
    }
    const std::optional<common::Decimal> again = common::Decimal::Parse(plain);
    fuzz::Require(again && *again == *read && again->scale() == read->scale(),
                  "the plain rendering does not read back", plain);
    return 0;
}
