#include "wind/sincos.h"

#include <cmath>

#include "common/format.h"

namespace ventrose::wind {

SinCos CalculSinCos(int Alpha) {
    // The method's own pi (3.14, not M_PI), with the quotient formed first: the rounded sine and
    // cosine must be the method's values.
    const double angle = (3.14 / 180) * Alpha;
    SinCos s;
    s.SinAlpha = common::RoundDecimals(std::sin(angle), 1);
    s.CosAlpha = common::RoundDecimals(std::cos(angle), 1);
    s.lblMultSin = common::FormatNumber(s.SinAlpha, "0.0");
    s.lblMultCos = common::FormatNumber(s.CosAlpha, "0.0");
    return s;
}

}  // namespace ventrose::wind
