// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/frmvitesse.h"

#include "platform/design.h"
#include "platform/design_dialect.h"
#include "platform/palette.h"

namespace ventrose::airspeed {

namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::Font;
using platform::FormDesign;

using namespace platform::dialect;
using namespace platform::palette;

// The window is drawn in pixels; every place below is in twips, pixels times kPx.
// The left column holds the speed, the standard values, the temperature entry and the results;
// the right column the altitude, with its bar along the window's right edge.
constexpr int kLeft = 10 * kPx;
constexpr int kColumnWidth = 470 * kPx;
constexpr int kValueLeft = 360 * kPx;  // value labels to the right of their bar or caption
constexpr int kValueWidth = 120 * kPx;
constexpr int kLine = 17 * kPx;  // one line of 8 pt text

constexpr Font kButtonFont{.pointSize = 8, .bold = true};
// The true airspeed is what the pilot came for: large, bold and red.
constexpr Font kResultFont{.pointSize = 14, .bold = true};
constexpr Font kResultHeadingFont{.pointSize = 11, .bold = true};
// The exact speed stands under the rule's, smaller and in navy: a second opinion, not the
// figure the window is about.
constexpr Font kExactFont{.pointSize = 11, .bold = true};
constexpr Font kExactHeadingFont{.pointSize = 8, .bold = true};

FormDesign makeDesign() {
    FormDesign d{.name = "frmVitesse",
                 .caption = "Calcul : Vitesse Indiquée > Vitesse Propre",
                 .width = 680 * kPx,
                 .height = 566 * kPx,
                 .backColour = kLightBlue};
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };

    add(Colours(
        Caption("Label1", "", "Vi = Vitesse indiquée ou vitesse lue sur l'anémomêtre ( IAS ) ",
                {kLeft, 10 * kPx, kColumnWidth, kLine}),
        kLightBlue));
    add(HBar("hscVi", "", {kLeft, 32 * kPx, 340 * kPx, kLine},
             {.min = 60, .max = 1800, .smallChange = 1, .largeChange = 10, .value = 60}));
    add(Colours(Value("lblVi", "", {kValueLeft, 32 * kPx, kValueWidth, kLine}), kWhite));

    add(Colours(
        Caption("Label4", "", "Température de l'air ( Celsius ) en atmosphère type ( 1013 Hpa )",
                {kLeft, 60 * kPx, 340 * kPx, 2 * kLine}),
        kLightBlue));
    add(Colours(Value("lblTemp", "", {kValueLeft, 66 * kPx, kValueWidth, kLine}, "lblTemp"),
                kWhite));
    add(Colours(Caption("Label6", "", "Pression atmosphère type ( HectoPascal )",
                        {kLeft, 100 * kPx, 340 * kPx, kLine}),
                kLightBlue));
    add(Colours(
        Value("lblPression", "", {kValueLeft, 100 * kPx, kValueWidth, kLine}, "lblPression"),
        kWhite));

    // Five lines, the longest about 60 characters.
    add(Colours(Caption("Label3", "", "", {kLeft, 128 * kPx, kColumnWidth, 88 * kPx}), kLightBlue));

    add(Colours(
        Caption("Label10", "",
                "Si la température extérieure n'est pas standard, entrer la température vraie à "
                "l'altitude souhaitée ( en degrés Celsius ) et valider avec OK",
                {kLeft, 226 * kPx, 330 * kPx, 4 * 16 * kPx}),
        kLightBlue, kMagenta));
    add(Colours(Box("txtTempExt", "", {350 * kPx, 244 * kPx, 70 * kPx, 22 * kPx}), kWhite));
    add(WithFont(
        Colours(Button("cmdTempExt", "", "OK", {428 * kPx, 242 * kPx, 52 * kPx, 26 * kPx}), kPink),
        kButtonFont));

