// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/palette.h"

namespace ventrose::preferences {

namespace {

// ASCII only: the names are ASCII, and a locale's idea of letter case has no say here.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view PaletteName(Palette palette) {
    switch (palette) {
        case Palette::Jour: return "jour";
        case Palette::Nuit: return "nuit";
        case Palette::NuitRouge: return "nuit-rouge";
    }
    return "jour";
}

std::string_view PaletteDisplayName(Palette palette) {
    switch (palette) {
        case Palette::Jour: return "Jour";
        case Palette::Nuit: return "Nuit";
        case Palette::NuitRouge: return "Nuit rouge";
    }
    return "Jour";
}

std::optional<Palette> ParsePalette(std::string_view name) {
    for (const Palette palette : kPalettes) {
        if (SameIgnoringCase(name, PaletteName(palette))) return palette;
    }
    return std::nullopt;
}

}  // namespace ventrose::preferences
