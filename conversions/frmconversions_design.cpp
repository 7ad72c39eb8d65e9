#include "conversions/frmconversions.h"

#include "platform/design.h"
#include "platform/palette.h"

namespace ventrose::conversions {

namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::FormDesign;

using namespace platform::palette;

// 8.25 pt bold for frames, options and buttons, 9.75 pt bold for the boxes and unit labels.
constexpr platform::Font kSmallBold{.pointSize = 8, .bold = true};
constexpr platform::Font kLargeBold{.pointSize = 10, .bold = true};

// Every frame spans the window; in each, the options stand at the left, then the box, then the
// unit label, wide enough for its longest text ("Noeuds (Kts)", "US Gallons") at 10 pt bold.
constexpr int kFrameLeft = 10, kFrameWidth = 560;
constexpr int kFirstOption = 14, kSecondOption = 170, kOptionWidth = 150;
constexpr int kBoxLeft = 330, kBoxWidth = 100;
constexpr int kLabelLeft = 440, kLabelWidth = 110;

ControlDesign frame(const char* name, const char* text, int y, int h) {
    return {.kind = ControlKind::Frame, .name = name, .caption = text,
            .left = kFrameLeft * kPx, .top = y * kPx, .width = kFrameWidth * kPx, .height = h * kPx,
            .backColour = kLightBlue, .font = kSmallBold};
}

ControlDesign option(const char* name, const char* container, const char* text, int x, int y) {
    return {.kind = ControlKind::OptionButton, .name = name, .container = container, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = kOptionWidth * kPx, .height = 22 * kPx,
            .backColour = kLightBlue, .font = kSmallBold};
}

ControlDesign box(const char* name, const char* container, int y) {
    return {.kind = ControlKind::TextBox, .name = name, .container = container,
            .left = kBoxLeft * kPx, .top = y * kPx, .width = kBoxWidth * kPx, .height = 26 * kPx,
            .font = kLargeBold};
}

ControlDesign unitLabel(const char* name, const char* container, const char* text, int y) {
    return {.kind = ControlKind::Label, .name = name, .container = container, .caption = text,
            .left = kLabelLeft * kPx, .top = (y + 4) * kPx, .width = kLabelWidth * kPx, .height = 20 * kPx,
            .backColour = kLightBlue, .font = kLargeBold, .wordWrap = false};
}

ControlDesign button(const char* name, const char* text, int x, platform::Colour back) {
    return {.kind = ControlKind::CommandButton, .name = name, .caption = text,
            .left = x * kPx, .top = 402 * kPx, .width = 130 * kPx, .height = 32 * kPx,
            .backColour = back, .font = kSmallBold};
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmConversions", .caption = "Conversions", .width = 580 * kPx, .height = 446 * kPx,
                 .backColour = kLightBlue};
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };

    // The two-unit groups, one frame each: first unit, second unit, box, unit label.
    struct Group {
        const char* frame;
        const char* caption;
        const char* first;
        const char* firstText;
        const char* second;
        const char* secondText;
        const char* box;
        const char* label;
        const char* labelText;
    };
    constexpr Group kGroups[] = {
        {"frmDistances", "Distances", "optNM", "Miles Nautiques", "optKms", "Kilomètres", "txtChoixDist",
         "lblChoixDist", "NM"},
        {"frmAlt", "Altitudes", "optPieds", "Pieds", "optMetres", "Mètres", "txtChoixAlt", "lblChoixAlt", "Pieds"},
        {"frmVitesse", "Vitesses", "optNoeuds", "Noeuds (Kts)", "optKmh", "Kms / heure", "txtChoixVitesse",
         "lblChoixVitesse", "Noeuds"},
        {"frmTemp", "Températures", "optFahr", "° Fahrenheit", "optCelsius", "° Celsius", "txtChoixTemp",
         "lblChoixTemp", "Fahrenheit"},
    };
    int top = 8;
    for (const Group& g : kGroups) {
        add(frame(g.frame, g.caption, top, 62));
        add(option(g.first, g.frame, g.firstText, kFirstOption, 26));
        add(option(g.second, g.frame, g.secondText, kSecondOption, 26));
        add(box(g.box, g.frame, 24));
        add(unitLabel(g.label, g.frame, g.labelText, 24));
        top += 70;
    }

    // Fuel: two rows of two options, the box and label between the rows, the note at the bottom.
    add(frame("frmCarbu", "Quantités de carburant", top, 104));
    add(option("optUSGall", "frmCarbu", "US Gallons", kFirstOption, 22));
    add(option("optLitres", "frmCarbu", "Litres", kSecondOption, 22));
    add(option("optLbs", "frmCarbu", "Pounds (Lbs)", kFirstOption, 48));
    add(option("optKilo", "frmCarbu", "Kilogrammes", kSecondOption, 48));
    add(box("txtChoixCarbu", "frmCarbu", 34));
    add(unitLabel("lblChoixCarbu", "frmCarbu", "US Gallons", 34));
    add({.kind = ControlKind::Label, .name = "Label1", .container = "frmCarbu",
         .caption = "NB : unités employées dans FS et FSNavigator - 0,81 Kg / L",
         .left = kFirstOption * kPx, .top = 78 * kPx, .width = 520 * kPx, .height = 18 * kPx,
         .backColour = kLightBlue, .wordWrap = false});

    add(button("cmdClear", "Rafraichir", 150, kLightCyan));
    add(button("cmdQuit", "Quitter", 300, kLightOrange));
    return d;
}

}  // namespace

const platform::FormDesign& FrmConversions::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::conversions
