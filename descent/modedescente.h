// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ventrose::descent {

// The three modes of the descent window, each with its computation, option and frame:
// ModeTaux (CalculTaux, optTaux, Frame1), ModeDist (CalculDist, optDist, Frame2) and
// ModeVs (CalculVs, optVs, Frame3).
enum class ModeDescente : std::uint8_t { ModeTaux, ModeDist, ModeVs };

}  // namespace ventrose::descent
