// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "app/application.h"
#include "descent/calculdist.h"
#include "descent/calcultaux.h"
#include "descent/calculvs.h"
#include "descent/controlesdescente.h"
#include "descent/frmdescente.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/label_shape.h"

namespace ventrose::descent {
namespace {

// The patterns of each mode's result labels, in the order of ControlesMode: slope in degrees,
// slope in percent, result, time.
struct ResultPatterns {
    const char *penteDeg, *pente, *resultat, *tsv;
};
constexpr ResultPatterns kPatterns[] = {
    {"0.0", "0.0", "0 ft/mn", "0 mn"},  // ModeTaux
    {"0.0", "0.0", "0 NM", "0 mn"},     // ModeDist
    {"0.0", "0.00", "0 kts", "0 mn"},   // ModeVs
};

struct DescentSweep : ::testing::Test {
    platform::HeadlessHost host;
    app::Application application{host};

    void Run(const std::function<void(FrmDescente&)>& steps) {
        bool ran = false;
        host.onModal = [&](platform::Form& form) {
            if (&form != &application.frmDescente()) return;
            ran = true;
            steps(application.frmDescente());
        };
        application.Start();
        platform::Click(application.frmMainCalc()["cmdVz"]);
        ASSERT_TRUE(ran);
    }
};

// The mode's four inputs as their labels show them, and its result labels checked against the
// pure computation of those inputs, their shapes and the sense of the altitude change.
void CheckMode(const FrmDescente& f, ModeDescente mode) {
    EtatDescente shown;
    for (const BarreEntree& b : f.barres(mode)) {
        const std::optional<double> n = testing::ShownNumber(b.etiquette->caption(), b.pattern);
        ASSERT_TRUE(n) << b.etiquette.name() << " «" << b.etiquette->caption() << "»";
        switch (b.champ) {
            case Champ::AltA: shown.AltA = static_cast<std::int32_t>(*n); break;
            case Champ::AltB: shown.AltB = static_cast<std::int32_t>(*n); break;
            case Champ::Dist: shown.Dist = static_cast<std::int16_t>(*n); break;
            case Champ::Vs: shown.Vs = static_cast<std::int16_t>(*n); break;
            case Champ::Vz: shown.Vz = static_cast<std::int16_t>(*n); break;
        }
    }
    const ControlesMode& c = f.controles(mode);
    const std::int32_t delta = shown.AltB - shown.AltA;
    if (delta == 0 && c.barreVz) {
        // Level: the vertical speed is forced to 0, on the bar and its label.
        ASSERT_EQ((*c.barreVz)->value(), 0);
        ASSERT_EQ(shown.Vz, 0);
    }

    EtatDescente copy = shown;
    const AffichageDescente a = mode == ModeDescente::ModeTaux   ? CalculTaux(copy)
                                : mode == ModeDescente::ModeDist ? CalculDist(copy)
                                                                 : CalculVs(copy);
    const std::string& alt = c.alt->caption();
    ASSERT_EQ(alt, a.TexteAlt);
    ASSERT_EQ(testing::ShownNumber(alt, delta > 0 ? "+ 0 '" : " 0 '"), static_cast<double>(delta))
        << alt;
    const std::array<bool, 3> traits = delta > 0    ? std::array{true, true, false}
                                       : delta == 0 ? std::array{true, false, false}
                                                    : std::array{false, true, true};
    for (std::size_t i = 0; i < 3; ++i)
        ASSERT_EQ(c.traits[i]->visible(), traits[i]) << c.traits[i].name();

    const ResultPatterns& p = kPatterns[static_cast<std::size_t>(mode)];
    const auto check = [](const platform::LabelRef& label,
                          const std::optional<std::string>& expected, const char* pattern) {
        ASSERT_TRUE(expected) << label.name();
        const std::string& text = label->caption();
        ASSERT_EQ(text, *expected) << label.name();
        ASSERT_TRUE(text == kSansValeur || testing::ReadByPattern(text, pattern))
            << label.name() << " «" << text << "»";
    };
    check(c.penteDeg, a.TextePenteDeg, p.penteDeg);
    check(c.pente, a.TextePente, p.pente);
    check(c.resultat, a.TexteResultat, p.resultat);
    check(c.tsv, a.TexteTsv, p.tsv);
    if (c.titre) {
        ASSERT_EQ((*c.titre)->caption(), delta > 0   ? "Vario de montée"
                                         : delta < 0 ? "Vario de descente"
                                                     : "Vario nul");
    }
}

// Every pair of altitudes a page step apart (1000 ft, 0 to 50000 ft) in each mode, against the
// ends and the middle of the mode's two other inputs.
TEST_F(DescentSweep, EveryAltitudePairOfEachModeAtSeveralSpeedsAndRates) {
    Run([&](FrmDescente& f) {
        for (const ModeDescente mode : kModes) {
            platform::Click(*f.controles(mode).option);
            ASSERT_TRUE(f.controles(mode).cadre->visible());
            const auto bars = f.barres(mode);
            platform::Control& a = *bars[0].barre;
            platform::Control& b = *bars[1].barre;
            platform::Control& x = *bars[2].barre;
            platform::Control& y = *bars[3].barre;
            // Each bar moved once, so that every input is stored and shown.
            for (const BarreEntree& bar : bars) {
                platform::ThumbRelease(*bar.barre, bar.barre->lowest() + 1);
            }
            const auto spread = [](const platform::Control& bar) {
                return std::array{bar.lowest(), bar.lowest() + (bar.highest() - bar.lowest()) / 7,
                                  bar.highest()};
            };
            for (const int xValue : spread(x)) {
                for (const int yValue : spread(y)) {
                    for (int altA = a.lowest(); altA <= a.highest(); altA += a.largeChange()) {
                        platform::ThumbRelease(a, altA);
                        for (int altB = b.lowest(); altB <= b.highest(); altB += b.largeChange()) {
                            platform::ThumbRelease(b, altB);
                            platform::ThumbRelease(x, xValue);
                            platform::ThumbRelease(y, yValue);
                            SCOPED_TRACE(f.controles(mode).cadre.name() + " A " +
                                         std::to_string(altA) + " B " + std::to_string(altB) + " " +
                                         bars[2].barre.name() + " " + std::to_string(xValue) + " " +
                                         bars[3].barre.name() + " " + std::to_string(yValue));
                            ASSERT_NO_FATAL_FAILURE(CheckMode(f, mode));
                        }
                    }
                }
            }
        }
        EXPECT_TRUE(host.messageBoxes.empty());
    });
}

}  // namespace
}  // namespace ventrose::descent
