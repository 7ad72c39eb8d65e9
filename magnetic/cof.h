// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// NOAA's coefficient file (".COF") of a World Magnetic Model: a header line with the epoch, the
// model's name and its release date, one line per degree n and order m with the Gauss
// coefficients g and h (nT) and their yearly changes, then a line of nines.
namespace ventrose::magnetic {

inline constexpr int kDegree = 12;
// Coefficients of degree n and order m (0 <= m <= n <= 12) at index n * (n + 1) / 2 + m.
inline constexpr int kCoefficients = (kDegree + 1) * (kDegree + 2) / 2;

struct Coefficients {
    double epoch = 0;                                            // decimal year
    std::string name;                                            // "WMM-2025"
    std::array<double, kCoefficients> g{}, h{}, gDot{}, hDot{};  // nT and nT per year
};

// Reads a COF text: every line of degree 1 to 12 present once and only those, numbers well
// formed. Nothing on any fault: the one text read comes from the repository, and its test says
// which fault.
std::optional<Coefficients> ReadCof(std::string_view text);

// The World Magnetic Model 2025 (NOAA and the British Geological Survey), compiled in from
// magnetic/WMM2025.COF.
std::string_view Wmm2025CofText();
const Coefficients& Wmm2025();

}  // namespace ventrose::magnetic
