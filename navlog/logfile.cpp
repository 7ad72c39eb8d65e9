// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/logfile.h"

#include <array>
#include <charconv>
#include <cmath>

#include "common/tr.h"

#include "navlog/json.h"
#include "navlog/messages.h"
#include "navlog/utf8.h"

namespace ventrose::navlog {

namespace {

using Kind = JsonValue::Kind;

using common::Arg;
using common::Tr;
using detail::Key;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The units' names in the file, in the order of UniteCarbu.
constexpr std::array<std::string_view, 4> kUnitNames = {"usgal", "l", "lb", "kg"};

struct Refusal {
    std::string message;
};

[[noreturn]] void Refuse(std::string message) { throw Refusal{std::move(message)}; }

// A file that is not a log of ours at all, and why.
[[noreturn]] void RefuseNotOurs(const std::string& why) {
    Refuse(Arg(Tr("LogFile", "Le fichier n'est pas un log Ventrose : %1"), {why}));
}

// `where` ("", "Carburant : ", "Étape 3 : ") then the rest; a message without a place starts
// with a capital (ASCII: French and English sentences here start with one).
std::string Sentence(std::string_view where, std::string_view rest) {
    std::string m(where);
    m += rest;
    if (where.empty() && !m.empty() && m[0] >= 'a' && m[0] <= 'z')
        m[0] = static_cast<char>(m[0] - 'a' + 'A');
    return m;
}

// What a value is, as "«Vp» doit être un nombre, pas %1" names it.
std::string KindName(Kind kind) {
    switch (kind) {
        case Kind::Null: return "null";
        case Kind::Boolean: return Tr("LogFile", "un booléen");
        case Kind::Number: return Tr("LogFile", "un nombre");
        case Kind::String: return Tr("LogFile", "du texte");
        case Kind::Array: return Tr("LogFile", "un tableau");
        case Kind::Object: return Tr("LogFile", "un objet");
    }
    return "";
}

// «%1» doit être %2, pas %3.
std::string MustBe(std::string_view key, std::string_view expected, Kind actual) {
    return Arg(Tr("LogFile", "%1 doit être %2, pas %3."), {Key(key), expected, KindName(actual)});
}

// An optional boolean of the log: false when absent, refused when of another kind.
bool Flag(const JsonValue& object, std::string_view key) {
    const JsonValue* v = object.find(key);
    if (!v) return false;
    if (v->kind != Kind::Boolean) Refuse(MustBe(key, KindName(Kind::Boolean), v->kind));
    return v->boolean;
}

const JsonValue& Field(const JsonValue& object, std::string_view key, std::string_view where) {
    const JsonValue* v = object.find(key);
    if (!v) Refuse(Sentence(where, Arg(Tr("LogFile", "le champ %1 manque."), {Key(key)})));
    return *v;
}

const JsonValue& Typed(const JsonValue& object, std::string_view key, std::string_view where,
                       Kind kind, const std::string& expected) {
    const JsonValue& v = Field(object, key, where);
    if (v.kind != kind) Refuse(Sentence(where, MustBe(key, expected, v.kind)));
    return v;
}

// Whole numbers and ranges are decided on the number's text, exactly: a fraction that the
// nearest double would hide («359.99999999999999999») is still a fraction.
int Whole(const JsonValue& object, std::string_view key, std::string_view where, int min, int max) {
    const JsonValue& v = Typed(object, key, where, Kind::Number, Tr("LogFile", "un nombre entier"));
    if (!IsWholeNumber(v.numberText)) {
        Refuse(Sentence(where, Arg(Tr("LogFile", "%1 vaut %2, pas un nombre entier."),
                                   {Key(key), v.numberText})));
    }
    if (CompareNumber(v.numberText, min) < 0 || CompareNumber(v.numberText, max) > 0) {
        Refuse(
            detail::OutOfRange(where, key, v.numberText, std::to_string(min), std::to_string(max)));
    }
    return static_cast<int>(v.number);
}

// Any number from 0 to kMaxCarburant as its text writes it, read as the nearest double.
double Fuel(const JsonValue& fuel, std::string_view key) {
    const std::string where = detail::OfFuel();
    const JsonValue& v = Typed(fuel, key, where, Kind::Number, KindName(Kind::Number));
    constexpr auto kMax = static_cast<long long>(kMaxCarburant);
    if (CompareNumber(v.numberText, 0) < 0 || CompareNumber(v.numberText, kMax) > 0) {
        Refuse(detail::OutOfRange(where, key, v.numberText, "0", std::to_string(kMax)));
    }
    return v.number;
}

int Time(const JsonValue& v, std::string_view key, std::string_view where) {
    if (v.kind != Kind::String)
        Refuse(Sentence(where, MustBe(key, Tr("LogFile", "une heure «HH:MM»"), v.kind)));
    const std::optional<int> minutes = LireHeure(v.text);
    if (!minutes) {
        Refuse(Sentence(where, Arg(Tr("LogFile",
                                      "%1 vaut %2, pas une heure «HH:MM» de 00:00 à "
                                      "23:59."),
                                   {Key(key), detail::Quote(v.text)})));
    }
    return *minutes;
}

UniteCarbu Unit(const JsonValue& fuel) {
    const std::string where = detail::OfFuel();
    const JsonValue& v = Typed(fuel, "unit", where, Kind::String, KindName(Kind::String));
    for (std::size_t i = 0; i < kUnitNames.size(); ++i) {
        if (v.text == kUnitNames[i]) return static_cast<UniteCarbu>(i);
    }
    Refuse(where + Arg(Tr("LogFile", "%1 vaut %2, pas une des unités «usgal», «l», «lb» ou «kg»."),
                       {Key("unit"), detail::Quote(v.text)}));
}

// A course or a distance. Version 1 had no way to say "not given" but 0, which its window showed
// as an empty box: its 0 reads as not given. From version 2, a figure not given is null or
// absent, and 0 is a 0 given.
std::optional<int> Given(const JsonValue& leg, std::string_view key, std::string_view where,
                         int max, int version) {
    if (version >= 2) {
        const JsonValue* v = leg.find(key);
        if (v == nullptr || v->kind == Kind::Null) return std::nullopt;
    }
    const int value = Whole(leg, key, where, 0, max);
    if (version == 1 && value == 0) return std::nullopt;
    return value;
}

// A number within -limit..limit, judged on its text as every range is.
double Degrees(const JsonValue& object, std::string_view key, std::string_view where, int limit) {
    const JsonValue& v = Typed(object, key, where, Kind::Number, KindName(Kind::Number));
    if (CompareNumber(v.numberText, -limit) < 0 || CompareNumber(v.numberText, limit) > 0) {
        Refuse(detail::OutOfRange(where, key, v.numberText, std::to_string(-limit),
                                  std::to_string(limit)));
    }
    return v.number;
}

// `{"lat": 48.7233, "lon": 2.3794}`, absent or null when there is none.
std::optional<common::LatLon> PlaceOf(const JsonValue& object, std::string_view where) {
    const JsonValue* v = object.find("position");
    if (v == nullptr || v->kind == Kind::Null) return std::nullopt;
    if (v->kind != Kind::Object)
        Refuse(Sentence(where, MustBe("position", KindName(Kind::Object), v->kind)));
    return common::LatLon{Degrees(*v, "lat", where, 90), Degrees(*v, "lon", where, 180)};
}

std::string Waypoint(const JsonValue& object, std::string_view where) {
    std::string name = Typed(object, "waypoint", where, Kind::String, KindName(Kind::String)).text;
    if (auto m = detail::CheckRepere(where, name)) Refuse(std::move(*m));
    return name;
}

Etape Leg(const JsonValue& leg, std::size_t index, int version) {
    const std::string where = detail::OfLeg(index);
    if (leg.kind != Kind::Object) {
        Refuse(where +
               Arg(Tr("LogFile", "l'étape doit être un objet, pas %1."), {KindName(leg.kind)}));
    }
    Etape e;
    e.repere = Waypoint(leg, where);
    e.Rm = Given(leg, "Rm", where, kRmMax, version);
    e.D = Given(leg, "D", where, kDMax, version);
    e.V = Whole(leg, "V", where, 0, kVMax);
    e.Vw = Whole(leg, "Vw", where, 0, kVwMax);
    if (const JsonValue* actual = leg.find("actual"); actual && actual->kind != Kind::Null) {
        e.HR = Time(*actual, "actual", where);
    }
    if (version >= 2) e.position = PlaceOf(leg, where);
    return e;
}

// The version of a file of ours, or a refusal.
int CheckFormat(const JsonValue& root) {
    if (root.kind != Kind::Object)
        RefuseNotOurs(Arg(Tr("LogFile", "le JSON est %1, pas un objet."), {KindName(root.kind)}));
    const JsonValue* format = root.find("format");
    if (!format) RefuseNotOurs(Arg(Tr("LogFile", "le champ %1 manque."), {Key("format")}));
    if (format->kind != Kind::String || format->text != kFormatName)
        RefuseNotOurs(Arg(Tr("LogFile", "%1 n'est pas %2."), {Key("format"), Key(kFormatName)}));
    const JsonValue* version = root.find("version");
    if (!version) RefuseNotOurs(Arg(Tr("LogFile", "le champ %1 manque."), {Key("version")}));
    if (version->kind != Kind::Number)
        RefuseNotOurs(MustBe("version", KindName(Kind::Number), version->kind));
    if (IsWholeNumber(version->numberText)) {
        for (int known = 1; known <= kFormatVersion; ++known)
            if (CompareNumber(version->numberText, known) == 0) return known;
    }
    RefuseNotOurs(Arg(Tr("LogFile", "version %1 inconnue."), {version->numberText}));
}

LogNav Log(const JsonValue& root) {
    const int version = CheckFormat(root);
    LogNav log;
    if (version >= 2) {
        const std::string where = detail::OfOrigin();
        const JsonValue& origin = Typed(root, "origin", "", Kind::Object, KindName(Kind::Object));
        log.origin = Waypoint(origin, where);
        log.originPosition = PlaceOf(origin, where);
    }
    log.Vp = Whole(root, "Vp", "", kVpMin, kVpMax);
    log.departure = Time(Field(root, "departure", ""), "departure", "");
    const JsonValue& fuel = Typed(root, "fuel", "", Kind::Object, KindName(Kind::Object));
    log.fuelUnit = Unit(fuel);
    log.fuelAtDeparture = Fuel(fuel, "atDeparture");
    log.fuelPerHour = Fuel(fuel, "perHour");
    log.finalReserve = Fuel(fuel, "reserve");
    const JsonValue& legs = Typed(root, "legs", "", Kind::Array, KindName(Kind::Array));
    if (legs.items.size() > kMaxEtapes) {
        Refuse(Arg(Tr("LogFile", "Le log a %1 étapes, plus que les %2 permises."),
                   {std::to_string(legs.items.size()), std::to_string(kMaxEtapes)}));
    }
    log.etapes.reserve(legs.items.size());
    for (std::size_t i = 0; i < legs.items.size(); ++i)
        log.etapes.push_back(Leg(legs.items[i], i, version));
    // Optional in every version: a file that does not say them shows the method alone, tops
    // in local time and only by hand.
    log.exactTriangle = Flag(root, "exactTriangle");
    log.heureUTC = Flag(root, "heureUTC");
    log.topAuto = Flag(root, "topAuto");
    return log;
}

std::string Position(const JsonError& e) {
    return Arg(Tr("LogFile", "ligne %1, colonne %2"),
               {std::to_string(e.line), std::to_string(e.column)});
}

// The first byte that is not UTF-8, or nothing.
std::optional<std::size_t> FirstNonUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = detail::Utf8SequenceLength(text, i);
        if (length == 0) return i;
        i += length;
    }
    return std::nullopt;
}

