// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "airspeed/calculvp.h"
#include "airspeed/frmvitesse.h"
#include "airspeed/tableatmo.h"
#include "airspeed/vpexacte.h"
#include "app/application.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/label_shape.h"

namespace ventrose::airspeed {
namespace {

// The airspeed window opened from the main window, worked from inside its modal run.
struct AirspeedSweep : ::testing::Test {
    platform::HeadlessHost host;
    app::Application application{host};
    const TableAtmo table = InitTableAtmo();

    void Run(const std::function<void(platform::Form&)>& steps) {
        bool ran = false;
        host.onModal = [&](platform::Form& form) {
            if (&form != &application.frmVitesse()) return;
            ran = true;
            steps(form);
        };
        application.Start();
        platform::Click(application.frmMainCalc()["cmdVitesse"]);
        ASSERT_TRUE(ran);
    }

    static double Shown(platform::Form& f, const char* label, std::string_view pattern) {
        const std::optional<double> n = testing::ShownNumber(f[label].caption(), pattern);
        if (!n)
            ADD_FAILURE() << label << " «" << f[label].caption() << "» is not of the shape of \""
                          << pattern << "\"";
        return n.value_or(-1);
    }
};

// Every indicated airspeed the bar can take at every altitude row would be 80000 refreshes; the
// ends and every 29th value cover each digit count and both bars' whole ranges.
std::vector<int> SpreadOfVi() {
    std::vector<int> vi;
    for (int v = 60; v < 1800; v += 29) vi.push_back(v);
    vi.push_back(61);
    vi.push_back(1799);
    vi.push_back(1800);
    std::sort(vi.begin(), vi.end());
    return vi;
}

TEST_F(AirspeedSweep, EveryAltitudeAndASpreadOfSpeedsShowThePureResults) {
    Run([&](platform::Form& f) {
        for (int row = 0; row <= 45; ++row) {
            platform::ThumbRelease(f["vscAlt"], kAltBarSeaLevel - kAltBarStep * row);
            double previousVp = -1, previousExacte = -1, previousMach = -1;
            for (const int vi : SpreadOfVi()) {
                platform::ThumbRelease(f["hscVi"], vi);
                SCOPED_TRACE("row " + std::to_string(row) + " Vi " + std::to_string(vi));
                // The inputs as the window shows them, and the pure computation of those.
                const int shownVi = std::stoi(f["lblVi"].caption());
                const double shownAlt = Shown(f, "lblAlt", "0 pieds");
                ASSERT_EQ(shownVi, vi);
                ASSERT_EQ(shownAlt, row * 1000.0);
                const ResultatVp r = CalculVp(static_cast<std::int16_t>(shownVi),
                                              static_cast<std::int32_t>(shownAlt), table);
                ASSERT_EQ(f["lblVp2"].caption(), r.affichage.VpText);
                ASSERT_EQ(f["lblVpKm"].caption(), r.affichage.VpKmText);
                ASSERT_EQ(f["lblAltM"].caption(), r.affichage.AltMetresText);
                ASSERT_EQ(f["lblTemp"].caption(), r.affichage.TempStdText);
                ASSERT_EQ(f["lblPression"].caption(), r.affichage.PressionStdText);
                const AffichageVpExacte exacte = AfficheVpExacte(shownVi, shownAlt);
                ASSERT_EQ(f["lblVpExacte"].caption(), exacte.VpText);
                ASSERT_EQ(f["lblMach"].caption(), exacte.MachText);

                // Well-formed, and what the physics says: never slower than indicated, faster
                // with the speed, about 1.853 km/h per knot.
                const double vp = Shown(f, "lblVp2", "0 Kts");
                const double vpKm = Shown(f, "lblVpKm", "0 Km/h");
                Shown(f, "lblAltM", "0 mètres");
                Shown(f, "lblTemp", "0.0 °");
                Shown(f, "lblPression", "0.00 Hpa");
                const double vpExacte = Shown(f, "lblVpExacte", "0 Kts");
                const double mach = Shown(f, "lblMach", "M 0.000");
                ASSERT_FALSE(::testing::Test::HasFailure());
                ASSERT_GE(vp, vi);
                ASSERT_GE(vp, previousVp);
                ASSERT_NEAR(vpKm, vp * 1.853, 1.853);
                // The standard air thins with height, so the exact speed too is never below Vi.
                ASSERT_GE(vpExacte, vi);
                ASSERT_GE(vpExacte, previousExacte);
                ASSERT_GE(mach, previousMach);
                previousVp = vp;
                previousExacte = vpExacte;
                previousMach = mach;
            }
        }
        EXPECT_TRUE(host.messageBoxes.empty());
    });
}

// A temperature typed and confirmed at every altitude: the corrected speeds are the pure ones,
// the exact one from the temperature as typed; a warmer air never gives a slower true airspeed,
// and the Mach number, which the pressures alone give, stays the standard one.
TEST_F(AirspeedSweep, TypedTemperaturesAtEveryAltitude) {
    struct Typed {
        const char* keys;
        double celsius;
    };
    constexpr Typed kTyped[] = {{"-70", -70}, {"-56.5", -56.5}, {"-12", -12},   {"-0", 0}, {"0", 0},
                                {"7.4", 7.4}, {"15", 15},       {"15.5", 15.5}, {"44", 44}};
    Run([&](platform::Form& f) {
        for (int row = 0; row <= 45; ++row) {
            platform::ThumbRelease(f["vscAlt"], kAltBarSeaLevel - kAltBarStep * row);
            for (const int vi : {60, 250, 1800}) {
                platform::ThumbRelease(f["hscVi"], vi);
                const std::string standardMach = f["lblMach"].caption();
                double previousVp = -1, previousExacte = -1;
                for (const Typed& typed : kTyped) {
                    SCOPED_TRACE("row " + std::to_string(row) + " Vi " + std::to_string(vi) + " " +
                                 typed.keys);
                    platform::ClearText(f["txtTempExt"]);
                    for (const char* k = typed.keys; *k != '\0'; ++k)
                        platform::KeyPress(f["txtTempExt"], *k);
                    platform::Click(f["cmdTempExt"]);
                    const auto r = CalculVpTempExt(static_cast<std::int16_t>(vi), row * 1000, table,
                                                   f["txtTempExt"].text());
                    ASSERT_TRUE(std::holds_alternative<ResultatVpTempExt>(r));
                    ASSERT_EQ(f["lblVp2"].caption(), std::get<ResultatVpTempExt>(r).VpText);
                    ASSERT_EQ(f["lblVpKm"].caption(), std::get<ResultatVpTempExt>(r).VpKmText);
                    const AffichageVpExacte exacte = AfficheVpExacte(vi, row * 1000, typed.celsius);
                    ASSERT_EQ(f["lblVpExacte"].caption(), exacte.VpText);
                    ASSERT_EQ(f["lblMach"].caption(), exacte.MachText);
                    ASSERT_EQ(f["lblMach"].caption(), standardMach);
                    const double vp = Shown(f, "lblVp2", "0 Kts");
                    Shown(f, "lblVpKm", "0 Km/h");
                    const double vpExacte = Shown(f, "lblVpExacte", "0 Kts");
                    ASSERT_FALSE(::testing::Test::HasFailure());
                    ASSERT_GE(vp, previousVp);
                    ASSERT_GE(vpExacte, previousExacte);
                    previousVp = vp;
                    previousExacte = vpExacte;
                }
            }
        }
        EXPECT_TRUE(host.messageBoxes.empty());
    });
}

}  // namespace
}  // namespace ventrose::airspeed
