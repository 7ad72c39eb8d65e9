// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "app/application.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/label_shape.h"

namespace ventrose::wind {
namespace {

struct Combination {
    int Vp, Vw;
};
constexpr Combination kCombinations[] = {{60, 0},   {60, 60},   {60, 360},  {61, 25},
                                         {97, 13},  {120, 30},  {120, 99},  {150, 1},
                                         {333, 77}, {333, 360}, {799, 359}, {800, 45}};

// What the main window shows after its bars were released at V, Rm, Vp and Vw, checked as a
// pilot would: every label well formed, the inputs as set, and the wind triangle's invariants.
// Returns the first thing wrong, or nothing. Written without gtest macros: it runs 130000 times.
std::string Check(const platform::Form& f, int V, int Rm, Combination c) {
    std::string wrong;
    const auto shown = [&](const char* label, std::string_view pattern) {
        const std::optional<double> n = testing::ShownNumber(f[label].caption(), pattern);
        if (!n && wrong.empty())
            wrong = std::string(label) + " «" + f[label].caption() + "» is not of the shape of \"" +
                    std::string(pattern) + "\"";
        return n.value_or(NAN);
    };
    const auto require = [&](bool condition, const char* what) {
        if (!condition && wrong.empty()) wrong = what;
    };

    require(shown("lblVp", "### kts") == c.Vp, "lblVp is not the airspeed set");
    require(shown("lblRm", "000 °") == Rm, "lblRm is not the course set");
    require(shown("lblV", "000 °") == V, "lblV is not the wind direction set");
    require(shown("lblVw", "0 kts") == c.Vw, "lblVw is not the wind speed set");
    if (V == 0) {
        // These follow the airspeed and the leg alone, which change only between rows.
        shown("lblFb", "0.00");
        shown("lblInvFb", "0.0 NM");
        shown("lblDt", " 0 NM");
        shown("lblTsv", "0 mn");
    }
    shown("lblMultSin", "0.0");
    shown("lblMultCos", "0.0");
    const double alpha = shown("lblAlpha", "0 °");
    const double X = shown("lblX", "0 °");
    const double Vt = shown("lblVt", " 0 kts");
    const double Ve = shown("lblVe", "0 kts");
    const double derive = shown("lblDerive", "0 °");
    shown("lblTc", " 0 mn/h");
    const double cap = shown("lblNewCap", "000 °");
    const double Vs = shown("lblVs", "0 kts");
    const std::string& tav = f["lblTav"].caption();
    require(tav == "X" || tav == "> 32767 mn" || testing::ReadByPattern(tav, "0 mn"),
            "lblTav is malformed");
    require(Vs >= 0 || tav == "X", "a negative ground speed has a time");
    if (!wrong.empty()) return wrong;

    // Wind components never exceed the wind, nor the drift the maximum drift.
    require(alpha >= 0 && alpha <= 90, "the wind angle is not acute");
    require(Vt <= c.Vw && Ve <= c.Vw, "a wind component exceeds the wind");
    require(derive <= X, "the drift exceeds the maximum drift");

    const int bearing =
        ((V - Rm) % 360 + 360) % 360;  // where the wind comes from, seen from the nose
    if (bearing == 0 || bearing == 180) {
        // Straight head or tail wind: no drift, the heading is the course, all the wind counts.
        require(derive == 0 && Vt == 0, "a head or tail wind drifts");
        require(cap == Rm, "a head or tail wind changes the heading");
        require(Vs == (bearing == 0 ? c.Vp - c.Vw : c.Vp + c.Vw),
                "a head or tail wind does not count in full");
        return wrong;
    }
    if (bearing == 90 || bearing == 270) {
        require(Ve == 0, "a perpendicular wind has an effective component");
        require(f["lblVs"].caption() == f["lblVp"].caption(),
                "a perpendicular wind changes the ground speed");
    }
    // Heading into the wind by the drift; each text is rounded on its own, hence one degree.
    if (bearing < 180) {
        require(cap >= Rm && std::fabs(cap - Rm - derive) <= 1,
                "the heading is not the course plus the drift");
    } else {
        // A drift of a whole turn (360 kt of wind at 60 kt) brings the heading back to the course.
        const double apart = std::fmod(std::fabs(Rm - derive - cap), 360);
        require(cap >= 0 && cap <= 360 && std::fmin(apart, 360 - apart) <= 1,
                "the heading is not the course less the drift");
    }
    const bool tail = bearing > 90 && bearing < 270;
    require(std::fabs(Vs - (tail ? c.Vp + Ve : c.Vp - Ve)) <= 1,
            "the ground speed is not the airspeed and the effective wind");
    return wrong;
}

// The main window as a person drives it: its bars released at every wind direction against
// every course, with airspeeds and wind speeds from the ends and the middle of their bars.
TEST(MainWindowSweep, EveryWindDirectionAgainstEveryCourse) {
    platform::HeadlessHost host;
    app::Application application{host};
    application.Start();
    platform::Form& f = application.frmMainCalc();
    platform::ThumbRelease(f["hscDt"], 150);
    for (int Rm = 0; Rm <= 360; ++Rm) {
        // Each course row takes the next combination, so that every combination meets every
        // wind direction on thirty courses.
        const Combination c =
            kCombinations[static_cast<std::size_t>(Rm) % std::size(kCombinations)];
        platform::ThumbRelease(f["hscRm"], Rm);
        platform::ThumbRelease(f["hscVp"], c.Vp);
        platform::ThumbRelease(f["hscVw"], c.Vw);
        for (int V = 0; V <= 360; ++V) {
            platform::ThumbRelease(f["hscV"], V);
            ASSERT_EQ(Check(f, V, Rm, c), "")
                << "V " << V << " Rm " << Rm << " Vp " << c.Vp << " Vw " << c.Vw;
        }
    }
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace ventrose::wind
