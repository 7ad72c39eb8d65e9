// SPDX-License-Identifier: GPL-3.0-or-later
// ParseNumber against the C library's own reader: the same texts are accepted, and an accepted
// text gives the same double.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/numbers.h"
#include "fuzz/check.h"

using namespace ventrose;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> read = common::ParseNumber(text);
    if (!fuzz::IsNumberShape(text)) {
        fuzz::Require(!read, "ParseNumber accepts a text that is not a number", text);
        return 0;
    }

    // strtod in the "C" locale wants '.', and stops at the first byte that does not belong.
    std::string c(text);
    for (char& ch : c) {
        if (ch == ',') ch = '.';
    }
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(c.c_str(), &end);
    const bool overflow = errno == ERANGE && std::isinf(reference);
    fuzz::Require(end == c.c_str() + c.size(), "the reference did not read the whole text", text);

    if (overflow) {
        fuzz::Require(!read, "ParseNumber gives a value beyond the largest double", text);
        return 0;
    }
    fuzz::Require(read.has_value(), "ParseNumber refuses a finite number", text);
    fuzz::Require(std::isfinite(*read), "ParseNumber gives a value that is not finite", text);
    fuzz::Require(std::signbit(*read) == (text.front() == '-'), "the sign is not the typed one",
                  text);
    if (std::fabs(reference) < DBL_MIN) {
        // Below the normal range both readers may give a subnormal or zero.
        fuzz::Require(std::fabs(*read - reference) <= DBL_MIN, "a tiny value is not near zero",
                      text);
    } else {
        fuzz::Require(*read == reference, "ParseNumber is not the nearest double", text);
    }
    return 0;
}