    add(WithFont(Colours(Caption("Label2", "", "Vp = Vitesse propre réelle ( TAS ) ",
                                 {kLeft, 304 * kPx, kColumnWidth, 22 * kPx}),
                         kLightBlue, kRed),
                 kResultHeadingFont));
    add(WithFont(Colours(Value("lblVp2", "", {kLeft, 332 * kPx, 225 * kPx, 34 * kPx}, "lblVp2"),
                         kWhite, kRed),
                 kResultFont));
    add(WithFont(
        Colours(Value("lblVpKm", "", {255 * kPx, 332 * kPx, 225 * kPx, 34 * kPx}, "lblVpKm"),
                kWhite, kRed),
        kResultFont));

    // Four lines, the longest about 60 characters.
    add(Colours(Caption("Label5", "", "", {kLeft, 380 * kPx, kColumnWidth, 72 * kPx}), kLightBlue));
    add(WithFont(
        Colours(Button("cmdQuit", "", "Quitter", {380 * kPx, 458 * kPx, 100 * kPx, 32 * kPx}),
                kLightOrange),
        kButtonFont));

    // The altitude column: metres above feet at the top, the bar down the right edge with sea
    // level at its foot. The two readouts of the altitude bar stand above it, away from its
    // caption, which names them.
    add(LabelledBy(
        Colours(Value("lblAltM", "", {530 * kPx, 10 * kPx, 130 * kPx, kLine}, "lblAltM"), kWhite),
        "Label8"));
    add(LabelledBy(
        Colours(Value("lblAlt", "", {530 * kPx, 34 * kPx, 130 * kPx, kLine}, "lblAlt"), kWhite),
        "Label8"));
    add(VBar("vscAlt", "", {640 * kPx, 62 * kPx, 20 * kPx, 400 * kPx},
             {.min = 0,
              .max = kAltBarSeaLevel,
              .smallChange = kAltBarStep,
              .largeChange = 5 * kAltBarStep,
              .value = 1000}));
    add(Aligned(Colours(Caption("Label8", "", "Altitude", {560 * kPx, 254 * kPx, 72 * kPx, kLine}),
                        kLightBlue),
                Alignment::Right));
    add(Aligned(
        Colours(Caption("Label7", "", "niveau de la mer", {530 * kPx, 466 * kPx, 130 * kPx, kLine}),
                kLightBlue, kBlue),
        Alignment::Right));

    // The exact speed and Mach, in a row of their own under everything else (the window grew
    // for it) so that no earlier control moves. The caption says what they take into account,
    // so that nobody reads one speed for the other; it stands right above both and names them.
    add(WithFont(
        Colours(Caption("Label11", "", "Vp exacte et Mach ( atmosphère standard, compressibilité )",
                        {kLeft, 500 * kPx, kColumnWidth, kLine}),
                kLightBlue, kNavy),
        kExactHeadingFont));
    add(WithFont(
        Colours(Value("lblVpExacte", "", {kLeft, 520 * kPx, 225 * kPx, 28 * kPx}, "lblVpExacte"),
                kWhite, kNavy),
        kExactFont));
    add(WithFont(
        Colours(Value("lblMach", "", {255 * kPx, 520 * kPx, 225 * kPx, 28 * kPx}, "lblMach"),
                kWhite, kNavy),
        kExactFont));

    // The simulator's link, shown only while one is chosen: the box and the link's state along
    // the foot of the left column, beside "Quitter"; the simulator's own true airspeed to the
    // right of the window's.
    add(Hidden(Colours(
        Check("chkSuivre", "", "Suivre le simulateur", {kLeft, 464 * kPx, 170 * kPx, 20 * kPx}),
        kLightBlue)));
    add(Hidden(Colours(Caption("lblSimulateur", "", "", {186 * kPx, 466 * kPx, 186 * kPx, kLine}),
                       kLightBlue)));
    add(Hidden(Colours(Caption("lblVpSim", "", "", {490 * kPx, 341 * kPx, 144 * kPx, kLine}),
                       kLightBlue)));
    return d;
}

}  // namespace

const platform::FormDesign& FrmVitesse::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::airspeed
