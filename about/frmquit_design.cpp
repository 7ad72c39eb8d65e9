// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmquit.h"

#include <utility>

#include "platform/design.h"
#include "platform/design_dialect.h"
#include "platform/palette.h"

namespace ventrose::about {

namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::Font;
using platform::FormDesign;

using namespace platform::dialect;
using namespace platform::palette;

constexpr Font kText{.pointSize = 9};
constexpr Font kBoldText{.pointSize = 9, .bold = true};

// The credits are written in dark green on the window's light blue.
ControlDesign credit(ControlDesign label, Font font) {
    return WithFont(Colours(std::move(label), kLightBlue, kDarkGreen), font);
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmQuit",
                 .caption = "A propos de ....",
                 .width = 620 * kPx,
                 .height = 330 * kPx,
                 .backColour = kLightBlue};
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };

    add(Outline("Shape1", "", {4 * kPx, 4 * kPx, 612 * kPx, 322 * kPx}, kDarkGreen, 2));
    add(WithFont(
        Colours(Aligned(OneLine(Caption("lblProductName", "", "Ventrose pour Flight Simulator",
                                        {14 * kPx, 12 * kPx, 592 * kPx, 46 * kPx})),
                        Alignment::Center),
                kTooltipYellow, kDarkGreen),
        {.pointSize = 24, .bold = true, .serif = true}));
    add(Picture("Image1", "", ":/about/floatplane.png",
                {16 * kPx, 68 * kPx, 281 * kPx, 173 * kPx}));
    add(credit(Caption("Label1", "", "Conçu par l'équipe Ventrose",
                       {312 * kPx, 68 * kPx, 294 * kPx, 20 * kPx}),
               kBoldText));
    add(credit(Caption("Label2", "", "Pilotes virtuels de l'aéro-club Ventrose",
                       {312 * kPx, 90 * kPx, 294 * kPx, 20 * kPx}),
               kBoldText));
    add(credit(Caption("Label6", "", " ", {312 * kPx, 114 * kPx, 294 * kPx, 56 * kPx}), kText));
    add(credit(
        Caption("Label3", "", "Version 1.0 - 03/2006", {312 * kPx, 176 * kPx, 294 * kPx, 20 * kPx}),
        kText));
    add(credit(Caption("Label5", "", "Logiciel libre, distribution gratuite",
                       {312 * kPx, 202 * kPx, 294 * kPx, 36 * kPx}),
               kBoldText));
    add(Aligned(credit(Caption("Label7", "", "Contact - suggestions",
                               {14 * kPx, 256 * kPx, 592 * kPx, 20 * kPx}),
                       kBoldText),
                Alignment::Center));
    add(Aligned(credit(Caption("Label4", "", "contact@ventrose.example",
                               {14 * kPx, 280 * kPx, 592 * kPx, 20 * kPx}),
                       kBoldText),
                Alignment::Center));
    return d;
}

}  // namespace

const platform::FormDesign& FrmQuit::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::about
