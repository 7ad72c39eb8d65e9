// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/recolour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace ventrose::preferences {
namespace {

// The colours of platform/palette.h, written again here: this test links only the preferences
// core. A colour added there must be added here too.
constexpr Colour kLightBlue = 0xC0C0FF;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0xD00000;
constexpr Colour kBlue = 0x0000FF;
constexpr Colour kNavy = 0x000080;
constexpr Colour kMagenta = 0xFF00FF;
constexpr Colour kDarkGreen = 0x006000;
constexpr Colour kPink = 0xFF80FF;
constexpr Colour kLightYellow = 0xFFFFC0;
constexpr Colour kTooltipYellow = 0xFFFFE1;
constexpr Colour kLightCyan = 0xC0FFFF;
constexpr Colour kLightOrange = 0xFFE0C0;

// Where a design leaves the toolkit's colour, Jour shows Fusion's standard light palette.
Colour InJour(Colour design, Role role) {
    if (design != kDefaultColour) return design;
    switch (role) {
        case Role::Background: return 0xFFFFFF;
        case Role::ControlFace:
        case Role::MessageBackground: return 0xEFEFEF;
        case Role::ToolTipBackground: return 0xFFFFDC;
        case Role::SelectionBackground: return 0x308CC6;
        case Role::SelectionText: return 0xFFFFFF;
        default: return 0x000000;
    }
}

Colour Shown(Palette palette, Colour design, Role role) {
    return palette == Palette::Jour ? InJour(design, role) : Recolour(palette, design, role);
}

struct Pair {
    const char* what;
    Colour fore;
    Role foreRole;
    Colour back;
    Role backRole;
};

// Every text the windows show, on what it stands on (the designs of wind/, airspeed/, descent/,
// conversions/ and about/, and the toolkit's own tooltips, message boxes and selections).
const Pair kShownPairs[] = {
    {"caption on the window", kDefaultColour, Role::Text, kLightBlue, Role::Background},
    {"value on its white field", kDefaultColour, Role::Text, kWhite, Role::Background},
    {"red result caption on the window", kRed, Role::Text, kLightBlue, Role::Background},
    {"red result on its white field", kRed, Role::Text, kWhite, Role::Background},
    {"magenta caption on the window", kMagenta, Role::Text, kLightBlue, Role::Background},
    {"magenta value on its white field", kMagenta, Role::Text, kWhite, Role::Background},
    {"blue «niveau de la mer» on the window", kBlue, Role::Text, kLightBlue, Role::Background},
    {"green credits on the window", kDarkGreen, Role::Text, kLightBlue, Role::Background},
    {"green product name on pale yellow", kDarkGreen, Role::Text, kTooltipYellow, Role::Background},
    {"text box without colours", kDefaultColour, Role::Text, kDefaultColour, Role::Background},
    {"«A propos ...» button", kDefaultColour, Role::Text, kLightYellow, Role::ControlFace},
    {"«Rafraichir» button", kDefaultColour, Role::Text, kLightCyan, Role::ControlFace},
    {"«Quitter» button", kDefaultColour, Role::Text, kLightOrange, Role::ControlFace},
    {"«OK» button", kDefaultColour, Role::Text, kPink, Role::ControlFace},
    {"button without colours", kDefaultColour, Role::Text, kDefaultColour, Role::ControlFace},
    {"tooltip", kDefaultColour, Role::ToolTipText, kDefaultColour, Role::ToolTipBackground},
    {"message box", kDefaultColour, Role::MessageText, kDefaultColour, Role::MessageBackground},
    {"selected text in a box", kDefaultColour, Role::SelectionText, kDefaultColour,
     Role::SelectionBackground},
};

TEST(Recolour, EveryTextTheWindowsShowIsReadableAtNight) {
    for (const Palette palette : {Palette::Nuit, Palette::NuitRouge}) {
        for (const Pair& p : kShownPairs) {
            const Colour fore = Recolour(palette, p.fore, p.foreRole);
            const Colour back = Recolour(palette, p.back, p.backRole);
            EXPECT_GE(ContrastRatio(fore, back), 4.5) << PaletteName(palette) << ": " << p.what;
        }
    }
}

// Jour is the designs' colours as they are; these are the pairs that were below 4.5:1 before
// any palette existed. A change here means a design changed.
TEST(Recolour, JourKeepsTheDesignsOwnLowContrastPairs) {
    std::set<std::string> below;
    for (const Pair& p : kShownPairs) {
        const double ratio = ContrastRatio(Shown(Palette::Jour, p.fore, p.foreRole),
                                           Shown(Palette::Jour, p.back, p.backRole));
        if (ratio < 4.5) below.insert(p.what);
    }
    const std::set<std::string> expected = {
        "red result caption on the window",  // 3.3:1
        "magenta caption on the window",     // 1.8:1
        "magenta value on its white field",  // 3.1:1
        "selected text in a box",            // 3.7:1, Fusion's own highlight
    };
    EXPECT_EQ(below, expected);
}

TEST(Recolour, JourChangesNoColour) {
    for (const Role role : kRoles) {
        for (const Colour c : {kLightBlue, kRed, kDarkGreen, kDefaultColour, Colour{0}}) {
            EXPECT_EQ(Recolour(Palette::Jour, c, role), c);
        }
    }
}

// Any text colour on any ground, in every role a text can take: a design drawn later in colours
// nobody has picked yet still reads at night.
TEST(Recolour, AnyDesignColoursStayReadableAtNight) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<Colour> anyColour(0, 0xFFFFFF);
    const struct {
        Role fore, back;
    } roles[] = {{Role::Text, Role::Background},
                 {Role::Text, Role::ControlFace},
                 {Role::ToolTipText, Role::ToolTipBackground},
                 {Role::MessageText, Role::MessageBackground},
                 {Role::SelectionText, Role::SelectionBackground}};
    for (const Palette palette : {Palette::Nuit, Palette::NuitRouge}) {
        for (int i = 0; i < 20000; ++i) {
            const Colour fore = i % 10 == 0 ? kDefaultColour : anyColour(random);
            const Colour back = i % 7 == 0 ? kDefaultColour : anyColour(random);
            for (const auto& r : roles) {
                const double ratio =
                    ContrastRatio(Recolour(palette, fore, r.fore), Recolour(palette, back, r.back));
                ASSERT_GE(ratio, 4.5)
                    << PaletteName(palette) << std::hex << " fore " << fore << " back " << back;
            }
        }
    }
}

