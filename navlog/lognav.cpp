// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/lognav.h"

#include <cmath>

#include "common/format.h"
#include "common/tr.h"
#include "navlog/messages.h"
#include "navlog/utf8.h"

namespace ventrose::navlog {

namespace {

std::string Whole(int value) { return common::FormatWhole(value); }

std::string Fuel(double value) {
    if (std::isnan(value)) return "NaN";
    // "0.###" always writes the mark; a whole number reads better without it.
    std::string text = common::FormatFigure(value, "0.###");
    if (text.ends_with(common::DecimalMark())) text.pop_back();
    return text;
}

std::optional<std::string> CheckWhole(std::string_view where, std::string_view key, int value,
                                      int min, int max) {
    if (value >= min && value <= max) return std::nullopt;
    return detail::OutOfRange(where, key, Whole(value), Whole(min), Whole(max));
}

std::optional<std::string> CheckPosition(std::string_view where,
                                         const std::optional<common::LatLon>& position) {
    if (!position || IsPosition(*position)) return std::nullopt;
    return std::string(where) + common::Tr("LogFile",
                                           "la position n'est pas une latitude de -90 à 90 et "
                                           "une longitude de -180 à 180.");
}

std::optional<std::string> CheckFuel(std::string_view key, double value) {
    // Written so that NaN fails too.
    if (value >= 0 && value <= kMaxCarburant) return std::nullopt;
    return detail::OutOfRange(detail::OfFuel(), key, Fuel(value), "0", Fuel(kMaxCarburant));
}

}  // namespace

std::string_view UniteText(UniteCarbu unite) {
    switch (unite) {
        case UniteCarbu::USGall: return "US Gallons";
        case UniteCarbu::Litres: return "Litres";
        case UniteCarbu::Lbs: return "Lbs";
        case UniteCarbu::Kilo: return "Kilo";
    }
    return "?";
}

Etape NouvelleEtape(const LogNav& log) {
    Etape e;
    if (!log.etapes.empty()) {
        e.V = log.etapes.back().V;
        e.Vw = log.etapes.back().Vw;
    }
    return e;
}

std::optional<std::string> VerifierLog(const LogNav& log) {
    if (auto m = detail::CheckRepere(detail::OfOrigin(), log.origin)) return m;
    if (auto m = CheckPosition(detail::OfOrigin(), log.originPosition)) return m;
    if (auto m = CheckWhole("", "Vp", log.Vp, kVpMin, kVpMax)) return m;
    if (auto m = CheckWhole("", "departure", log.departure, 0, kMinutesParJour - 1)) return m;
    switch (log.fuelUnit) {
        case UniteCarbu::USGall:
        case UniteCarbu::Litres:
        case UniteCarbu::Lbs:
        case UniteCarbu::Kilo: break;
        default:
            return detail::OfFuel() +
                   common::Tr("LogFile", "l'unité n'est pas une des quatre unités de carburant.");
    }
    if (auto m = CheckFuel("atDeparture", log.fuelAtDeparture)) return m;
    if (auto m = CheckFuel("perHour", log.fuelPerHour)) return m;
    if (auto m = CheckFuel("reserve", log.finalReserve)) return m;
    if (log.etapes.size() > kMaxEtapes) {
        return common::Arg(common::Tr("LogFile", "Le log a %1 étapes, plus que les %2 permises."),
                           {std::to_string(log.etapes.size()), std::to_string(kMaxEtapes)});
    }
    for (std::size_t i = 0; i < log.etapes.size(); ++i) {
        const Etape& e = log.etapes[i];
        const std::string where = detail::OfLeg(i);
        if (auto m = detail::CheckRepere(where, e.repere)) return m;
        if (e.Rm) {
            if (auto m = CheckWhole(where, "Rm", *e.Rm, 0, kRmMax)) return m;
        }
        if (e.D) {
            if (auto m = CheckWhole(where, "D", *e.D, 0, kDMax)) return m;
        }
        if (auto m = CheckWhole(where, "V", e.V, 0, kVMax)) return m;
        if (auto m = CheckWhole(where, "Vw", e.Vw, 0, kVwMax)) return m;
        if (e.HR) {
            if (auto m = CheckWhole(where, "actual", *e.HR, 0, kMinutesParJour - 1)) return m;
        }
        if (auto m = CheckPosition(where, e.position)) return m;
    }
    return std::nullopt;
}

bool IsPosition(const common::LatLon& position) {
    // Written so that NaN fails too.
    return position.latitude >= -90 && position.latitude <= 90 && position.longitude >= -180 &&
           position.longitude <= 180;
}

bool IsWaypointCharacter(char32_t c) {
    const bool scalar = c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    return scalar && c >= 0x20 && !(c >= 0x7F && c <= 0x9F);
}

std::optional<std::size_t> Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const std::size_t length = detail::Utf8SequenceLength(text, i);
        if (length == 0) return std::nullopt;
        i += length;
    }
    return count;
}

