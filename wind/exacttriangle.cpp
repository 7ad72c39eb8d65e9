// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/exacttriangle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "common/format.h"
#include "common/tr.h"

namespace ventrose::wind {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerRadian = 180 / kPi;

// How far above 1 the ratio of the cross wind to the airspeed may come out and still be taken
// as 1: a sine carries a rounding of a few units in the last place (the sine of 330 ° comes out
// 4e-16 beyond -0.5, and Vw = 2 Vp there is exactly the limit, which must hold a heading).
constexpr double kLimitTolerance = 1e-12;

// The typographic minus sign, U+2212: as wide as the plus, so that a difference reads as signed
// at a glance; the windows' other figures keep FormatNumber's hyphen-minus.
constexpr std::string_view kMinus = "\u2212";

// A whole difference with its sign: «+3 kts», «0 kts», «−3 kts»; "X" for one that is not a
// number of the windows' size (never, from figures the windows show).
std::string Signed(double difference, std::string_view unit) {
    if (!(std::fabs(difference) < 1e15)) return "X";
    const auto whole = static_cast<std::int64_t>(difference);
    std::string text(whole > 0 ? "+" : whole < 0 ? kMinus : "");
    text += common::FormatWhole(whole < 0 ? -whole : whole);
    text += unit;
    return text;
}

}  // namespace

// The flat-earth wind triangle of the E6B flight computer and of the FAA's Pilot's Handbook of
// Aeronautical Knowledge (FAA-H-8083-25, chapter "Navigation", the wind triangle), solved by
// trigonometry: with d = V - Rm, the angle of the wind off the course, the air vector must
// cancel the wind's cross component, Vp sin(WCA) = Vw sin(d), and what is left along the course
// is the ground speed, Vs = Vp cos(WCA) - Vw cos(d).
ExactTriangle SolveExactTriangle(double Vp, double Rm, double V, double Vw) {
    ExactTriangle t;
    // Reduced first, so that the sine and cosine take an angle of one turn at most.
    const double offCourse = std::fmod(V - Rm, 360.0) / kDegreesPerRadian;
    const double ratio = Vw * std::sin(offCourse) / Vp;
    // Written so that not-a-number (a zero airspeed, an infinite angle) lands here too.
    if (!(std::fabs(ratio) <= 1 + kLimitTolerance)) {
        t.CapText = "X";
        t.VsText = "X";
        return t;
    }
    t.possible = true;
    const double sineWca = std::clamp(ratio, -1.0, 1.0);
    // (1 - s)(1 + s) rather than 1 - s²: near a cross wind equal to Vp the cosine is small, and
    // 1 - s is exact there.
    const double cosineWca = std::sqrt((1 - sineWca) * (1 + sineWca));
    t.Wca = std::asin(sineWca) * kDegreesPerRadian;
    t.Vs = Vp * cosineWca - Vw * std::cos(offCourse);

    double cap = std::fmod(Rm + t.Wca, 360.0);
    if (cap < 0) cap += 360;
    if (cap >= 360) cap = 0;  // a tiny negative heading brought up to 360 itself
    t.Cap = cap;
    // Rounded as every figure of the windows (half away from zero, through the written
    // decimals), then north written 360 as the compass has it: 359.5 and 0.4 both read «360 °».
    const double shown = common::RoundDecimals(cap, 0);
    t.CapShown = shown == 0 ? 360 : static_cast<int>(shown);
    // «000 °» of a whole 1 to 360, written by hand: FormatNumber's decimal rounding has nothing
    // to do here, and would be a third of the time of the whole triangle.
    t.CapText = {static_cast<char>('0' + t.CapShown / 100),
                 static_cast<char>('0' + t.CapShown / 10 % 10),
                 static_cast<char>('0' + t.CapShown % 10)};
    t.CapText += " °";
    t.VsText = common::FormatNumber(t.Vs, common::TrView("Units", "0 kts"));
    return t;
}

ExactComparison CompareExact(const ExactTriangle& exact, const Triangle& method,
                             const TempsDistance& leg, const TempsAvecVent& methodTime, double Vp) {
    ExactComparison c;
    std::string cap = "X", vs = "X", time = "X";
    if (exact.possible) {
        c.CapText = common::Arg(common::Tr("ExactTriangle", "Cap exact : %1"), {exact.CapText});
        c.VsText = common::Arg(common::Tr("ExactTriangle", "Vs exacte : %1"), {exact.VsText});
        // The method's heading may be written above 360 («362 °») or as «000 °»: the
        // difference is taken the short way round.
        double capDifference =
            std::fmod(common::RoundDecimals(method.Cap, 0) - exact.CapShown, 360.0);
        if (capDifference > 180) {
            capDifference -= 360;
        } else if (capDifference <= -180) {
            capDifference += 360;
        }
        cap = Signed(capDifference, " °");
        vs = Signed(common::RoundDecimals(method.Vs, 0) - common::RoundDecimals(exact.Vs, 0),
                    common::Tr("Units", " kts"));
        const std::optional<std::int16_t> exactTime = MinutesWithWind(leg.D, exact.Vs);
        if (methodTime.Tav && exactTime)
            time = Signed(static_cast<double>(*methodTime.Tav - *exactTime),
                          common::Tr("Units", " mn"));
    } else {
        c.CapText = CapImpossibleText();
        c.VsText = common::Arg(common::Tr("ExactTriangle", "Vs exacte : %1"), {"X"});
    }
    const double distance =
        common::RoundDecimals(leg.D, 0) - common::RoundDecimals(leg.Tsv * Vp / 60, 0);
    c.EcartDistanceText =
        common::Arg(common::Tr("ExactTriangle", "Écart : cap %1, Vs %2, distance %3"),
                    {cap, vs, Signed(distance, " NM")});
    c.EcartTempsText = common::Arg(common::Tr("ExactTriangle", "Écart : cap %1, Vs %2, temps %3"),
                                   {cap, vs, time});
    return c;
}

std::string CapImpossibleText() {
    return common::Tr("ExactTriangle", "cap impossible : vent traversier > Vp");
}

}  // namespace ventrose::wind