void AppendWhole(std::string& out, int value) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

// ", \"Rm\": 90", or null for a figure not given.
void AppendGiven(std::string& out, std::string_view key, const std::optional<int>& value) {
    out += ", \"";
    out += key;
    out += "\": ";
    if (value) {
        AppendWhole(out, *value);
    } else {
        out += "null";
    }
}

// ", \"position\": {...}", or nothing without one.
void AppendPosition(std::string& out, const std::optional<common::LatLon>& position) {
    if (!position) return;
    out += ", \"position\": {\"lat\": ";
    AppendJsonNumber(out, position->latitude);
    out += ", \"lon\": ";
    AppendJsonNumber(out, position->longitude);
    out += '}';
}

void AppendTime(std::string& out, int minutes) {
    out += '"';
    out += HeureText(minutes);
    out += '"';
}

}  // namespace

std::variant<LogNav, LogError> ReadLog(std::string_view text) {
    if (text.size() > kMaxFichier) {
        return LogError{Arg(Tr("LogFile", "Le fichier est trop gros : %1 octets, pour %2 au plus."),
                            {std::to_string(text.size()), std::to_string(kMaxFichier)})};
    }
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return LogError{Tr("LogFile", "Le fichier est vide.")};
    }
    if (const auto bad = FirstNonUtf8(text)) {
        JsonError where;
        PositionOf(text, *bad, where.line, where.column);
        return LogError{Arg(Tr("LogFile", "Le fichier n'est pas du texte UTF-8 valide (%1)."),
                            {Position(where)})};
    }
    auto parsed = ParseJson(text);
    if (const auto* e = std::get_if<JsonError>(&parsed)) {
        if (e->truncated) {
            return LogError{
                Arg(Tr("LogFile", "Le fichier est tronqué : %1 (%2)."), {e->what, Position(*e)})};
        }
        return LogError{Arg(Tr("LogFile", "Le fichier n'est pas du JSON valide (%1) : %2."),
                            {Position(*e), e->what})};
    }
    try {
        return Log(std::get<JsonValue>(parsed));
    } catch (Refusal& r) {
        return LogError{std::move(r.message)};
    }
}

