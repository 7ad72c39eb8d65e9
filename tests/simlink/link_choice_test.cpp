// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/link_choice.h"

#include <gtest/gtest.h>

#include <string>

namespace ventrose::simlink {
namespace {

TEST(LinkChoice, ReadsEachWayOfWritingALink) {
    const struct {
        const char* text;
        std::optional<LinkChoice> choice;
    } rows[] = {
        {"aucun", std::nullopt},
        {"AUCUN", std::nullopt},
        {"xplane", LinkChoice{Simulator::XPlane, "127.0.0.1", 49000}},
        {"X-Plane", LinkChoice{Simulator::XPlane, "127.0.0.1", 49000}},
        {"flightgear", LinkChoice{Simulator::FlightGear, "127.0.0.1", 5401}},
        {"xplane:sim-pc.local", LinkChoice{Simulator::XPlane, "sim-pc.local", 49000}},
        {"FlightGear:10.0.0.2:5500", LinkChoice{Simulator::FlightGear, "10.0.0.2", 5500}},
        {"xplane:[::1]", LinkChoice{Simulator::XPlane, "[::1]", 49000}},
        {"xplane:[fe80::1]:1", LinkChoice{Simulator::XPlane, "[fe80::1]", 1}},
        {"xplane:h:65535", LinkChoice{Simulator::XPlane, "h", 65535}},
    };
    for (const auto& row : rows) {
        const ParsedLink parsed = ParseLinkChoice(row.text);
        ASSERT_TRUE(std::holds_alternative<std::optional<LinkChoice>>(parsed)) << row.text;
        EXPECT_EQ(std::get<std::optional<LinkChoice>>(parsed), row.choice) << row.text;
        // Written out whole, it reads back the same.
        EXPECT_EQ(ParseLinkChoice(LinkChoiceText(row.choice)), parsed) << row.text;
    }
}

TEST(LinkChoice, RefusesWithOneFrenchSentence) {
    const struct {
        const char* what;
        std::string text;
        std::string message;
    } rows[] = {
        {"an unknown simulator", "msfs",
         "Simulateur inconnu « msfs » : choisir xplane, flightgear ou aucun."},
        {"nothing", "", "Simulateur inconnu «  » : choisir xplane, flightgear ou aucun."},
        {"an empty host", "xplane:", "Il manque le nom ou l'adresse de la machine du simulateur."},
        {"an empty host before a port", "xplane::49000",
         "Il manque le nom ou l'adresse de la machine du simulateur."},
        {"a space in the host", "xplane:my pc",
         "Machine « my pc » invalide : un nom (lettres, chiffres, « - » et « . ») ou une adresse "
         "IP."},
        {"a host starting with a dash", "xplane:-h:1",
         "Machine « -h » invalide : un nom (lettres, chiffres, « - » et « . ») ou une adresse IP."},
        {"an IPv6 address without brackets", "xplane:::1",
         "Il manque le nom ou l'adresse de la machine du simulateur."},
        {"port 0", "xplane:h:0", "Port « 0 » invalide : un nombre entier de 1 à 65535."},
        {"port 65536", "flightgear:h:65536",
         "Port « 65536 » invalide : un nombre entier de 1 à 65535."},
        {"an empty port", "xplane:h:", "Port «  » invalide : un nombre entier de 1 à 65535."},
        {"a signed port", "xplane:h:+80", "Port « +80 » invalide : un nombre entier de 1 à 65535."},
        {"a control byte", "xplane:h:4\n9",
         "Port « 4?9 » invalide : un nombre entier de 1 à 65535."},
        {"a host of 254 bytes", "xplane:" + std::string(254, 'a'),
         "Machine « " + std::string(60, 'a') +
             "… » invalide : un nom (lettres, chiffres, « - » et « . ») ou une adresse IP."},
    };
    for (const auto& row : rows) {
        const ParsedLink parsed = ParseLinkChoice(row.text);
        ASSERT_TRUE(std::holds_alternative<LinkChoiceError>(parsed)) << row.what;
        EXPECT_EQ(std::get<LinkChoiceError>(parsed).message, row.message) << row.what;
    }
}

}  // namespace
}  // namespace ventrose::simlink
