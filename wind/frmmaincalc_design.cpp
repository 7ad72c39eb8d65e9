// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/frmmaincalc.h"

#include <utility>

#include "platform/design.h"
#include "platform/design_dialect.h"
#include "platform/palette.h"
#include "wind/tempsdistance.h"

namespace ventrose::wind {

namespace {

using platform::Alignment;
using platform::Colour;
using platform::ControlDesign;
using platform::Font;
using platform::FormDesign;
using platform::kDefaultColour;

using namespace platform::dialect;
using namespace platform::palette;

// The window is drawn in pixels; these sizes are already in twips.
constexpr int kBarWidth = 290 * kPx;
constexpr int kRowHeight = 17 * kPx;

constexpr Font kBold{.pointSize = 8, .bold = true};
constexpr Font kLargeBold{.pointSize = 10, .bold = true};
constexpr Font kReadout{.pointSize = 14, .bold = true};
// The exact triangle stands under the method's results in navy, as the airspeed window's exact
// speed does: a second opinion, not the figures the window is about.
constexpr Font kExact{.pointSize = 8, .bold = true};

// Captions, frames and options stand on the window's light blue, values on white.
ControlDesign onBlue(ControlDesign design, Colour fore = kDefaultColour) {
    return Colours(std::move(design), kLightBlue, fore);
}

ControlDesign onWhite(ControlDesign design, Colour fore = kDefaultColour) {
    return Colours(std::move(design), kWhite, fore);
}

// The buttons stand in one row along the bottom of the window, counted from the left.
Place buttonAt(int index) { return {(10 + index * 147) * kPx, 472 * kPx, 138 * kPx, 32 * kPx}; }

FormDesign makeDesign() {
    FormDesign d{.name = "frmMainCalc",
                 .caption = "Ventrose pour FS",
                 .width = 895 * kPx,
                 .height = 585 * kPx,
                 .backColour = kLightBlue};
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };

    add(Aligned(WithFont(onBlue(Caption("Label22", "",
                                        "Influence du vent - Calcul de dérive - Vol à l'estime",
                                        {10 * kPx, 8 * kPx, 875 * kPx, 24 * kPx})),
                         {.pointSize = 12, .bold = true}),
                Alignment::Center));

