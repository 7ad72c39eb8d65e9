// SPDX-License-Identifier: GPL-3.0-or-later
// X-Plane's .fms flight plans, as X-Plane's developer documentation describes version 1100
// ("Flightplan files - v11 .fms file format") and as X-Plane 8 to 10 wrote version 3:
//
//   I                        I                             (or A: the writer's system, no matter)
//   1100 Version             3 version
//   CYCLE 1710               1                             (two numbers X-Plane does not need)
//   ADEP KGSO                4
//   ADES KRDU                1 KGSO 0 36.097 -79.937       (type ident altitude lat lon)
//   NUMENR 3                 ...
//   1 KGSO ADEP 925.000000 36.097747 -79.937297            (type ident via altitude lat lon)
//
// Fields are separated by spaces or tabs, lines end with LF or CRLF. The position is always the
// latitude and longitude columns: the type code says what the point is, not where.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/tr.h"
#include "flightplan/readers.h"
#include "flightplan/text.h"

namespace ventrose::flightplan::detail {

namespace {

// One non-blank line split at runs of spaces and tabs. Only the first kMaxFields fields are
// kept; `count` tells how many there were, so that a line of a thousand fields costs nothing.
struct Line {
    static constexpr std::size_t kMaxFields = 8;
    int number = 0;
    std::size_t count = 0;
    std::array<std::string_view, kMaxFields> fields{};
};

// Reads the text line by line, never holding more than one.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    std::optional<Line> Next() {
        while (!rest_.empty()) {
            ++number_;
            const auto end = rest_.find('\n');
            std::string_view line = rest_.substr(0, end);
            rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
            Line split;
            split.number = number_;
            while (!line.empty()) {
                while (!line.empty() && IsSpace(line.front())) line.remove_prefix(1);
                std::size_t length = 0;
                while (length < line.size() && !IsSpace(line[length])) ++length;
                if (length > 0) {
                    if (split.count < Line::kMaxFields)
                        split.fields[split.count] = line.substr(0, length);
                    ++split.count;
                }
                line.remove_prefix(length);
            }
            if (split.count > 0) return split;
        }
        return std::nullopt;
    }

private:
    std::string_view rest_;
    int number_ = 0;
};

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

[[noreturn]] void NotAPlan() {
    Refuse(common::Tr("FlightPlan",
                      "Le fichier n'est pas un plan de vol reconnu : il n'est ni du XML "
                      "(FlightGear, Little Navmap, MSFS, GPX) ni un plan X-Plane (.fms "
                      "commençant par «I» ou «A» puis la version)."));
}

// One waypoint line: `fields` are type, ident, [via,] altitude, latitude, longitude.
void Waypoint(Plan& plan, const Line& line, bool withVia) {
    const std::size_t expected = withVia ? 6 : 5;
    if (line.count != expected) {
        RefuseAt(line.number,
                 common::Arg(withVia ? common::Tr("FlightPlan",
                                                  "un point a %1 champs, pour %2 (type, "
                                                  "identifiant, via, altitude, latitude, "
                                                  "longitude).")
                                     : common::Tr("FlightPlan",
                                                  "un point a %1 champs, pour %2 (type, "
                                                  "identifiant, altitude, latitude, longitude)."),
                             {std::to_string(line.count), std::to_string(expected)}));
    }
    const auto type = ReadWhole(line.fields[0]);
    if (!type || *type < 0) {
        RefuseAt(line.number,
                 common::Arg(common::Tr("FlightPlan",
                                        "le type de point %1 n'est pas un nombre entier positif."),
                             {Quote(line.fields[0])}));
    }
    const std::string_view altitude = line.fields[expected - 3];
    if (!ReadNumber(altitude)) {
        RefuseAt(line.number,
                 common::Arg(common::Tr("FlightPlan", "l'altitude %1 n'est pas un nombre."),
                             {Quote(altitude)}));
    }
    const common::LatLon position =
        CheckedPosition(line.fields[expected - 2], line.fields[expected - 1], line.number);
    // Type 0 is "no point": version 3 files close with "0 ---- 0 0.000000 0.000000".
    if (*type == 0) return;
    AddPoint(plan, line.fields[1], "", position);
}

