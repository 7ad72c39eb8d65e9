// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace ventrose::conversions {

// The key filter of the conversion boxes, on one key alone (not on the text already typed): the
// code to insert, or nullopt for a key that cannot belong to a number, which the window refuses
// with its message. Digits and Backspace pass, '.' types the language's decimal mark (the comma
// in French, the point in English) and '-' passes in the temperature box only. The ',' key itself
// is refused in both languages: the point key is the decimal key here.
std::optional<int> FilterKey(int keyAscii, bool minusAllowed);

}  // namespace ventrose::conversions
