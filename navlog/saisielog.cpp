// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/saisielog.h"

#include <charconv>
#include <cmath>

#include "common/numbers.h"
#include "navlog/lognav.h"
#include "platform/text.h"
#include "platform/user_actions.h"

namespace ventrose::navlog {

namespace {

struct Bornes {
    const char* nom;
    int max;
};

bool isTime(Champ champ) { return champ == Champ::Depart || champ == Champ::HR; }
bool isFuel(Champ champ) {
    return champ == Champ::Carburant || champ == Champ::Conso || champ == Champ::Reserve;
}

Bornes bornesOf(Champ champ) {
    switch (champ) {
        case Champ::Vp: return {"Vp", kVpMax};
        case Champ::Rm: return {"Rm", kRmMax};
        case Champ::D: return {"D", kDMax};
        case Champ::V: return {"V", kVMax};
        case Champ::Vw: return {"Vw", kVwMax};
        case Champ::Carburant: return {"Carburant", static_cast<int>(kMaxCarburant)};
        case Champ::Conso: return {"Consommation", static_cast<int>(kMaxCarburant)};
        case Champ::Reserve: return {"Réserve", static_cast<int>(kMaxCarburant)};
        case Champ::Depart: return {"Départ", 0};
        case Champ::HR: return {"HR", 0};
        case Champ::Repere: return {"Repère", static_cast<int>(kMaxRepere)};
    }
    return {"", 0};
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A time being typed: each character where «HH:MM» has it, within 00:00..23:59.
bool timePrefix(std::string_view text) {
    if (text.size() > 5) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 2 ? text[i] != ':' : !isDigit(text[i])) return false;
    if (!text.empty() && text[0] > '2') return false;
    if (text.size() >= 2 && (text[0] - '0') * 10 + (text[1] - '0') > 23) return false;
    if (text.size() >= 4 && text[3] > '5') return false;
    return true;
}

}  // namespace

std::string RangeText(Champ champ) {
    const Bornes b = bornesOf(champ);
    if (champ == Champ::Repere) return std::string(b.nom) + " : 40 caractères au plus";
    if (isTime(champ)) return std::string(b.nom) + " : de 00:00 à 23:59";
    const int min = champ == Champ::Vp ? kVpMin : 0;
    return std::string(b.nom) + " : de " + std::to_string(min) + " à " + std::to_string(b.max);
}

Lecture LireChamp(Champ champ, std::string_view text) {
    using Etat = Lecture::Etat;
    if (champ == Champ::Repere) {
        const int count = platform::CharacterCount(text);
        return {count <= static_cast<int>(kMaxRepere) ? Etat::Valeur : Etat::Refus, 0, false};
    }
    if (isTime(champ)) {
        if (const auto minutes = LireHeure(text)) return {Etat::Valeur, double(*minutes), false};
        return {timePrefix(text) ? Etat::Incomplet : Etat::Refus, 0, !timePrefix(text)};
    }
    const bool leg =
        champ == Champ::Rm || champ == Champ::D || champ == Champ::V || champ == Champ::Vw;
    if (text.empty()) return {leg || isFuel(champ) ? Etat::Valeur : Etat::Incomplet, 0, false};
    for (char c : text)
        if (!isDigit(c) && !(isFuel(champ) && c == ',')) return {Etat::Refus, 0, true};
    const auto value = common::ParseNumber(text);
    if (!value) {
        // A lone comma or two of them: only the first is on its way to a number.
        const bool lone = text == ",";
        return {lone ? Etat::Incomplet : Etat::Refus, 0, !lone};
    }
    if (*value > bornesOf(champ).max) return {Etat::Refus, *value, false};
    if (champ == Champ::Vp && *value < kVpMin) return {Etat::Incomplet, *value, false};
    return {Etat::Valeur, *value, false};
}

KeyVerdict FiltreTouche(Champ champ, int key, std::string_view text, int selStart, int selLength) {
    if (key == platform::kBackspaceKey) return {key, false, false};
    if (key < 32) return {0, champ != Champ::Repere, false};
    if (champ == Champ::Repere) {
        const int after = platform::CharacterCount(text) - selLength + 1;
        if (after > static_cast<int>(kMaxRepere)) return {0, false, true};
        return {key, false, false};
    }
    // The point key types the decimal comma; the comma key itself is refused, as in the
    // conversions window.
    if (key == ',') return {0, true, false};
    int typed = key;
    if (isFuel(champ) && key == '.') typed = ',';
    const bool allowed = (typed >= '0' && typed <= '9') || (isFuel(champ) && typed == ',') ||
                         (isTime(champ) && typed == ':');
    if (!allowed) return {0, true, false};
    std::string character;
    platform::AppendCodePoint(character, static_cast<char32_t>(typed));
    const std::string after = platform::ReplaceCharacters(text, selStart, selLength, character);
    const Lecture lecture = LireChamp(champ, after);
    if (lecture.etat != Lecture::Etat::Refus) return {typed, false, false};
    // A time refused is out of its range; a number, out of range unless it has two commas.
    const bool outOfRange = isTime(champ) || !lecture.notANumber;
    return {0, !outOfRange, outOfRange};
}

std::string TexteChamp(Champ champ, double valeur) {
    if (isTime(champ)) return HeureText(static_cast<int>(valeur));
    if (!isFuel(champ)) return std::to_string(static_cast<int>(valeur));
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, valeur);
    std::string text(buffer, ec == std::errc{} ? end : buffer);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

}  // namespace ventrose::navlog
