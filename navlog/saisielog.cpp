// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/saisielog.h"

#include <charconv>
#include <cmath>

#include "common/numbers.h"
#include "common/tr.h"
#include "navlog/lognav.h"
#include "navlog/messages.h"
#include "platform/text.h"
#include "platform/user_actions.h"

namespace ventrose::navlog {

namespace {

bool isTime(Champ champ) { return champ == Champ::Depart || champ == Champ::HR; }
bool isName(Champ champ) { return champ == Champ::Repere || champ == Champ::Origine; }
bool isFuel(Champ champ) {
    return champ == Champ::Carburant || champ == Champ::Conso || champ == Champ::Reserve;
}

int maxOf(Champ champ) {
    switch (champ) {
        case Champ::Vp: return kVpMax;
        case Champ::Rm: return kRmMax;
        case Champ::D: return kDMax;
        case Champ::V: return kVMax;
        case Champ::Vw: return kVwMax;
        case Champ::Carburant:
        case Champ::Conso:
        case Champ::Reserve: return static_cast<int>(kMaxCarburant);
        case Champ::Depart:
        case Champ::HR: return 0;
        case Champ::Repere:
        case Champ::Origine: return static_cast<int>(kMaxRepere);
    }
    return 0;
}

// The field as its range message names it, in the window's words. The messages have a context of
// their own: the English there can name a field in full where its caption must be short.
std::string nameOf(Champ champ) {
    switch (champ) {
        case Champ::Vp: return common::Tr("SaisieLog", "Vp");
        case Champ::Rm: return common::Tr("SaisieLog", "Rm");
        case Champ::D: return common::Tr("SaisieLog", "D");
        case Champ::V: return common::Tr("SaisieLog", "V");
        case Champ::Vw: return common::Tr("SaisieLog", "Vw");
        case Champ::Carburant: return common::Tr("SaisieLog", "Carburant");
        case Champ::Conso: return common::Tr("SaisieLog", "Consommation");
        case Champ::Reserve: return common::Tr("SaisieLog", "Réserve");
        case Champ::Depart: return common::Tr("SaisieLog", "Départ");
        case Champ::HR: return common::Tr("SaisieLog", "HR");
        case Champ::Repere: return common::Tr("SaisieLog", "Repère");
        case Champ::Origine: return common::Tr("SaisieLog", "De");
    }
    return {};
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A time as typed: «HH:MM», colon included, or its digits alone, «HHMM» or «HMM» («1012» is
// 10:12, «946» is 09:46). Each character must keep the text on its way to a time of 00:00..23:59.
Lecture::Etat timeReading(std::string_view text) {
    using Etat = Lecture::Etat;
    if (text.empty()) return Etat::Incomplet;
    if (LireHeure(text)) return Etat::Valeur;
    const auto d = [&](std::size_t i) { return text[i] - '0'; };
    if (text.size() > 2 && text[2] == ':') {
        // «HH:» and «HH:M», on their way to «HH:MM».
        if (text.size() > 4 || !isDigit(text[0]) || !isDigit(text[1])) return Etat::Refus;
        if (d(0) * 10 + d(1) > 23) return Etat::Refus;
        return text.size() == 3 || (isDigit(text[3]) && d(3) <= 5) ? Etat::Incomplet : Etat::Refus;
    }
    for (char c : text)
        if (!isDigit(c)) return Etat::Refus;
    // Digits alone, read as «HMM» or «HHMM» once there are three or four of them.
    const bool hours = text.size() < 2 || d(0) * 10 + d(1) <= 23;  // «HH» may still come
    switch (text.size()) {
        case 1: return Etat::Incomplet;
        case 2: return hours || d(1) <= 5 ? Etat::Incomplet : Etat::Refus;
        case 3:
            if (d(1) <= 5) return Etat::Valeur;
            return hours && d(2) <= 5 ? Etat::Incomplet : Etat::Refus;
        case 4: return hours && d(2) <= 5 ? Etat::Valeur : Etat::Refus;
        default: return Etat::Refus;
    }
}

// The minutes after midnight of a text timeReading takes as a time.
int timeMinutes(std::string_view text) {
    if (const auto minutes = LireHeure(text)) return *minutes;
    int digits = 0;
    for (char c : text) digits = digits * 10 + (c - '0');
    return digits / 100 * 60 + digits % 100;
}

}  // namespace

std::string RangeText(Champ champ) {
    const std::string name = nameOf(champ);
    if (isName(champ))
        return common::Arg(common::Tr("SaisieLog", "%1 : 40 caractères au plus"), {name});
    if (isTime(champ)) return common::Arg(common::Tr("SaisieLog", "%1 : de 00:00 à 23:59"), {name});
    const int min = champ == Champ::Vp ? kVpMin : 0;
    return common::Arg(common::Tr("SaisieLog", "%1 : de %2 à %3"),
                       {name, std::to_string(min), std::to_string(maxOf(champ))});
}

Lecture LireChamp(Champ champ, std::string_view text) {
    using Etat = Lecture::Etat;
    if (isName(champ)) {
        // The box never holds a control character (its keys and a paste leave none): one set
        // in by other means is refused without a word, as its key would have been.
        if (const auto fault = detail::CheckRepere("", text))
            return {Etat::Refus, 0, false, Utf8Length(text).value_or(0) <= kMaxRepere};
        return {Etat::Valeur, 0, false};
    }
    if (isTime(champ)) {
        const Etat etat = timeReading(text);
        if (etat == Etat::Valeur) return {etat, double(timeMinutes(text)), false};
        return {etat, 0, etat == Etat::Refus};
    }
    const bool leg =
        champ == Champ::Rm || champ == Champ::D || champ == Champ::V || champ == Champ::Vw;
    if (text.empty()) return {leg || isFuel(champ) ? Etat::Valeur : Etat::Incomplet, 0, false};
    // The fuel's decimals after the language's mark: the comma in French, the point in English.
    const char mark = common::DecimalMark();
    for (char c : text)
        if (!isDigit(c) && !(isFuel(champ) && c == mark)) return {Etat::Refus, 0, true};
    const auto value = common::ParseNumber(text);
    if (!value) {
        // A lone mark or two of them: only the first is on its way to a number.
        const bool lone = text.size() == 1 && text[0] == mark;
        return {lone ? Etat::Incomplet : Etat::Refus, 0, !lone};
    }
    if (*value > maxOf(champ)) return {Etat::Refus, *value, false};
    if (champ == Champ::Vp && *value < kVpMin) return {Etat::Incomplet, *value, false};
    return {Etat::Valeur, *value, false};
}

KeyVerdict FiltreTouche(Champ champ, int key, std::string_view text, int selStart, int selLength) {
    if (key == platform::kBackspaceKey) return {key, false, false};
    if (isName(champ)) {
        // What the file reader would refuse, the key refuses: control characters go unseen.
        if (key < 0 || !IsWaypointCharacter(static_cast<char32_t>(key))) return {0, false, false};
        const int after = platform::CharacterCount(text) - selLength + 1;
        if (after > static_cast<int>(kMaxRepere)) return {0, false, true};
        return {key, false, false};
    }
    if (key < 32) return {0, true, false};
    // In French the fuel boxes' point key types the decimal comma, and so does the comma key: the
    // window shows commas, and a pilot types either. In English the point is the mark, and the
    // comma, a thousands separator there, is no part of a number the boxes take.
    const char mark = common::DecimalMark();
    int typed = key;
    if (isFuel(champ) && mark == ',' && key == '.') typed = ',';
    const bool allowed = (typed >= '0' && typed <= '9') || (isFuel(champ) && typed == mark) ||
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
    // Fixed notation, never «1e+05»: the shortest digits that read back as the value, as a
    // person types them. A fuel figure is at most 100000, so the longest is a tiny one (5e-324
    // takes 326 characters), which the box reads back like any other.
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, valeur, std::chars_format::fixed);
    std::string text(buffer, ec == std::errc{} ? end : buffer);
    const char mark = common::DecimalMark();
    for (char& c : text)
        if (c == '.') c = mark;
    return text;
}

}  // namespace ventrose::navlog
