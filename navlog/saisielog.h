// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the log window's boxes accept, key by key and as a whole text. A key is judged on the
// text it would make: a key that cannot belong to the field's kind of number is refused with
// «Il faut entrer un nombre», one that would take the field out of its range with the range
// («Rm : de 0 à 360»). A text on its way to a valid one («1» toward a Vp of 120, «09:» toward a
// time) is accepted and counts for nothing until it is complete.
namespace ventrose::navlog {

// Origine, the route's starting point, is named as a leg's waypoint (Repere) is, by the same rule.
enum class Champ { Vp, Rm, D, V, Vw, Carburant, Conso, Reserve, Depart, HR, Repere, Origine };

// «Rm : de 0 à 360», «Repère : 40 caractères au plus», «De : 40 caractères au plus»; in the
// current language («MC: 0 to 360»).
std::string RangeText(Champ champ);

struct KeyVerdict {
    int key = 0;  // the code to insert (in French the point becomes the comma), 0 when refused
    bool notANumber = false;  // refused: «Il faut entrer un nombre»
    bool outOfRange = false;  // refused: RangeText(champ)
};

// The key typed in a box holding `text` with `selLength` characters selected from `selStart`
// (the caret, when none). Backspace always passes; other control codes are refused as not a
// number in a number box. The waypoint box drops silently every character that
// IsWaypointCharacter refuses, as the file reader would refuse it.
KeyVerdict FiltreTouche(Champ champ, int key, std::string_view text, int selStart, int selLength);

// A whole text read for the log (typed, pasted, deleted): a value in range; nothing when the
// text is on its way to one (empty, «1» for a Vp, «09:» for a time); an error when it can be
// neither. A time is «HH:MM», or its four digits alone, or three for an hour of one digit
// («1012» is 10:12, «946» is 09:46).
struct Lecture {
    enum class Etat { Valeur, Incomplet, Refus } etat = Etat::Incomplet;
    double valeur = 0;  // the number, or the minutes after midnight of a time
    bool notANumber = false;
    bool quiet = false;  // refused without a word: a control character in a waypoint
};
Lecture LireChamp(Champ champ, std::string_view text);

// A figure as its box shows it: whole numbers plainly, fuel in fixed notation with the language's
// decimal mark and as many decimals as it has («100,5», «100000», «0,0001»; «100.5» in
// English), times «HH:MM». A fuel box reads and takes that mark alone: in English the comma key
// is refused as not a number, as any other character that is no part of one.
std::string TexteChamp(Champ champ, double valeur);

}  // namespace ventrose::navlog
