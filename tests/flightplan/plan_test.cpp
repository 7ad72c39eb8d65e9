// SPDX-License-Identifier: GPL-3.0-or-later
#include "flightplan/plan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <variant>

namespace ventrose::flightplan {
namespace {

std::string File(const std::string& name) {
    std::ifstream in(std::string(VENTROSE_PLANS_DIR) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

Plan Read(const std::string& bytes) {
    auto read = ReadPlan(bytes);
    if (auto* e = std::get_if<PlanError>(&read)) ADD_FAILURE() << e->message;
    return std::holds_alternative<Plan>(read) ? std::get<Plan>(read) : Plan{};
}

std::string Refusal(const std::string& bytes) {
    const auto read = ReadPlan(bytes);
    return std::holds_alternative<PlanError>(read) ? std::get<PlanError>(read).message : "(read)";
}

// One export per format, shaped as its planner writes it (see the files' comments in the
// readers): what matters is which points come out, in order, with or without a position.
struct Export {
    const char* file;
    Format format;
    const char* points;  // ident or name of each point, '*' after those without a position
    Waypoint sample;     // one point read in full
    std::size_t sampleIndex;
};

std::string Points(const Plan& plan) {
    std::string text;
    for (const Waypoint& p : plan.points) {
        if (!text.empty()) text += ' ';
        text += p.ident.empty() ? p.name : p.ident;
        if (!p.position) text += '*';
    }
    return text;
}

TEST(ReadPlan, ReadsEachPlannersExport) {
    const Export rows[] = {
        {"kgso-krdu.fms",
         Format::XPlane1100,
         "KGSO BAWDS LIB +35.900_-78.950 MAYOS KRDU",
         {"LIB", "", common::LatLon{36.072194, -79.176778}, {}},
         2},
        {"eddm-ekch.fms",
         Format::XPlane3,
         "EDDM KEM GL DETKO EKCH",
         {"DETKO", "", common::LatLon{55.883333, 10.316667}, {}},
         3},
        {"lfpo-lfly.fgfp",
         Format::FlightGear,
         "RW06* (1500)* VECTORS* MELUN WP-SENS DISCONTINUITY* MTL LFLY*",
         {"LFLY", "", std::nullopt, WhyNoPosition::AirportCode},
         7},
        {"kykm-cylw.lnmpln",
         Format::LittleNavmap,
         "KYKM USERPT DIABO CYLW",
         {"USERPT", "User defined point", common::LatLon{47.676601, -120.848}, {}},
         1},
        {"ksea-kpdx.pln",
         Format::Msfs,
         "KSEA OLM Castle Rock KPDX",
         {"", "Castle Rock", common::LatLon{46 + 16 / 60.0 + 30 / 3600.0, -(122 + 54 / 60.0)}, {}},
         2},
        {"lfpn-lfrn.gpx",
         Format::Gpx,
         "LFPN Chartres Le Mans Arnage LFRN",
         {"", "Chartres", common::LatLon{48.316667, 1.466667}, {}},
         1},
        {"waypoints-1.0.gpx",
         Format::Gpx,
         "YSSY YSCB YMML",
         {"", "YMML", common::LatLon{-37.673333, 144.843333}, {}},
         2},
    };
    for (const Export& r : rows) {
        const Plan plan = Read(File(r.file));
        EXPECT_EQ(plan.format, r.format) << r.file;
        EXPECT_EQ(Points(plan), r.points) << r.file;
        ASSERT_LT(r.sampleIndex, plan.points.size()) << r.file;
        const Waypoint& p = plan.points[r.sampleIndex];
        EXPECT_EQ(p.ident, r.sample.ident) << r.file;
        EXPECT_EQ(p.name, r.sample.name) << r.file;
        EXPECT_EQ(p.position.has_value(), r.sample.position.has_value()) << r.file;
        if (p.position && r.sample.position) {
            EXPECT_NEAR(p.position->latitude, r.sample.position->latitude, 1e-9) << r.file;
            EXPECT_NEAR(p.position->longitude, r.sample.position->longitude, 1e-9) << r.file;
        }
        if (!p.position) {
            EXPECT_EQ(p.why, r.sample.why) << r.file;
        }
    }
}

TEST(ReadPlan, SaysWhyFlightGearPointsHaveNoPosition) {
    const Plan plan = Read(File("lfpo-lfly.fgfp"));
    ASSERT_EQ(plan.points.size(), 8u);
    EXPECT_EQ(plan.points[0].why, WhyNoPosition::Runway);
    EXPECT_EQ(plan.points[1].why, WhyNoPosition::HeadingToAltitude);
    EXPECT_EQ(plan.points[2].why, WhyNoPosition::Vectors);
    EXPECT_EQ(plan.points[5].why, WhyNoPosition::Discontinuity);
}

std::string Fms(const std::string& points, int count) {
    return "I\n1100 Version\nCYCLE 2501\nADEP LFPO\nADES LFLY\nNUMENR " + std::to_string(count) +
           "\n" + points;
}

std::string Gpx(const std::string& inside) {
    return "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\">\n" +
           inside + "</gpx>\n";
}

std::string ManyPoints(int count) {
    std::string points;
    for (int i = 0; i < count; ++i) points += "<wpt lat=\"45\" lon=\"5\"/>\n";
    return Gpx(points);
}

// Each class of bad file once, with what its message must say.
TEST(ReadPlan, RefusesEachKindOfBadFile) {
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } rows[] = {
        {"empty", " \r\n\t", "Le fichier est vide."},
        {"binary", std::string("I\n1100 Version\n\0\0\x01", 18), "c'est un fichier binaire"},
        {"not UTF-8, with its line", "I\n3 version\n1\n1\n1 \xE9T 0 1 2\n",
         "Ligne 5 : le fichier n'est pas du texte UTF-8 valide."},
        {"UTF-16", "\xFF\xFE<\0?\0", "UTF-16"},
        {"too big", std::string(kMaxPlanBytes + 1, ' '), "trop gros : 1048577 octets"},
        {"neither XML nor X-Plane", "PLAN\nLFPO LFLY\n", "pas un plan de vol reconnu"},
        {"XML of another kind", "<html><body/></html>", "son élément racine est <html>"},
        {"an unknown X-Plane version", "I\n1200 Version\n", "Ligne 2 : la version «1200»"},
        {"X-Plane, cut short", Fms("1 LFPO ADEP 291 48.72 2.38\n", 3),
         "tronqué : NUMENR annonce 3 points, le fichier en donne 1"},
        {"X-Plane, a field missing", Fms("1 LFPO ADEP 291 48.72\n", 1), "Ligne 7 : un point a 5"},
        {"X-Plane, a latitude not a number", Fms("1 LFPO ADEP 291 48,72 2.38\n", 1),
         "Ligne 7 : la latitude «48,72» n'est pas un nombre."},
        {"a latitude out of range", Fms("1 LFPO ADEP 291 95 2.38\n", 1),
         "Ligne 7 : la latitude vaut 95, hors de -90 à 90."},
        {"a longitude not finite", Gpx("<wpt lat=\"1\" lon=\"1e999\"/>"),
         "Ligne 3 : la longitude «1e999» n'est pas un nombre."},
        {"XML cut short", "<?xml version=\"1.0\"?>\n<gpx>\n<rte><rtept lat=\"1\" lon=\"2\"/>\n",
         "Ligne 4 : le fichier est tronqué : l'élément <rte> ouvert ligne 3 n'est pas fermé."},
        {"XML not well-formed", Gpx("<rte></wpt>"),
         "le fichier n'est pas du XML valide : balise fermante </wpt> trouvée, </rte> attendue"},
        {"an XML bomb",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n <!ENTITY lol2 "
         "\"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n]>\n<gpx>&lol2;</gpx>",
         "Ligne 2 : le fichier n'est pas du XML valide : une déclaration DOCTYPE avec des "
         "déclarations internes"},
        {"an entity never declared", Gpx("<wpt lat=\"1\" lon=\"1\"><name>&lol;</name></wpt>"),
         "l'entité «&lol;» est inconnue"},
        {"an MSFS plan without positions",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"KDPA\"><ICAO><ICAOIdent>"
         "KDPA</ICAOIdent></ICAO></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "Ce plan MSFS ne donne la position d'aucun de ses points : exportez-le de votre "
         "planificateur avec les positions"},
        {"an MSFS position of another shape",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"A\"><WorldPosition>"
         "47.5,-122.3,+0</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "n'est pas de la forme N47° 26' 2.96\""},
        {"an empty route", Gpx("<rte><name>Vide</name></rte>"), "Le plan ne contient aucun point."},
        {"over 1000 points", ManyPoints(1001), "Le plan a plus de 1000 points."},
    };
    for (const auto& r : rows) {
        const std::string message = Refusal(r.bytes);
        EXPECT_NE(message.find(r.message), std::string::npos)
            << r.name << ": " << message << "\n  expected to contain: " << r.message;
    }
    EXPECT_EQ(Refusal(ManyPoints(1000)), "(read)");
}

// Writers that compute seconds naively print 59.9999 as «60.00»: that is the next minute.
TEST(ReadPlan, TakesSixtySecondsAsTheNextMinute) {
    const Plan plan = Read(
        "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"A\"><WorldPosition>"
        "N47\xC2\xB0 47' 60.00\",W2\xC2\xB0 53' 60.00\",+005500.00</WorldPosition>"
        "</ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>");
    ASSERT_EQ(plan.points.size(), 1u);
    EXPECT_NEAR(plan.points[0].position->latitude, 47.8, 1e-12);
    EXPECT_NEAR(plan.points[0].position->longitude, -2.9, 1e-12);
}

// A name may carry any character the file can encode; the log takes none that would move the
// caret or ring a bell.
TEST(ReadPlan, CleansNamesOfControlCharacters) {
    const Plan plan =
        Read(Gpx("<wpt lat=\"1\" lon=\"2\"><name>\n  Le&#9;Bourget&#x85;\xC2\x9F"
                 "Nord&#x7F; \n</name></wpt>"));
    ASSERT_EQ(plan.points.size(), 1u);
    EXPECT_EQ(plan.points[0].name, "Le Bourget Nord");
}

}  // namespace
}  // namespace ventrose::flightplan
