// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "descent/affichagedescente.h"

namespace ventrose::descent {

// nullptr stands for an absent text, "" for an empty one.
inline std::optional<std::string> Texte(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

inline std::array<bool, 3> Traits(const char* shown) {
    return {shown[0] == '1', shown[1] == '1', shown[2] == '1'};
}

}  // namespace ventrose::descent