std::string WriteLog(const LogNav& log) {
    std::string out;
    out.reserve(320 + 160 * log.etapes.size());
    out += "{\n  \"format\": ";
    AppendJsonString(out, kFormatName);
    out += ",\n  \"version\": ";
    AppendWhole(out, kFormatVersion);
    out += ",\n  \"Vp\": ";
    AppendWhole(out, log.Vp);
    out += ",\n  \"departure\": ";
    AppendTime(out, log.departure);
    out += ",\n  \"fuel\": {\"unit\": ";
    const auto unit = static_cast<std::size_t>(log.fuelUnit);
    AppendJsonString(out, unit < kUnitNames.size() ? kUnitNames[unit] : "");
    out += ", \"atDeparture\": ";
    AppendJsonNumber(out, log.fuelAtDeparture);
    out += ", \"perHour\": ";
    AppendJsonNumber(out, log.fuelPerHour);
    out += ", \"reserve\": ";
    AppendJsonNumber(out, log.finalReserve);
    out += "},\n  \"origin\": {\"waypoint\": ";
    AppendJsonString(out, log.origin);
    AppendPosition(out, log.originPosition);
    out += "},\n  \"legs\": [";
    for (std::size_t i = 0; i < log.etapes.size(); ++i) {
        const Etape& e = log.etapes[i];
        out += i == 0 ? "\n    {\"waypoint\": " : ",\n    {\"waypoint\": ";
        AppendJsonString(out, e.repere);
        AppendGiven(out, "Rm", e.Rm);
        AppendGiven(out, "D", e.D);
        out += ", \"V\": ";
        AppendWhole(out, e.V);
        out += ", \"Vw\": ";
        AppendWhole(out, e.Vw);
        if (e.HR) {
            out += ", \"actual\": ";
            AppendTime(out, *e.HR);
        }
        AppendPosition(out, e.position);
        out += '}';
    }
    out += log.etapes.empty() ? "]" : "\n  ]";
    // Only when chosen: a log that does not use them is written as before they existed.
    if (log.exactTriangle) out += ",\n  \"exactTriangle\": true";
    if (log.heureUTC) out += ",\n  \"heureUTC\": true";
    if (log.topAuto) out += ",\n  \"topAuto\": true";
    out += "\n}\n";
    return out;
}

}  // namespace ventrose::navlog