// Lines, shapes and the focus ring are not text: 3:1 is what a person needs to see them.
TEST(Recolour, LinesAndTheFocusRingShowOnEveryGround) {
    const std::vector<std::pair<Colour, Role>> grounds = {
        {kLightBlue, Role::Background},      {kWhite, Role::Background},
        {kTooltipYellow, Role::Background},  {kDefaultColour, Role::Background},
        {kLightYellow, Role::ControlFace},   {kLightCyan, Role::ControlFace},
        {kLightOrange, Role::ControlFace},   {kPink, Role::ControlFace},
        {kDefaultColour, Role::ControlFace},
    };
    for (const Palette palette : {Palette::Nuit, Palette::NuitRouge}) {
        for (const auto& [ground, role] : grounds) {
            const Colour back = Recolour(palette, ground, role);
            for (const Colour line : {kNavy, kDarkGreen, kDefaultColour}) {
                EXPECT_GE(ContrastRatio(Recolour(palette, line, Role::Stroke), back), 3.0)
                    << PaletteName(palette) << std::hex << " line " << line << " on " << ground;
            }
            EXPECT_GE(ContrastRatio(Recolour(palette, kDefaultColour, Role::FocusRing), back), 3.0)
                << PaletteName(palette) << std::hex << " focus ring on " << ground;
        }
    }
}

