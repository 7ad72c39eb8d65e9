// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

namespace ventrose::descent {

// The texts that one computation produces for its mode's labels. An absent text leaves its
// label as it is, which is not the same as writing an empty text.
struct AffichageDescente {
    std::string TexteAlt{};
    std::array<bool, 3> Traits{};  // strokes 1, 2 and 3 of the trend sign
    std::optional<std::string> TitreVario{};
    std::optional<std::string> TextePente{};
    std::optional<std::string> TextePenteDeg{};
    std::optional<std::string> TexteResultat{};
    std::optional<std::string> TexteTsv{};
    // The vertical-speed input was forced to 0 (level change); the window moves its bar to 0.
    bool VzAZero = false;
};

// What a quantity that cannot be computed shows.
inline constexpr const char* kSansValeur = "???";

}  // namespace ventrose::descent
