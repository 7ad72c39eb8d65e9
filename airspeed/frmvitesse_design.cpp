#include "airspeed/frmvitesse.h"

#include "platform/design.h"
#include "platform/palette.h"

namespace ventrose::airspeed {

namespace {

using platform::Alignment;
using platform::Colour;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FormDesign;

using namespace platform::palette;

// The left column holds the speed, the standard values, the temperature entry and the results;
// the right column the altitude, with its bar along the window's right edge.
constexpr int kLeft = 10;
constexpr int kColumnWidth = 470;
constexpr int kValueLeft = 360;  // value labels to the right of their bar or caption
constexpr int kValueWidth = 120;
constexpr int kLine = 17;        // one line of 8 pt text

ControlDesign caption(const char* name, const char* text, int x, int y, int w, int h) {
    return {.kind = ControlKind::Label, .name = name, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kLightBlue};
}

ControlDesign value(const char* name, const char* placeholder, int x, int y, int w, int h) {
    return {.kind = ControlKind::Label, .name = name, .caption = placeholder,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kWhite, .alignment = Alignment::Center, .wordWrap = false};
}

ControlDesign result(ControlDesign design) {
    design.foreColour = kRed;
    design.font = {.pointSize = 14, .bold = true};
    return design;
}

ControlDesign coloured(ControlDesign design, Colour fore) {
    design.foreColour = fore;
    return design;
}

ControlDesign button(const char* name, const char* text, int x, int y, int w, int h, Colour back) {
    return {.kind = ControlKind::CommandButton, .name = name, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = back, .font = {.pointSize = 8, .bold = true}};
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmVitesse", .caption = "Calcul : Vitesse Indiquée > Vitesse Propre",
                 .width = 680 * kPx, .height = 500 * kPx, .backColour = kLightBlue};
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };

    add(caption("Label1", "Vi = Vitesse indiquée ou vitesse lue sur l'anémomêtre ( IAS ) ", kLeft, 10,
                kColumnWidth, kLine));
    add({.kind = ControlKind::HScrollBar, .name = "hscVi", .left = kLeft * kPx, .top = 32 * kPx,
         .width = 340 * kPx, .height = kLine * kPx, .min = 60, .max = 1800, .smallChange = 1, .largeChange = 10,
         .value = 60});
    add(value("lblVi", "", kValueLeft, 32, kValueWidth, kLine));

    add(caption("Label4", "Température de l'air ( Celsius ) en atmosphère type ( 1013 Hpa )", kLeft, 60, 340,
                2 * kLine));
    add(value("lblTemp", "lblTemp", kValueLeft, 66, kValueWidth, kLine));
    add(caption("Label6", "Pression atmosphère type ( HectoPascal )", kLeft, 100, 340, kLine));
    add(value("lblPression", "lblPression", kValueLeft, 100, kValueWidth, kLine));

    // Five lines, the longest about 60 characters.
    add(caption("Label3", "", kLeft, 128, kColumnWidth, 88));

    add(coloured(caption("Label10",
                         "Si la température extérieure n'est pas standard, entrer la température vraie à "
                         "l'altitude souhaitée ( en degrés Celsius ) et valider avec OK",
                         kLeft, 226, 330, 4 * 16),
                 kMagenta));
    add({.kind = ControlKind::TextBox, .name = "txtTempExt", .left = 350 * kPx, .top = 244 * kPx,
         .width = 70 * kPx, .height = 22 * kPx, .backColour = kWhite});
    add(button("cmdTempExt", "OK", 428, 242, 52, 26, kPink));

    ControlDesign heading = result(caption("Label2", "Vp = Vitesse propre réelle ( TAS ) ", kLeft, 304,
                                           kColumnWidth, 22));
    heading.font.pointSize = 11;
    add(heading);
    add(result(value("lblVp2", "lblVp2", kLeft, 332, 225, 34)));
    add(result(value("lblVpKm", "lblVpKm", 255, 332, 225, 34)));

    // Four lines, the longest about 60 characters.
    add(caption("Label5", "", kLeft, 380, kColumnWidth, 72));
    add(button("cmdQuit", "Quitter", 380, 458, 100, 32, kLightOrange));

    // The altitude column: metres above feet at the top, the bar down the right edge with sea
    // level at its foot.
    // The two readouts of the altitude bar stand above it, away from its caption.
    ControlDesign metres = value("lblAltM", "lblAltM", 530, 10, 130, kLine);
    ControlDesign feet = value("lblAlt", "lblAlt", 530, 34, 130, kLine);
    metres.labelledBy = feet.labelledBy = "Label8";
    add(metres);
    add(feet);
    add({.kind = ControlKind::VScrollBar, .name = "vscAlt", .left = 640 * kPx, .top = 62 * kPx,
         .width = 20 * kPx, .height = 400 * kPx, .min = 0, .max = kAltBarSeaLevel, .smallChange = kAltBarStep,
         .largeChange = 5 * kAltBarStep, .value = 1000});
    ControlDesign altitude = caption("Label8", "Altitude", 560, 254, 72, kLine);
    altitude.alignment = Alignment::Right;
    add(altitude);
    ControlDesign seaLevel = coloured(caption("Label7", "niveau de la mer", 530, 466, 130, kLine), kBlue);
    seaLevel.alignment = Alignment::Right;
    add(seaLevel);
    return d;
}

}  // namespace

const platform::FormDesign& FrmVitesse::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::airspeed
