// SPDX-License-Identifier: GPL-3.0-or-later
#include "flightplan/plan.h"
#include "common/tr.h"

#include <cmath>
#include <utility>

#include "flightplan/readers.h"
#include "flightplan/text.h"
#include "flightplan/xml.h"

namespace ventrose::flightplan {

namespace {

using namespace detail;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A text file holds no control character but tab, line feed and carriage return (and form feed,
// which some editors leave): anything else, a NUL above all, is a binary file.
bool LooksBinary(std::string_view text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || u == 0x7F) {
            return true;
        }
    }
    return false;
}

Plan ReadXml(std::string_view text) {
    auto parsed = ParseXml(text);
    if (auto* e = std::get_if<XmlError>(&parsed)) {
        if (e->truncated) {
            RefuseAt(e->line, common::Arg(common::Tr("FlightPlan", "le fichier est tronqué : %1."),
                                          {e->what}));
        }
        RefuseAt(e->line,
                 common::Arg(common::Tr("FlightPlan", "le fichier n'est pas du XML valide : %1."),
                             {e->what}));
    }
    const XmlDocument& document = std::get<XmlDocument>(parsed);
    const std::string_view root = document.Root().LocalName();
    if (root == "PropertyList") return ReadFlightGear(document);
    if (root == "LittleNavmap") return ReadLittleNavmap(document);
    if (root == "SimBase.Document") return ReadMsfs(document);
    if (root == "gpx") return ReadGpx(document);
    Refuse(common::Arg(
        common::Tr("FlightPlan",
                   "Le fichier est du XML, mais pas un plan de vol connu : son élément racine est "
                   "<%1>, pour <PropertyList> (FlightGear), <LittleNavmap>, <SimBase.Document> "
                   "(MSFS) ou <gpx>."),
        {FirstCodePoints(CleanName(document.Root().name), 40)}));
}

Plan Read(std::string_view bytes) {
    if (bytes.size() > kMaxPlanBytes) {
        Refuse(common::Arg(
            common::Tr("FlightPlan", "Le fichier est trop gros : %1 octets, pour %2 au plus."),
            {std::to_string(bytes.size()), std::to_string(kMaxPlanBytes)}));
    }
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        Refuse(common::Tr("FlightPlan",
                          "Le fichier est en UTF-16 : enregistrez-le en UTF-8 pour l'importer."));
    }
    std::string_view text = bytes;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (Trim(text).empty()) Refuse(common::Tr("FlightPlan", "Le fichier est vide."));
    if (LooksBinary(text)) {
        Refuse(common::Tr("FlightPlan",
                          "Le fichier n'est pas un plan de vol : c'est un fichier binaire."));
    }
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            RefuseAt(LineOf(text, i),
                     common::Tr("FlightPlan", "le fichier n'est pas du texte UTF-8 valide."));
        }
        i += length;
    }
    Plan plan = Trim(text).front() == '<' ? ReadXml(text) : ReadXPlane(text);
    if (plan.points.empty()) Refuse(common::Tr("FlightPlan", "Le plan ne contient aucun point."));
    return plan;
}

}  // namespace

namespace detail {

common::LatLon CheckedPosition(std::string_view latitude, std::string_view longitude, int line) {
    const auto lat = ReadNumber(latitude);
    if (!lat) {
        RefuseAt(line, common::Arg(common::Tr("FlightPlan", "la latitude %1 n'est pas un nombre."),
                                   {Quote(latitude)}));
    }
    const auto lon = ReadNumber(longitude);
    if (!lon) {
        RefuseAt(line, common::Arg(common::Tr("FlightPlan", "la longitude %1 n'est pas un nombre."),
                                   {Quote(longitude)}));
    }
    if (*lat < -90 || *lat > 90) {
        RefuseAt(line,
                 common::Arg(common::Tr("FlightPlan", "la latitude vaut %1, hors de -90 à 90."),
                             {latitude}));
    }
    if (*lon < -180 || *lon > 180) {
        RefuseAt(line,
                 common::Arg(common::Tr("FlightPlan", "la longitude vaut %1, hors de -180 à 180."),
                             {longitude}));
    }
    return {*lat, *lon};
}

common::LatLon CheckedPosition(double latitude, double longitude, int line) {
    if (!std::isfinite(latitude) || latitude < -90 || latitude > 90) {
        RefuseAt(line, common::Tr("FlightPlan", "la latitude est hors de -90 à 90."));
    }
    if (!std::isfinite(longitude) || longitude < -180 || longitude > 180) {
        RefuseAt(line, common::Tr("FlightPlan", "la longitude est hors de -180 à 180."));
    }
    return {latitude, longitude};
}

void AddPoint(Plan& plan, std::string_view ident, std::string_view name,
              std::optional<common::LatLon> position, WhyNoPosition why) {
    if (plan.points.size() >= kMaxPoints) {
        Refuse(common::Arg(common::Tr("FlightPlan", "Le plan a plus de %1 points."),
                           {std::to_string(kMaxPoints)}));
    }
    Waypoint point;
    point.ident = CleanName(ident);
    point.name = CleanName(name);
    point.position = position;
    point.why = position ? WhyNoPosition::NotInFile : why;
    plan.points.push_back(std::move(point));
}

}  // namespace detail

std::variant<Plan, PlanError> ReadPlan(std::string_view bytes) {
    try {
        return Read(bytes);
    } catch (Refusal& r) {
        return PlanError{std::move(r.message)};
    }
}

std::string_view FormatName(Format format) {
    switch (format) {
        case Format::XPlane3: return "X-Plane (.fms version 3)";
        case Format::XPlane1100: return "X-Plane (.fms version 1100)";
        case Format::FlightGear: return "FlightGear";
        case Format::LittleNavmap: return "Little Navmap (.lnmpln)";
        case Format::Msfs: return "Microsoft Flight Simulator (.pln)";
        case Format::Gpx: return "GPX";
    }
    return "";
}

}  // namespace ventrose::flightplan
