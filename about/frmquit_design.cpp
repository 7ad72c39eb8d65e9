#include "about/frmquit.h"

#include "platform/design.h"
#include "platform/palette.h"

namespace ventrose::about {

namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::ControlKind;

using namespace platform::palette;

ControlDesign line(const char* name, const char* text, int x, int y, int w, int h, bool bold,
                   Alignment alignment = Alignment::Left) {
    return {.kind = ControlKind::Label, .name = name, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kLightBlue, .foreColour = kDarkGreen, .font = {.pointSize = 9, .bold = bold},
            .alignment = alignment};
}

platform::FormDesign makeDesign() {
    platform::FormDesign d{.name = "frmQuit", .caption = "A propos de ....", .width = 620 * kPx, .height = 330 * kPx,
                           .backColour = kLightBlue};
    d.controls.push_back({.kind = ControlKind::Shape, .name = "Shape1", .left = 4 * kPx, .top = 4 * kPx,
                          .width = 612 * kPx, .height = 322 * kPx, .foreColour = kDarkGreen, .borderWidth = 2});
    d.controls.push_back({.kind = ControlKind::Label, .name = "lblProductName", .caption = "Ventrose pour Flight Simulator",
                          .left = 14 * kPx, .top = 12 * kPx, .width = 592 * kPx, .height = 46 * kPx,
                          .backColour = kTooltipYellow, .foreColour = kDarkGreen,
                          .font = {.pointSize = 24, .bold = true, .serif = true}, .alignment = Alignment::Center,
                          .wordWrap = false});
    d.controls.push_back({.kind = ControlKind::Image, .name = "Image1", .left = 16 * kPx, .top = 68 * kPx,
                          .width = 281 * kPx, .height = 173 * kPx, .picture = ":/about/floatplane.png"});
    d.controls.push_back(line("Label1", "Conçu par l'équipe Ventrose", 312, 68, 294, 20, true));
    d.controls.push_back(line("Label2", "Pilotes virtuels de l'aéro-club Ventrose", 312, 90, 294, 20, true));
    d.controls.push_back(line("Label6", " ", 312, 114, 294, 56, false));
    d.controls.push_back(line("Label3", "Version 1.0 - 03/2006", 312, 176, 294, 20, false));
    d.controls.push_back(line("Label5", "Logiciel libre, distribution gratuite", 312, 202, 294, 36, true));
    d.controls.push_back(line("Label7", "Contact - suggestions", 14, 256, 592, 20, true, Alignment::Center));
    d.controls.push_back(line("Label4", "contact@ventrose.example", 14, 280, 592, 20, true, Alignment::Center));
    return d;
}

}  // namespace

const platform::FormDesign& FrmQuit::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::about
