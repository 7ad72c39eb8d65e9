// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/frmdescente.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/format.h"
#include "descent/calculdist.h"
#include "descent/calcultaux.h"
#include "descent/calculvs.h"
#include "descent/controlesdescente.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/language_switch.h"

namespace ventrose::descent {
namespace {

// Another loaded window, so that unloading the descent window does not end the application.
const platform::FormDesign kMain{.name = "frmMain"};

class FrmDescenteTest : public ::testing::Test {
protected:
    platform::HeadlessHost host;
    platform::Runtime runtime{host};
    platform::Form main{runtime, kMain};
    FrmDescente form{runtime};

    void SetUp() override {
        runtime.Load(main);
        runtime.Load(form);
    }

    // Every stored input is the one that its bar and label show.
    void expectInputsAsShown(const std::string& when) {
        for (const ModeDescente mode : kModes) {
            const EtatDescente& e = form.etat(mode);
            for (const BarreEntree& b : form.barres(mode)) {
                SCOPED_TRACE(when + " " + b.barre.name());
                const int bar = b.barre->value();
                const std::string& label = b.etiquette->caption();
                std::optional<double> stored;
                switch (b.champ) {
                    case Champ::AltA:
                        stored = e.AltA;
                        ASSERT_EQ(e.AltA, 2 * bar);
                        break;
                    case Champ::AltB:
                        stored = e.AltB;
                        ASSERT_EQ(e.AltB, 2 * bar);
                        break;
                    case Champ::Dist:
                    case Champ::Vs:
                    case Champ::Vz: {
                        const auto& v = b.champ == Champ::Dist ? e.Dist
                                        : b.champ == Champ::Vs ? e.Vs
                                                               : e.Vz;
                        if (!v) {
                            ASSERT_EQ(label, "");
                            continue;
                        }
                        ASSERT_EQ(*v, bar);
                        stored = *v;
                    }
                }
                ASSERT_EQ(label, common::FormatNumber(*stored, b.pattern));
            }
        }
    }

    // Every result label shows what its mode's computation gives on the stored inputs.
    void expectResultsOfStoredInputs(const std::string& when) {
        for (const ModeDescente mode : kModes) {
            EtatDescente copy = form.etat(mode);
            const AffichageDescente a = mode == ModeDescente::ModeTaux   ? CalculTaux(copy)
                                        : mode == ModeDescente::ModeDist ? CalculDist(copy)
                                                                         : CalculVs(copy);
            const ControlesMode& c = form.controles(mode);
            SCOPED_TRACE(when + " " + c.cadre.name());
            ASSERT_EQ(c.alt->caption(), a.TexteAlt);
            for (std::size_t i = 0; i < 3; ++i) ASSERT_EQ(c.traits[i]->visible(), a.Traits[i]);
            const auto same = [&](const std::optional<platform::LabelRef>& label,
                                  const std::optional<std::string>& text) {
                if (text && label) {
                    ASSERT_EQ((*label)->caption(), *text) << label->name();
                }
            };
            same(c.pente, a.TextePente);
            same(c.penteDeg, a.TextePenteDeg);
            same(c.titre, a.TitreVario);
            same(c.resultat, a.TexteResultat);
            same(c.tsv, a.TexteTsv);
        }
    }
};

// A long random session of bar moves, mode changes, "Rafraichir" and reopenings never leaves
// an input that differs from what the window shows, nor a result of other inputs.
TEST_F(FrmDescenteTest, RandomSessionKeepsInputsAndResultsAsShown) {
    std::mt19937 random(20240611);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int step = 0; step < 3000; ++step) {
        const ModeDescente mode = kModes[static_cast<std::size_t>(pick(3))];
        const BarreEntree& b = form.barres(mode)[static_cast<std::size_t>(pick(4))];
        platform::Control& bar = *b.barre;
        const platform::Toward toward = pick(2) ? platform::Toward::Max : platform::Toward::Min;
        std::string what;
        switch (pick(12)) {
            case 0:
                what = "reopen";
                runtime.Unload(form);
                runtime.Load(form);
                break;
            case 1:
                what = "Rafraichir";
                platform::Click(form["cmdClear"]);
                break;
            case 2:
                what = "mode";
                platform::Click(*form.controles(mode).option);
                break;
            case 3:
            case 4:
                // Point B onto point A: the level case that forces the vertical speed to 0.
                what = "level";
                platform::ThumbRelease(*form.barres(mode)[1].barre,
                                       form.barres(mode)[0].barre->value());
                break;
            case 5:
                what = "drag";
                platform::ThumbRelease(bar, bar.lowest() + pick(bar.highest() - bar.lowest() + 1));
                break;
            case 6:
            case 7:
                what = "page";
                platform::TroughClick(bar, toward);
                break;
            default:
                what = "arrow";
                platform::ArrowClick(bar, toward);
                break;
        }
        const std::string when = "step " + std::to_string(step) + " " + what;
        ASSERT_NO_FATAL_FAILURE(expectInputsAsShown(when));
        ASSERT_NO_FATAL_FAILURE(expectResultsOfStoredInputs(when));
        ASSERT_TRUE(form.controles(form.mode()).cadre->visible()) << when;
    }
}

// A window that changes language shows what one opened in that language shows after the same
// moves, in every mode (the hidden ones too, and a level change that put its vertical speed to
// 0): the inputs' units, the results and the vertical speed's title. Back in French it is as it
// was, inputs and all.
TEST(FrmDescenteLanguage, SwitchingShowsWhatTheLanguageShowsAndComesBack) {
    const testing::MarkedEnglish english;
    const auto walk = [](platform::Runtime& runtime, FrmDescente& form) {
        runtime.Load(form);
        const auto drag = [&](const char* bar, int value) {
            platform::ThumbRelease(form[bar], value);
        };
        drag("hscPtA", 5000);
        drag("hscPtB", 1500);
        drag("hscDist", 30);
        drag("hscVs", 140);
        platform::Click(form["optVs"]);
        drag("hscPtB3", 1000);
        drag("hscDist3", 25);
        platform::Click(form["optDist"]);
        drag("hscVs2", 150);
        drag("hscPtB2", 1000);
    };
    platform::HeadlessHost host;
    platform::Runtime runtime{host};
    FrmDescente form{runtime};
    walk(runtime, form);
    const auto inputs = [&] {
        std::string all;
        for (const ModeDescente mode : kModes) {
            const EtatDescente& e = form.etat(mode);
            for (const std::optional<std::int16_t>& v : {e.Dist, e.Vs, e.Vz})
                all += (v ? std::to_string(*v) : "-") + " ";
            all += std::to_string(e.AltA) + " " + std::to_string(e.AltB) + "; ";
        }
        return all;
    };
    const std::string french = testing::Seen(form);
    const std::string kept = inputs();

    testing::SwitchLanguage(runtime, common::Language::English);
    platform::HeadlessHost englishHost;
    platform::Runtime englishRuntime{englishHost};
    FrmDescente englishForm{englishRuntime};
    walk(englishRuntime, englishForm);
    EXPECT_EQ(testing::Seen(form), testing::Seen(englishForm));

    testing::SwitchLanguage(runtime, common::Language::French);
    EXPECT_EQ(testing::Seen(form), french);
    EXPECT_EQ(inputs(), kept);
}

}  // namespace
}  // namespace ventrose::descent