Plan Version3(LineReader& lines) {
    Plan plan;
    plan.format = Format::XPlane3;
    // Two counters follow the version (the next waypoint to enter and the one shown): read as
    // numbers only, since writers disagree on their meaning.
    for (int i = 0; i < 2; ++i) {
        const auto line = lines.Next();
        if (!line) {
            Refuse(
                common::Tr("FlightPlan", "Le fichier est tronqué : il s'arrête avant ses points."));
        }
        if (line->count != 1 || !ReadWhole(line->fields[0])) {
            RefuseAt(line->number, common::Tr("FlightPlan",
                                              "un nombre seul était attendu, comme X-Plane "
                                              "l'écrit après «3 version»."));
        }
    }
    while (const auto line = lines.Next()) Waypoint(plan, *line, false);
    return plan;
}

Plan Version1100(LineReader& lines) {
    Plan plan;
    plan.format = Format::XPlane1100;
    // The header's keywords (CYCLE, ADEP, DEP, DEPRWY, SID, SIDTRANS, ADES, DES, DESRWY, STAR,
    // STARTRANS, APP, APPTRANS) name procedures this log does not fly; only NUMENR matters.
    int count = -1;
    while (const auto line = lines.Next()) {
        const std::string_view key = line->fields[0];
        if (key.front() >= '0' && key.front() <= '9') {
            RefuseAt(line->number,
                     common::Tr("FlightPlan",
                                "la ligne «NUMENR» qui compte les points manque avant eux."));
        }
        if (key == "NUMENR") {
            const auto n = line->count == 2 ? ReadWhole(line->fields[1]) : std::nullopt;
            if (!n || *n < 0) {
                RefuseAt(line->number,
                         common::Tr("FlightPlan", "«NUMENR» doit être suivi du nombre de points."));
            }
            if (static_cast<std::size_t>(*n) > kMaxPoints) {
                Refuse(common::Arg(common::Tr("FlightPlan", "Le plan a plus de %1 points."),
                                   {std::to_string(kMaxPoints)}));
            }
            count = *n;
            break;
        }
    }
    if (count < 0) {
        Refuse(common::Tr("FlightPlan",
                          "Le fichier est tronqué : la ligne «NUMENR» et les points manquent."));
    }
    for (int i = 0; i < count; ++i) {
        const auto line = lines.Next();
        if (!line) {
            Refuse(common::Arg(common::Tr("FlightPlan",
                                          "Le fichier est tronqué : NUMENR annonce "
                                          "%1 points, le fichier en donne %2."),
                               {std::to_string(count), std::to_string(i)}));
        }
        Waypoint(plan, *line, true);
    }
    if (const auto extra = lines.Next()) {
        RefuseAt(extra->number,
                 common::Arg(common::Tr("FlightPlan",
                                        "ligne en trop après les %1 points que NUMENR annonce."),
                             {std::to_string(count)}));
    }
    return plan;
}

}  // namespace

Plan ReadXPlane(std::string_view text) {
    LineReader lines(text);
    const auto first = lines.Next();
    if (!first || first->count != 1 || (first->fields[0] != "I" && first->fields[0] != "A")) {
        NotAPlan();
    }
    const auto version = lines.Next();
    if (!version)
        Refuse(common::Tr("FlightPlan", "Le fichier est tronqué : il s'arrête après «I»."));
    if (version->count != 2 || !EqualsNoCase(version->fields[1], "version")) NotAPlan();
    if (version->fields[0] == "3") return Version3(lines);
    if (version->fields[0] == "1100") return Version1100(lines);
    RefuseAt(version->number,
             common::Arg(common::Tr("FlightPlan",
                                    "la version %1 d'X-Plane est inconnue : seules les versions 3 "
                                    "et 1100 sont lues."),
                         {Quote(version->fields[0])}));
}

}  // namespace ventrose::flightplan::detail
