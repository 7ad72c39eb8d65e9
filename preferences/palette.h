// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace ventrose::preferences {

// The colours every window is drawn in. Jour is the designs' own colours; the two night palettes
// are for a pilot flying in a dark room: Nuit keeps each colour's meaning on dark grounds, Nuit
// rouge draws only in red on black so that eyes adapted to the dark stay adapted.
enum class Palette { Jour, Nuit, NuitRouge };

inline constexpr Palette kPalettes[] = {Palette::Jour, Palette::Nuit, Palette::NuitRouge};

// "jour", "nuit", "nuit-rouge": the word written on the command line and in the settings.
std::string_view PaletteName(Palette palette);

// "Jour", "Nuit", "Nuit rouge": what a menu shows.
std::string_view PaletteDisplayName(Palette palette);

// The palette a PaletteName() names, in any letter case ("Nuit-Rouge" too); nullopt for anything
// else, spaces included, so that a mistyped word is reported rather than guessed.
std::optional<Palette> ParsePalette(std::string_view name);

}  // namespace ventrose::preferences
