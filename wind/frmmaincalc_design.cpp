#include "wind/frmmaincalc.h"

#include "platform/design.h"
#include "platform/palette.h"
#include "wind/tempsdistance.h"

namespace ventrose::wind {

namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FormDesign;

using namespace platform::palette;

ControlDesign caption(const char* name, const char* container, const char* text, int x, int y, int w, int h) {
    return {.kind = ControlKind::Label, .name = name, .container = container, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kLightBlue};
}

ControlDesign value(const char* name, const char* container, int x, int y, int w, int h,
                    platform::Colour fore = platform::kDefaultColour, int pointSize = 8, bool bold = false) {
    return {.kind = ControlKind::Label, .name = name, .container = container,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kWhite, .foreColour = fore, .font = {.pointSize = pointSize, .bold = bold},
            .alignment = Alignment::Center, .wordWrap = false};
}

ControlDesign labelledBy(const char* label, ControlDesign design) {
    design.labelledBy = label;
    return design;
}

ControlDesign bar(const char* name, const char* container, int x, int y, int max, int start, int min = 0) {
    return {.kind = ControlKind::HScrollBar, .name = name, .container = container,
            .left = x * kPx, .top = y * kPx, .width = 290 * kPx, .height = 17 * kPx,
            .min = min, .max = max, .smallChange = 1, .largeChange = 10, .value = start};
}

ControlDesign frame(const char* name, const char* container, const char* text, int x, int y, int w, int h) {
    return {.kind = ControlKind::Frame, .name = name, .container = container, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kLightBlue, .font = {.pointSize = 8, .bold = true}};
}

ControlDesign option(const char* name, const char* text, int x, bool selected) {
    return {.kind = ControlKind::OptionButton, .name = name, .container = "Frame1", .caption = text,
            .left = x * kPx, .top = 24 * kPx, .width = 100 * kPx, .height = 20 * kPx,
            .selected = selected, .backColour = kLightBlue};
}

ControlDesign button(const char* name, const char* text, int index, platform::Colour back = platform::kDefaultColour,
                     bool bold = false) {
    return {.kind = ControlKind::CommandButton, .name = name, .caption = text,
            .left = (10 + index * 147) * kPx, .top = 472 * kPx, .width = 138 * kPx, .height = 32 * kPx,
            .backColour = back, .font = {.pointSize = 8, .bold = bold}};
}

ControlDesign hidden(ControlDesign design) {
    design.visible = false;
    return design;
}

ControlDesign emphasised(ControlDesign design, platform::Colour fore, int pointSize, bool bold) {
    design.foreColour = fore;
    design.font = {.pointSize = pointSize, .bold = bold};
    return design;
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmMainCalc", .caption = "Ventrose pour FS", .width = 895 * kPx, .height = 515 * kPx,
                 .backColour = kLightBlue};
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };

    ControlDesign title = caption("Label22", "", "Influence du vent - Calcul de dérive - Vol à l'estime", 10, 8, 875, 24);
    title.font = {.pointSize = 12, .bold = true};
    title.alignment = Alignment::Center;
    add(title);

    // Inputs: a caption line, then the bar with its value label to its right.
    add(frame("fraDonnees", "", "Entrée des données", 10, 40, 430, 422));
    add(caption("Label1", "fraDonnees", "Vp = Vitesse propre ou TAS ", 12, 22, 400, 17));
    add(bar("hscVp", "fraDonnees", 12, 40, 800, 120, 60));
    add(value("lblVp", "fraDonnees", 310, 40, 100, 17));
    add(caption("Label4", "fraDonnees", "CAP - Route magnétique suivie ( Rm ) ", 12, 66, 400, 17));
    add(bar("hscRm", "fraDonnees", 12, 84, 360, 0));
    add(value("lblRm", "fraDonnees", 310, 84, 100, 17));
    add(caption("Label3", "fraDonnees", "Direction du vent ( V )", 12, 110, 400, 17));
    add(bar("hscV", "fraDonnees", 12, 128, 360, 0));
    add(value("lblV", "fraDonnees", 310, 128, 100, 17));
    add(caption("Label8", "fraDonnees", "Force du vent ( Vw en Kts )", 12, 154, 400, 17));
    add(bar("hscVw", "fraDonnees", 12, 172, 360, 0));
    add(value("lblVw", "fraDonnees", 310, 172, 100, 17));

    // The leg block: both modes' controls stand at the same places; the mode shows one set.
    // The leg frame's long title fits its width only in the regular weight.
    ControlDesign leg = frame("Frame1", "fraDonnees", "Calcul du Temps de vol ou de la Distance qui devrait être parcourue",
                              8, 202, 414, 210);
    leg.font.bold = false;
    add(leg);
    add(option("optTemps", "Temps", 14, true));
    add(option("optDistance", "Distance", 130, false));
    add(caption("Label7", "Frame1", "Distance ( D ) à parcourir en NM", 12, 52, 390, 17));
    add(hidden(caption("Label9", "Frame1", "Temps sans vent ( en minutes ) ", 12, 52, 390, 17)));
    add(bar("hscDt", "Frame1", 12, 72, kDtMax, 0));
    add(hidden(bar("hscTsv", "Frame1", 12, 72, kTsvMax, 0)));
    add(value("lblDt", "Frame1", 306, 72, 96, 17, kRed));
    add(hidden(value("lblTsv2", "Frame1", 306, 72, 96, 17, kRed)));
    add(caption("Label6", "Frame1", "TEMPS SANS VENT                            ( Tsv soit Vp = Vs )  ( Tsv = D . Fb )",
                12, 100, 200, 34));
    add(hidden(caption("Label10", "Frame1",
                       "DISTANCE ( D ) en miles nautiques       ( D = Tsv . Inverse Fb )  ", 12, 100, 200, 34)));
    add(labelledBy("Label6", value("lblTsv", "Frame1", 306, 106, 96, 20, kRed, 10, true)));
    add(labelledBy("Label10", hidden(value("lblD", "Frame1", 306, 106, 96, 20, kRed, 10, true))));
    add(emphasised(caption("Label23", "Frame1", "Temps avec vent", 12, 152, 290, 17), kRed, 8, true));
    add(value("lblTav", "Frame1", 306, 150, 96, 20, kRed, 10, true));

    // Results: caption on the left, value on the right.
    add(frame("Frame2", "", "Résultats", 450, 40, 435, 422));
    add(caption("Label2", "Frame2", "FACTEUR DE BASE ( Fb = 60 / Vp )", 12, 24, 300, 17));
    add(value("lblFb", "Frame2", 320, 24, 100, 17));
    add(caption("Label11", "Frame2", "Inverse Fb ( 1/Fb ) distance en NM parcourue en 1 minute", 12, 50, 300, 32));
    add(value("lblInvFb", "Frame2", 320, 56, 100, 17));
    add(caption("Label12", "Frame2", "DERIVE MAXIMUM ( X = Vw . Fb )", 12, 90, 300, 17));
    add(value("lblX", "Frame2", 320, 90, 100, 17));
    add(caption("Label5", "Frame2", "ANGLE AU VENT ( alpha = V -/+ Rm )", 12, 118, 300, 17));
    add(value("lblAlpha", "Frame2", 320, 118, 100, 17));
    add(caption("Label21", "Frame2", "Type vent :", 12, 146, 80, 17));
    add(value("lblTypeVent", "Frame2", 96, 146, 324, 17));
    add(caption("Label13", "Frame2", "Sinus d'alpha :", 12, 174, 110, 17));
    add(value("lblMultSin", "Frame2", 124, 174, 56, 17));
    add(caption("Label18", "Frame2", "Cosinus d'alpha :", 200, 174, 116, 17));
    add(value("lblMultCos", "Frame2", 320, 174, 56, 17));
    add(caption("Label14", "Frame2", "Vent Traversier ( Vt = Vw . sinus alpha )", 12, 202, 300, 17));
    add(value("lblVt", "Frame2", 320, 202, 100, 17));
    add(caption("Label15", "Frame2", "DERIVE ( d = X . sin alpha )", 12, 230, 300, 17));
    add(value("lblDerive", "Frame2", 320, 230, 100, 17));
    add(emphasised(caption("Label16", "Frame2", "CAP A PRENDRE :", 12, 262, 300, 22), kRed, 10, true));
    add(value("lblNewCap", "Frame2", 320, 258, 100, 28, kRed, 14, true));
    add(emphasised(caption("Label20", "Frame2", "Vitesse Sol ( Vs = Vp +/- Ve )", 12, 300, 300, 22), kRed, 10, true));
    add(value("lblVs", "Frame2", 320, 296, 100, 28, kRed, 14, true));
    add(caption("Label19", "Frame2", "EFFET DU VENT ( Tc = Ve . Fb )", 12, 338, 300, 17));
    add(value("lblTc", "Frame2", 320, 338, 100, 17));
    add(caption("Label17", "Frame2", "Vent Effectif ( Ve = Vw . cos alpha )", 12, 366, 300, 17));
    add(value("lblVe", "Frame2", 320, 366, 100, 17));

    add(button("cmdConversions", "Conversions", 0));
    add(button("cmdVitesse", "IAS to TAS", 1));
    add(button("cmdVz", "Taux Descente", 2));
    add(button("Command1", "A propos ...", 3, kLightYellow));
    add(button("cmdClear", "Rafraichir", 4, kLightCyan, true));
    add(button("cmdQuit", "Quitter", 5, kLightOrange, true));
    return d;
}

}  // namespace

const platform::FormDesign& FrmMainCalc::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::wind
