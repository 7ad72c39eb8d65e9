// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/palette.h"

#include <gtest/gtest.h>

#include <string>

namespace ventrose::preferences {
namespace {

TEST(PaletteNames, EachPaletteHasItsWordAndItsMenuName) {
    const struct {
        Palette palette;
        std::string name;
        std::string displayName;
    } rows[] = {
        {Palette::Jour, "jour", "Jour"},
        {Palette::Nuit, "nuit", "Nuit"},
        {Palette::NuitRouge, "nuit-rouge", "Nuit rouge"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PaletteName(row.palette), row.name);
        EXPECT_EQ(PaletteDisplayName(row.palette), row.displayName);
        EXPECT_EQ(ParsePalette(row.name), row.palette) << row.name;
    }
}

TEST(ParsePalette, TakesAnyLetterCaseAndNothingElse) {
    const struct {
        const char* what;
        std::string text;
        std::optional<Palette> expected;
    } rows[] = {
        {"capitals", "NUIT", Palette::Nuit},
        {"mixed case with the dash", "Nuit-Rouge", Palette::NuitRouge},
        {"the menu name is not the word", "Nuit rouge", std::nullopt},
        {"underscore for the dash", "nuit_rouge", std::nullopt},
        {"leading space", " jour", std::nullopt},
        {"trailing space", "jour ", std::nullopt},
        {"prefix of a name", "nui", std::nullopt},
        {"empty", "", std::nullopt},
        {"another colour", "bleu", std::nullopt},
        {"a NUL inside", std::string("jour\0", 5), std::nullopt},
        {"non-ASCII capital", "JOUR\xC3\x89", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(ParsePalette(row.text), row.expected) << row.what;
}

}  // namespace
}  // namespace ventrose::preferences