std::string HeureText(int minutes) {
    const int m = ((minutes % kMinutesParJour) + kMinutesParJour) % kMinutesParJour;
    const int h = m / 60;
    const int mm = m % 60;
    return {static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10), ':',
            static_cast<char>('0' + mm / 10), static_cast<char>('0' + mm % 10)};
}

std::optional<int> LireHeure(std::string_view text) {
    const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    if (text.size() != 5 || text[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4)) {
        return std::nullopt;
    }
    const int h = (text[0] - '0') * 10 + (text[1] - '0');
    const int m = (text[3] - '0') * 10 + (text[4] - '0');
    if (h > 23 || m > 59) return std::nullopt;
    return h * 60 + m;
}

namespace detail {

std::string OfLeg(std::size_t index) {
    return common::Arg(common::Tr("LogFile", "Étape %1 : "), {std::to_string(index + 1)});
}

std::string OfOrigin() { return common::Tr("LogFile", "Origine : "); }

std::string OfFuel() { return common::Tr("LogFile", "Carburant : "); }

std::string Key(std::string_view key) { return common::Arg(common::Tr("LogFile", "«%1»"), {key}); }

std::string OutOfRange(std::string_view where, std::string_view key, std::string_view value,
                       std::string_view min, std::string_view max) {
    return std::string(where) + common::Arg(common::Tr("LogFile", "%1 vaut %2, hors de %3 à %4."),
                                            {Key(key), value, min, max});
}

std::string Quote(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out;
    std::size_t shown = 0;
    std::size_t i = 0;
    while (i < text.size() && shown < kShown) {
        const std::size_t length = Utf8SequenceLength(text, i);
        // A byte that starts no sequence is shown as '?' too, though the callers' texts are
        // valid UTF-8: the message must be printable whatever it is given.
        if (length == 0 || IsControl(text, i, length)) {
            out += '?';
        } else {
            out.append(text.substr(i, length));
        }
        i += length == 0 ? 1 : length;
        ++shown;
    }
    if (i < text.size()) out += "…";
    return common::Arg(common::Tr("LogFile", "«%1»"), {out});
}

std::optional<std::string> CheckRepere(std::string_view where, std::string_view repere) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < repere.size(); ++count) {
        const std::size_t length = Utf8SequenceLength(repere, i);
        if (length == 0) {
            return std::string(where) +
                   common::Tr("LogFile", "le repère n'est pas du texte UTF-8 valide.");
        }
        if (!IsWaypointCharacter(CodePointAt(repere, i, length))) {
            return std::string(where) +
                   common::Tr("LogFile", "le repère contient un caractère de contrôle.");
        }
        i += length;
    }
    if (count > kMaxRepere) {
        return std::string(where) +
               common::Arg(
                   common::Tr("LogFile", "le repère a %1 caractères, plus que les %2 permis."),
                   {std::to_string(count), std::to_string(kMaxRepere)});
    }
    return std::nullopt;
}

}  // namespace detail

}  // namespace ventrose::navlog
