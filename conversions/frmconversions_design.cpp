#include "conversions/frmconversions.h"

#include "platform/design.h"

namespace ventrose::conversions {

namespace {

constexpr int kPx = 15;  // twips per pixel at 96 dpi

platform::FormDesign makeDesign() {
    platform::FormDesign d{.name = "frmConversions", .caption = "Conversions", .width = 600 * kPx, .height = 400 * kPx,
                           .backColour = 0xC0C0FF};
    d.controls.push_back({.kind = platform::ControlKind::CommandButton, .name = "cmdQuit", .caption = "Quitter",
                          .left = 480 * kPx, .top = 350 * kPx, .width = 100 * kPx, .height = 32 * kPx,
                          .backColour = 0xFFE0C0, .font = {.pointSize = 8, .bold = true}});
    return d;
}

}  // namespace

const platform::FormDesign& FrmConversions::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::conversions