int Red(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(Colour c) { return static_cast<int>(c & 0xFF); }

TEST(Recolour, NuitKeepsTheAccentsRecognisable) {
    const struct {
        const char* what;
        Colour design;
        bool (*looksRight)(Colour);
    } rows[] = {
        {"red stays red", kRed,
         [](Colour c) { return Red(c) == 0xFF && Green(c) < 0x80 && Green(c) == Blue(c); }},
        {"magenta stays magenta", kMagenta,
         [](Colour c) { return Red(c) == Blue(c) && Red(c) > 2 * Green(c); }},
        {"blue stays blue", kBlue,
         [](Colour c) { return Blue(c) == 0xFF && Red(c) == Green(c) && Red(c) < 0xC0; }},
        {"dark green becomes green", kDarkGreen,
         [](Colour c) { return Green(c) > 0x80 && Red(c) == 0 && Blue(c) == 0; }},
        {"navy lines become blue", kNavy,
         [](Colour c) { return Blue(c) == 0xFF && Red(c) == Green(c); }},
        {"black text becomes light grey", 0x000000,
         [](Colour c) { return Red(c) == Green(c) && Green(c) == Blue(c) && Red(c) >= 0xC0; }},
    };
    for (const auto& row : rows) {
        const Colour c = Recolour(Palette::Nuit, row.design, Role::Text);
        EXPECT_TRUE(row.looksRight(c)) << row.what << std::hex << ": " << c;
    }
}

TEST(Recolour, NuitGroundsAreDarkAndKeepTheirTint) {
    const Colour window = Recolour(Palette::Nuit, kLightBlue, Role::Background);
    const Colour field = Recolour(Palette::Nuit, kWhite, Role::Background);
    EXPECT_LT(RelativeLuminance(field), RelativeLuminance(window))
        << "the white fields stand out, darker";
    EXPECT_GT(Blue(window), Red(window)) << "the window is still bluish";
    EXPECT_EQ(Red(field), Blue(field)) << "the fields are neutral";
    EXPECT_NE(Recolour(Palette::Nuit, kLightCyan, Role::ControlFace),
              Recolour(Palette::Nuit, kLightOrange, Role::ControlFace))
        << "the buttons keep their tints apart";
    for (const Role role :
         {Role::Background, Role::ControlFace, Role::ToolTipBackground, Role::MessageBackground}) {
        for (const Colour c :
             {kLightBlue, kWhite, kPink, kLightYellow, kTooltipYellow, kDefaultColour}) {
            EXPECT_LE(RelativeLuminance(Recolour(Palette::Nuit, c, role)), 0.02) << std::hex << c;
        }
    }
}

TEST(Recolour, NuitRougeEmitsOnlyRed) {
    const Colour designs[] = {kLightBlue, kWhite,       kRed,          kBlue,        kNavy,
                              kMagenta,   kDarkGreen,   kPink,         kLightYellow, kTooltipYellow,
                              kLightCyan, kLightOrange, kDefaultColour};
    for (const Role role : kRoles) {
        for (const Colour c : designs) {
            const Colour shown = Recolour(Palette::NuitRouge, c, role);
            EXPECT_EQ(shown & 0x00FFFF, 0u)
                << std::hex << c << " in role " << static_cast<int>(role);
        }
    }
    EXPECT_EQ(Recolour(Palette::NuitRouge, kLightBlue, Role::Background), 0x000000u)
        << "the window is black";
}

TEST(Recolour, NightPalettesNeverLeaveTheToolkitsColour) {
    for (const Palette palette : {Palette::Nuit, Palette::NuitRouge}) {
        for (const Role role : kRoles) {
            EXPECT_NE(Recolour(palette, kDefaultColour, role), kDefaultColour)
                << PaletteName(palette);
        }
    }
}

}  // namespace
}  // namespace ventrose::preferences