    // Inputs: a caption line, then the bar with its value label to its right.
    add(WithFont(onBlue(Frame("fraDonnees", "", "Entrée des données",
                              {10 * kPx, 40 * kPx, 430 * kPx, 422 * kPx})),
                 kBold));
    add(onBlue(Caption("Label1", "fraDonnees", "Vp = Vitesse propre ou TAS ",
                       {12 * kPx, 22 * kPx, 400 * kPx, kRowHeight})));
    add(HBar("hscVp", "fraDonnees", {12 * kPx, 40 * kPx, kBarWidth, kRowHeight},
             {.min = 60, .max = 800, .smallChange = 1, .largeChange = 10, .value = 120}));
    add(onWhite(Value("lblVp", "fraDonnees", {310 * kPx, 40 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label4", "fraDonnees", "CAP - Route magnétique suivie ( Rm ) ",
                       {12 * kPx, 66 * kPx, 400 * kPx, kRowHeight})));
    add(HBar("hscRm", "fraDonnees", {12 * kPx, 84 * kPx, kBarWidth, kRowHeight},
             {.max = 360, .smallChange = 1, .largeChange = 10}));
    add(onWhite(Value("lblRm", "fraDonnees", {310 * kPx, 84 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label3", "fraDonnees", "Direction du vent ( V )",
                       {12 * kPx, 110 * kPx, 400 * kPx, kRowHeight})));
    add(HBar("hscV", "fraDonnees", {12 * kPx, 128 * kPx, kBarWidth, kRowHeight},
             {.max = 360, .smallChange = 1, .largeChange = 10}));
    add(onWhite(Value("lblV", "fraDonnees", {310 * kPx, 128 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label8", "fraDonnees", "Force du vent ( Vw en Kts )",
                       {12 * kPx, 154 * kPx, 400 * kPx, kRowHeight})));
    add(HBar("hscVw", "fraDonnees", {12 * kPx, 172 * kPx, kBarWidth, kRowHeight},
             {.max = 360, .smallChange = 1, .largeChange = 10}));
    add(onWhite(Value("lblVw", "fraDonnees", {310 * kPx, 172 * kPx, 100 * kPx, kRowHeight})));

    // The leg block: both modes' controls stand at the same places; the mode shows one set.
    // The leg frame's long title fits its width only in the regular weight.
    add(onBlue(Frame("Frame1", "fraDonnees",
                     "Calcul du Temps de vol ou de la Distance qui devrait être parcourue",
                     {8 * kPx, 202 * kPx, 414 * kPx, 210 * kPx})));
    add(onBlue(
        Option("optTemps", "Frame1", "Temps", {14 * kPx, 24 * kPx, 100 * kPx, 20 * kPx}, true)));
    add(onBlue(
        Option("optDistance", "Frame1", "Distance", {130 * kPx, 24 * kPx, 100 * kPx, 20 * kPx})));
    add(onBlue(Caption("Label7", "Frame1", "Distance ( D ) à parcourir en NM",
                       {12 * kPx, 52 * kPx, 390 * kPx, kRowHeight})));
    add(Hidden(onBlue(Caption("Label9", "Frame1", "Temps sans vent ( en minutes ) ",
                              {12 * kPx, 52 * kPx, 390 * kPx, kRowHeight}))));
    add(HBar("hscDt", "Frame1", {12 * kPx, 72 * kPx, kBarWidth, kRowHeight},
             {.max = kDtMax, .smallChange = 1, .largeChange = 10}));
    add(Hidden(HBar("hscTsv", "Frame1", {12 * kPx, 72 * kPx, kBarWidth, kRowHeight},
                    {.max = kTsvMax, .smallChange = 1, .largeChange = 10})));
    add(onWhite(Value("lblDt", "Frame1", {306 * kPx, 72 * kPx, 96 * kPx, kRowHeight}), kRed));
    add(Hidden(
        onWhite(Value("lblTsv2", "Frame1", {306 * kPx, 72 * kPx, 96 * kPx, kRowHeight}), kRed)));
    add(onBlue(
        Caption("Label6", "Frame1",
                "TEMPS SANS VENT                            ( Tsv soit Vp = Vs )  ( Tsv = D . Fb )",
                {12 * kPx, 100 * kPx, 200 * kPx, 34 * kPx})));
    add(Hidden(onBlue(Caption("Label10", "Frame1",
                              "DISTANCE ( D ) en miles nautiques       ( D = Tsv . Inverse Fb )  ",
                              {12 * kPx, 100 * kPx, 200 * kPx, 34 * kPx}))));
    add(LabelledBy(
        WithFont(
            onWhite(Value("lblTsv", "Frame1", {306 * kPx, 106 * kPx, 96 * kPx, 20 * kPx}), kRed),
            kLargeBold),
        "Label6"));
    add(LabelledBy(
        Hidden(WithFont(
            onWhite(Value("lblD", "Frame1", {306 * kPx, 106 * kPx, 96 * kPx, 20 * kPx}), kRed),
            kLargeBold)),
        "Label10"));
    add(WithFont(onBlue(Caption("Label23", "Frame1", "Temps avec vent",
                                {12 * kPx, 152 * kPx, 290 * kPx, kRowHeight}),
                        kRed),
                 kBold));
    add(WithFont(
        onWhite(Value("lblTav", "Frame1", {306 * kPx, 150 * kPx, 96 * kPx, 20 * kPx}), kRed),
        kLargeBold));

    // Results: caption on the left, value on the right.
    add(WithFont(
        onBlue(Frame("Frame2", "", "Résultats", {450 * kPx, 40 * kPx, 435 * kPx, 422 * kPx})),
        kBold));
    add(onBlue(Caption("Label2", "Frame2", "FACTEUR DE BASE ( Fb = 60 / Vp )",
                       {12 * kPx, 24 * kPx, 300 * kPx, kRowHeight})));
    add(onWhite(Value("lblFb", "Frame2", {320 * kPx, 24 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label11", "Frame2",
                       "Inverse Fb ( 1/Fb ) distance en NM parcourue en 1 minute",
                       {12 * kPx, 50 * kPx, 300 * kPx, 32 * kPx})));
    add(onWhite(Value("lblInvFb", "Frame2", {320 * kPx, 56 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label12", "Frame2", "DERIVE MAXIMUM ( X = Vw . Fb )",
                       {12 * kPx, 90 * kPx, 300 * kPx, kRowHeight})));
    add(onWhite(Value("lblX", "Frame2", {320 * kPx, 90 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label5", "Frame2", "ANGLE AU VENT ( alpha = V -/+ Rm )",
                       {12 * kPx, 118 * kPx, 300 * kPx, kRowHeight})));
    add(onWhite(Value("lblAlpha", "Frame2", {320 * kPx, 118 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(
        Caption("Label21", "Frame2", "Type vent :", {12 * kPx, 146 * kPx, 80 * kPx, kRowHeight})));
    add(onWhite(Value("lblTypeVent", "Frame2", {96 * kPx, 146 * kPx, 324 * kPx, kRowHeight})));
    add(onBlue(Caption("Label13", "Frame2",
                       "Sinus d'alpha :", {12 * kPx, 174 * kPx, 110 * kPx, kRowHeight})));
    add(onWhite(Value("lblMultSin", "Frame2", {124 * kPx, 174 * kPx, 56 * kPx, kRowHeight})));
    add(onBlue(Caption("Label18", "Frame2",
                       "Cosinus d'alpha :", {200 * kPx, 174 * kPx, 116 * kPx, kRowHeight})));
    add(onWhite(Value("lblMultCos", "Frame2", {320 * kPx, 174 * kPx, 56 * kPx, kRowHeight})));
    add(onBlue(Caption("Label14", "Frame2", "Vent Traversier ( Vt = Vw . sinus alpha )",
                       {12 * kPx, 202 * kPx, 300 * kPx, kRowHeight})));
    add(onWhite(Value("lblVt", "Frame2", {320 * kPx, 202 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label15", "Frame2", "DERIVE ( d = X . sin alpha )",
                       {12 * kPx, 230 * kPx, 300 * kPx, kRowHeight})));
    add(onWhite(Value("lblDerive", "Frame2", {320 * kPx, 230 * kPx, 100 * kPx, kRowHeight})));
    add(WithFont(onBlue(Caption("Label16", "Frame2",
                                "CAP A PRENDRE :", {12 * kPx, 262 * kPx, 300 * kPx, 22 * kPx}),
                        kRed),
                 kLargeBold));
    add(WithFont(
        onWhite(Value("lblNewCap", "Frame2", {320 * kPx, 258 * kPx, 100 * kPx, 28 * kPx}), kRed),
        kReadout));
    add(WithFont(onBlue(Caption("Label20", "Frame2", "Vitesse Sol ( Vs = Vp +/- Ve )",
                                {12 * kPx, 300 * kPx, 300 * kPx, 22 * kPx}),
                        kRed),
                 kLargeBold));
    add(WithFont(
        onWhite(Value("lblVs", "Frame2", {320 * kPx, 296 * kPx, 100 * kPx, 28 * kPx}), kRed),
        kReadout));
    add(onBlue(Caption("Label19", "Frame2", "EFFET DU VENT ( Tc = Ve . Fb )",
                       {12 * kPx, 338 * kPx, 300 * kPx, kRowHeight})));
    add(onWhite(Value("lblTc", "Frame2", {320 * kPx, 338 * kPx, 100 * kPx, kRowHeight})));
    add(onBlue(Caption("Label17", "Frame2", "Vent Effectif ( Ve = Vw . cos alpha )",
                       {12 * kPx, 366 * kPx, 300 * kPx, kRowHeight})));
    add(onWhite(Value("lblVe", "Frame2", {320 * kPx, 366 * kPx, 100 * kPx, kRowHeight})));

    add(Button("cmdConversions", "", "Conversions", buttonAt(0)));
    add(Button("cmdVitesse", "", "IAS to TAS", buttonAt(1)));
    add(Button("cmdVz", "", "Taux Descente", buttonAt(2)));
    // The navigation log, under the calculators' row: the window grew by one row for it.
    add(Shortcut(
        Button("cmdLog", "", "Log de navigation", {10 * kPx, 512 * kPx, 285 * kPx, 32 * kPx}),
        "Ctrl+L"));
    add(Colours(Button("Command1", "", "A propos ...", buttonAt(3)), kLightYellow));
    add(WithFont(Colours(Button("cmdClear", "", "Rafraichir", buttonAt(4)), kLightCyan), kBold));
    add(WithFont(Colours(Button("cmdQuit", "", "Quitter", buttonAt(5)), kLightOrange), kBold));

    // The exact triangle, right of the log's button and under the results (the window grew by
    // 30 px for it, so that no earlier control moves). The caption names all three for a
    // screen reader, each of which then says what it is in its own text. The heading's label is
    // wide enough for the longest text it takes, that of a cross wind above Vp.
    add(WithFont(onBlue(Caption("Label24", "", "Triangle exact",
                                {450 * kPx, 510 * kPx, 435 * kPx, kRowHeight}),
                        kNavy),
                 kExact));
    add(LabelledBy(
        WithFont(
            onWhite(Value("lblCapExact", "", {450 * kPx, 530 * kPx, 270 * kPx, 20 * kPx}), kNavy),
            kExact),
        "Label24"));
    add(LabelledBy(
        WithFont(
            onWhite(Value("lblVsExacte", "", {725 * kPx, 530 * kPx, 160 * kPx, 20 * kPx}), kNavy),
            kExact),
        "Label24"));
    add(LabelledBy(
        WithFont(onWhite(Value("lblEcart", "", {450 * kPx, 554 * kPx, 435 * kPx, 20 * kPx}), kNavy),
                 kExact),
        "Label24"));

    // The simulator's link, shown only while one is chosen: the box and the link's state at
    // either end of the title's row, clear of the centred title.
    add(Hidden(onBlue(Check("chkSuivre", "", "Suivre le simulateur",
                            {14 * kPx, 10 * kPx, 180 * kPx, 20 * kPx}))));
    add(Hidden(Aligned(
        onBlue(Caption("lblSimulateur", "", "", {690 * kPx, 12 * kPx, 192 * kPx, kRowHeight})),
        Alignment::Right)));
    return d;
}

}  // namespace

const platform::FormDesign& FrmMainCalc::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::wind
