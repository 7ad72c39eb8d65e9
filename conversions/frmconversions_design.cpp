// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/frmconversions.h"

#include <utility>

#include "platform/design.h"
#include "platform/design_dialect.h"
#include "platform/palette.h"

namespace ventrose::conversions {

namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::Font;
using platform::FormDesign;

using namespace platform::dialect;
using namespace platform::palette;

// 8.25 pt bold for frames, options and buttons, 9.75 pt bold for the boxes and unit labels.
constexpr Font kSmallBold{.pointSize = 8, .bold = true};
constexpr Font kLargeBold{.pointSize = 10, .bold = true};

// The window is drawn in pixels; every place below is in twips, pixels times kPx.
// Every frame spans the window; in each, the options stand at the left, then the box, then the
// unit label, wide enough for its longest text ("Noeuds (Kts)", "US Gallons") at 10 pt bold.
constexpr int kFrameLeft = 10 * kPx, kFrameWidth = 560 * kPx;
constexpr int kFirstOption = 14 * kPx, kSecondOption = 170 * kPx, kOptionWidth = 150 * kPx;
constexpr int kOptionHeight = 22 * kPx;
constexpr int kBoxLeft = 330 * kPx, kBoxWidth = 100 * kPx, kBoxHeight = 26 * kPx;
constexpr int kLabelLeft = 440 * kPx, kLabelWidth = 110 * kPx, kLabelHeight = 20 * kPx;
constexpr int kLabelDrop = 4 * kPx;  // the unit label's text sits level with the box's text

// Frames, options and buttons: 8 pt bold, on the window's blue unless given another colour.
ControlDesign smallBold(ControlDesign design, platform::Colour back = kLightBlue) {
    return WithFont(Colours(std::move(design), back), kSmallBold);
}

Place optionAt(int left, int top) { return {left, top, kOptionWidth, kOptionHeight}; }

// The box of a group, and beside it the label that names the unit of the box: a text that the
// window writes, on one line, read from the left.
struct Entry {
    const char* frame;
    const char* box;
    const char* label;
    const char* labelText;
    int top;  // of the box
};

void addEntry(FormDesign& d, const Entry& e) {
    d.controls.push_back(
        WithFont(Box(e.box, e.frame, {kBoxLeft, e.top, kBoxWidth, kBoxHeight}), kLargeBold));
    const Place labelAt{kLabelLeft, e.top + kLabelDrop, kLabelWidth, kLabelHeight};
    d.controls.push_back(
        WithFont(Colours(Aligned(Value(e.label, e.frame, labelAt, e.labelText), Alignment::Left),
                         kLightBlue),
                 kLargeBold));
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmConversions",
                 .caption = "Conversions",
                 .width = 580 * kPx,
                 .height = 446 * kPx,
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
        {"frmDistances", "Distances", "optNM", "Miles Nautiques", "optKms", "Kilomètres",
         "txtChoixDist", "lblChoixDist", "NM"},
        {"frmAlt", "Altitudes", "optPieds", "Pieds", "optMetres", "Mètres", "txtChoixAlt",
         "lblChoixAlt", "Pieds"},
        {"frmVitesse", "Vitesses", "optNoeuds", "Noeuds (Kts)", "optKmh", "Kms / heure",
         "txtChoixVitesse", "lblChoixVitesse", "Noeuds"},
        {"frmTemp", "Températures", "optFahr", "° Fahrenheit", "optCelsius", "° Celsius",
         "txtChoixTemp", "lblChoixTemp", "Fahrenheit"},
    };
    int top = 8 * kPx;
    for (const Group& g : kGroups) {
        add(smallBold(Frame(g.frame, "", g.caption, {kFrameLeft, top, kFrameWidth, 62 * kPx})));
        add(smallBold(Option(g.first, g.frame, g.firstText, optionAt(kFirstOption, 26 * kPx))));
        add(smallBold(Option(g.second, g.frame, g.secondText, optionAt(kSecondOption, 26 * kPx))));
        addEntry(d, {.frame = g.frame,
                     .box = g.box,
                     .label = g.label,
                     .labelText = g.labelText,
                     .top = 24 * kPx});
        top += 70 * kPx;
    }

    // Fuel: two rows of two options, the box and label between the rows, the note at the bottom.
    add(smallBold(Frame("frmCarbu", "", "Quantités de carburant",
                        {kFrameLeft, top, kFrameWidth, 104 * kPx})));
    add(smallBold(Option("optUSGall", "frmCarbu", "US Gallons", optionAt(kFirstOption, 22 * kPx))));
    add(smallBold(Option("optLitres", "frmCarbu", "Litres", optionAt(kSecondOption, 22 * kPx))));
    add(smallBold(Option("optLbs", "frmCarbu", "Pounds (Lbs)", optionAt(kFirstOption, 48 * kPx))));
    add(smallBold(Option("optKilo", "frmCarbu", "Kilogrammes", optionAt(kSecondOption, 48 * kPx))));
    addEntry(d, {.frame = "frmCarbu",
                 .box = "txtChoixCarbu",
                 .label = "lblChoixCarbu",
                 .labelText = "US Gallons",
                 .top = 34 * kPx});
    add(Colours(OneLine(Caption("Label1", "frmCarbu",
                                "NB : unités employées dans FS et FSNavigator - 0,81 Kg / L",
                                {kFirstOption, 78 * kPx, 520 * kPx, 18 * kPx})),
                kLightBlue));

    add(smallBold(Button("cmdClear", "", "Rafraichir", {150 * kPx, 402 * kPx, 130 * kPx, 32 * kPx}),
                  kLightCyan));
    add(smallBold(Button("cmdQuit", "", "Quitter", {300 * kPx, 402 * kPx, 130 * kPx, 32 * kPx}),
                  kLightOrange));
    return d;
}

}  // namespace

const platform::FormDesign& FrmConversions::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::conversions
