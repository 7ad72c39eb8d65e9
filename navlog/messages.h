// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The phrases that the log's checks share, so that a value out of range reads the same whether
// the file reader or VerifierLog finds it. All in the current language (common::Tr, context
// "LogFile"): French as the code writes it, or English.
namespace ventrose::navlog::detail {

// "Étape 3 : " ("Leg 3: ") for the leg at index 2; what every message about a leg starts with.
std::string OfLeg(std::size_t index);
// What every message about the origin starts with: "Origine : ", "Origin: ".
std::string OfOrigin();
// What every message about the fuel figures starts with: "Carburant : ", "Fuel: ".
std::string OfFuel();

// A key of the file as a message names it: «Rm» in French, “Rm” in English.
std::string Key(std::string_view key);

// «Étape 3 : «Rm» vaut 400, hors de 0 à 360.»
std::string OutOfRange(std::string_view where, std::string_view key, std::string_view value,
                       std::string_view min, std::string_view max);

// A text from the file as a message may quote it (in «» or “”): at most 40 characters, control
// characters shown as '?', and "…" when cut. The text must be valid UTF-8.
std::string Quote(std::string_view text);

// What is wrong with a waypoint's name (not UTF-8, a control character, too long), or nothing.
std::optional<std::string> CheckRepere(std::string_view where, std::string_view repere);

}  // namespace ventrose::navlog::detail
