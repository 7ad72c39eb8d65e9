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
    {"0.0", "0.0", "0 ft/mn", "0 mn"},   // ModeTaux
    {"0.0", "0.0", "0 NM", "0 mn"},      // ModeDist
    {"0.0", "0.00", "0 kts", "0 mn"},    // ModeVs
};

struct DescentSweep : ::testing::Test {
    platform::HeadlessHost host;
    app::Application application{host};

    void Run(const std::function<void(platform::Form&)>& steps) {
        bool ran = false;
        host.onModal = [&](platform::Form& form) {
            if (&form != &application.frmDescente()) return;
            ran = true;
            steps(form);
        };
        application.Start();
        platform::Click(application.frmMainCalc()["cmdVz"]);
        ASSERT_TRUE(ran);
    }
};

// The mode's four inputs as their labels show them, and its result labels checked against the
// pure computation of those inputs, their shapes and the sense of the altitude change.
void CheckMode(platform::Form& f, ModeDescente mode) {
    EtatDescente shown;
    for (const BarreEntree& b : Barres(mode)) {
        const std::optional<double> n = testing::ShownNumber(f[b.etiquette].caption(), b.pattern);
        ASSERT_TRUE(n) << b.etiquette << " «" << f[b.etiquette].caption() << "»";
        switch (b.champ) {
            case Champ::AltA: shown.AltA = static_cast<std::int32_t>(*n); break;
            case Champ::AltB: shown.AltB = static_cast<std::int32_t>(*n); break;
            case Champ::Dist: shown.Dist = static_cast<std::int16_t>(*n); break;
            case Champ::Vs: shown.Vs = static_cast<std::int16_t>(*n); break;
            case Champ::Vz: shown.Vz = static_cast<std::int16_t>(*n); break;
        }
    }
    const ControlesMode& c = Controles(mode);
    const std::int32_t delta = shown.AltB - shown.AltA;
    if (delta == 0 && !c.barreVz.empty()) {
        // Level: the vertical speed is forced to 0, on the bar and its label.
        ASSERT_EQ(f[c.barreVz].value(), 0);
        ASSERT_EQ(shown.Vz, 0);
    }

    EtatDescente copy = shown;
    const AffichageDescente a = mode == ModeDescente::ModeTaux   ? CalculTaux(copy)
                                : mode == ModeDescente::ModeDist ? CalculDist(copy)
                                                                 : CalculVs(copy);
    const std::string& alt = f[c.alt].caption();
    ASSERT_EQ(alt, a.TexteAlt);
    ASSERT_EQ(testing::ShownNumber(alt, delta > 0 ? "+ 0 '" : " 0 '"), static_cast<double>(delta)) << alt;
    const std::array<bool, 3> traits = delta > 0 ? std::array{true, true, false}
                                       : delta == 0 ? std::array{true, false, false}
                                                    : std::array{false, true, true};
    for (std::size_t i = 0; i < 3; ++i) ASSERT_EQ(f[c.traits[i]].visible(), traits[i]) << c.traits[i];

    const ResultPatterns& p = kPatterns[static_cast<std::size_t>(mode)];
    const auto check = [&f](std::string_view label, const std::optional<std::string>& expected, const char* pattern) {
        ASSERT_TRUE(expected) << label;
        const std::string& text = f[label].caption();
        ASSERT_EQ(text, *expected) << label;
        ASSERT_TRUE(text == kSansValeur || testing::ReadByPattern(text, pattern)) << label << " «" << text << "»";
    };
    check(c.penteDeg, a.TextePenteDeg, p.penteDeg);
    check(c.pente, a.TextePente, p.pente);
    check(c.resultat, a.TexteResultat, p.resultat);
    check(c.tsv, a.TexteTsv, p.tsv);
    if (!c.titre.empty()) {
        ASSERT_EQ(f[c.titre].caption(), delta > 0 ? "Vario de montée" : delta < 0 ? "Vario de descente" : "Vario nul");
    }
}

// Every pair of altitudes a page step apart (1000 ft, 0 to 50000 ft) in each mode, against the
// ends and the middle of the mode's two other inputs.
TEST_F(DescentSweep, EveryAltitudePairOfEachModeAtSeveralSpeedsAndRates) {
    Run([&](platform::Form& f) {
        for (const ModeDescente mode : kModes) {
            platform::Click(f[Controles(mode).option]);
            ASSERT_TRUE(f[Controles(mode).cadre].visible());
            const auto bars = Barres(mode);
            platform::Control& a = f[bars[0].barre];
            platform::Control& b = f[bars[1].barre];
            platform::Control& x = f[bars[2].barre];
            platform::Control& y = f[bars[3].barre];
            // Each bar moved once, so that every input is stored and shown.
            for (const BarreEntree& bar : bars) {
                platform::ThumbRelease(f[bar.barre], f[bar.barre].lowest() + 1);
            }
            const auto spread = [](const platform::Control& bar) {
                return std::array{bar.lowest(), bar.lowest() + (bar.highest() - bar.lowest()) / 7, bar.highest()};
            };
            for (const int xValue : spread(x)) {
                for (const int yValue : spread(y)) {
                    for (int altA = a.lowest(); altA <= a.highest(); altA += a.largeChange()) {
                        platform::ThumbRelease(a, altA);
                        for (int altB = b.lowest(); altB <= b.highest(); altB += b.largeChange()) {
                            platform::ThumbRelease(b, altB);
                            platform::ThumbRelease(x, xValue);
                            platform::ThumbRelease(y, yValue);
                            SCOPED_TRACE(std::string(Controles(mode).cadre) + " A " + std::to_string(altA) + " B " +
                                         std::to_string(altB) + " " + std::string(bars[2].barre) + " " +
                                         std::to_string(xValue) + " " + std::string(bars[3].barre) + " " +
                                         std::to_string(yValue));
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
