// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/logfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <variant>

namespace ventrose::navlog {
namespace {

// A log of three legs, as version 1 saved it (FORMAT.md's example of that version).
LogNav Version1Example() {
    LogNav log;
    log.Vp = 120;
    log.departure = 9 * 60 + 30;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 100.5;
    log.fuelPerHour = 20;
    log.finalReserve = 15;
    log.etapes = {
        {"Étampes", 90, 40, 90, 20, 10 * 60},
        {"Pithiviers", 180, 30, 90, 20, {}},
        {"Château \"Nord\"", 270, 50, 90, 20, {}},
    };
    return log;
}

const std::string kVersion1Example = R"({
  "format": "ventrose-log",
  "version": 1,
  "Vp": 120,
  "departure": "09:30",
  "fuel": {"unit": "l", "atDeparture": 100.5, "perHour": 20, "reserve": 15},
  "legs": [
    {"waypoint": "Étampes", "Rm": 90, "D": 40, "V": 90, "Vw": 20, "actual": "10:00"},
    {"waypoint": "Pithiviers", "Rm": 180, "D": 30, "V": 90, "Vw": 20},
    {"waypoint": "Château \"Nord\"", "Rm": 270, "D": 50, "V": 90, "Vw": 20}
  ]
}
)";

// The log of FORMAT.md's example: an origin and a waypoint from a plan, a course typed as 0 and
// a distance not given.
LogNav Example() {
    LogNav log = Version1Example();
    log.origin = "LFPN";
    log.originPosition = common::LatLon{48.751944, 2.106111};
    log.etapes[1].position = common::LatLon{48.1725, 2.2519};
    log.etapes[2].Rm = 0;
    log.etapes[2].D.reset();
    return log;
}

std::string ExampleOfFormatMd() {
    std::ifstream in(VENTROSE_NAVLOG_FORMAT_MD);
    std::stringstream text;
    text << in.rdbuf();
    const std::string md = text.str();
    const std::size_t start = md.find("```json\n");
    const std::size_t end = md.find("```\n", start + 8);
    if (start == std::string::npos || end == std::string::npos) return "";
    return md.substr(start + 8, end - start - 8);
}

// The message of a refused text, or what was read instead.
std::string Refusal(std::string_view text) {
    const auto read = ReadLog(text);
    if (const auto* e = std::get_if<LogError>(&read)) return e->message;
    return "(read: " + WriteLog(std::get<LogNav>(read)) + ")";
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(LogFile, TheDocumentedExampleIsWhatIsWritten) {
    const std::string documented = ExampleOfFormatMd();
    ASSERT_FALSE(documented.empty()) << "no ```json block in " << VENTROSE_NAVLOG_FORMAT_MD;
    EXPECT_EQ(WriteLog(Example()), documented);
    const auto read = ReadLog(documented);
    ASSERT_TRUE(std::holds_alternative<LogNav>(read)) << std::get<LogError>(read).message;
    EXPECT_EQ(std::get<LogNav>(read), Example());
}

TEST(LogFile, AnEmptyLogIsWrittenAndReadBack) {
    const LogNav empty;
    const std::string text = WriteLog(empty);
    EXPECT_EQ(text,
              "{\n  \"format\": \"ventrose-log\",\n  \"version\": 2,\n  \"Vp\": 120,\n"
              "  \"departure\": \"00:00\",\n  \"fuel\": {\"unit\": \"usgal\", \"atDeparture\": 0, "
              "\"perHour\": 0, \"reserve\": 0},\n  \"origin\": {\"waypoint\": \"\"},\n"
              "  \"legs\": []\n}\n");
    EXPECT_EQ(std::get<LogNav>(ReadLog(text)), empty);
    // The exact triangle shown is said last, and only then.
    LogNav exact;
    exact.exactTriangle = true;
    EXPECT_TRUE(WriteLog(exact).ends_with("\"legs\": [],\n  \"exactTriangle\": true\n}\n"));
    // So are the clock's UTC and the automatic Top, after it.
    LogNav flown;
    flown.heureUTC = true;
    flown.topAuto = true;
    EXPECT_TRUE(WriteLog(flown).ends_with(
        "\"legs\": [],\n  \"heureUTC\": true,\n  \"topAuto\": true\n}\n"));
}

// Version 1 still opens: its 0 was a figure not given yet, and reads so; it had no origin and
// no positions, and ignores them as any field it does not name.
TEST(LogFile, AVersion1FileOpensAsItShowed) {
    EXPECT_EQ(std::get<LogNav>(ReadLog(kVersion1Example)), Version1Example());
    std::string zeros =
        Replaced(Replaced(kVersion1Example, "\"Rm\": 180", "\"Rm\": 0"), "\"D\": 50", "\"D\": 0.0");
    zeros = Replaced(zeros, "\"legs\"", "\"origin\": {\"waypoint\": \"X\"}, \"legs\"");
    const auto read = ReadLog(zeros);
    ASSERT_TRUE(std::holds_alternative<LogNav>(read)) << std::get<LogError>(read).message;
    LogNav expected = Version1Example();
    expected.etapes[1].Rm.reset();
    expected.etapes[2].D.reset();
    EXPECT_EQ(std::get<LogNav>(read), expected);
    EXPECT_EQ(Refusal(Replaced(kVersion1Example, "\"Rm\": 180", "\"Rm\": null")),
              "Étape 2 : «Rm» doit être un nombre entier, pas null.");
}

// Random logs within every range, with waypoints full of what JSON must escape and what CSV
// must quote, and fuel figures with any decimals: each reads back equal and writes back the same.
TEST(LogFile, RandomLogsReadBackEqual) {
    const std::string pieces[] = {
        "A", "é", "\"", "\\",           ";",    "/",       "\xF0\x9F\x9B\xA9", "中",
        " ", "'", "=",  "\xE2\x80\xA8", "\x7E", "\xC2\xA0"};
    std::mt19937 random(20261207);
    const auto whole = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto fuel = [&] {
        switch (whole(0, 4)) {
            case 0: return 0.0;
            case 1: return kMaxCarburant;
            case 2: return whole(0, 1000000) / 10.0;
            case 3: return std::uniform_real_distribution<double>(0, 1e-300)(random);
            default: return std::uniform_real_distribution<double>(0, kMaxCarburant)(random);
        }
    };
    for (int n = 0; n < 300; ++n) {
        LogNav log;
        log.Vp = whole(kVpMin, kVpMax);
        log.departure = whole(0, 1439);
        log.fuelUnit = static_cast<UniteCarbu>(whole(0, 3));
        log.fuelAtDeparture = fuel();
        log.fuelPerHour = fuel();
        log.finalReserve = fuel();
        log.exactTriangle = whole(0, 1) == 1;
        log.heureUTC = whole(0, 1) == 1;
        log.topAuto = whole(0, 1) == 1;
        const auto position = [&]() -> std::optional<common::LatLon> {
            if (whole(0, 2) == 0) return std::nullopt;
            const auto degrees = [&](double limit) {
                return whole(0, 9) == 0
                           ? limit * whole(-1, 1)
                           : std::uniform_real_distribution<double>(-limit, limit)(random);
            };
            return common::LatLon{degrees(90), degrees(180)};
        };
        const auto given = [&](int max) -> std::optional<int> {
            if (whole(0, 3) == 0) return std::nullopt;
            return whole(0, 5) == 0 ? 0 : whole(0, max);
        };
        for (int c = whole(0, 40); c > 0; --c)
            log.origin += pieces[whole(0, std::size(pieces) - 1)];
        log.originPosition = position();
        log.etapes.resize(static_cast<std::size_t>(whole(0, 100)));
        for (Etape& e : log.etapes) {
            for (int c = whole(0, 40); c > 0; --c)
                e.repere += pieces[whole(0, std::size(pieces) - 1)];
            e = {e.repere, given(360), given(400), whole(0, 360), whole(0, 360), {}, position()};
            if (whole(0, 1)) e.HR = whole(0, 1439);
        }
        ASSERT_EQ(VerifierLog(log), std::nullopt);
        const std::string text = WriteLog(log);
        const auto read = ReadLog(text);
        ASSERT_TRUE(std::holds_alternative<LogNav>(read))
            << std::get<LogError>(read).message << "\n"
            << text;
        ASSERT_EQ(std::get<LogNav>(read), log) << text;
        ASSERT_EQ(WriteLog(std::get<LogNav>(read)), text);
    }
}

// Other tools write JSON their own way; all of these read as the example.
TEST(LogFile, OtherWaysOfWritingTheSameLog) {
    const std::string example = kVersion1Example;
    const struct {
        const char* what;
        std::string text;
    } rows[] = {
        {"a byte order mark", "\xEF\xBB\xBF" + example},
        {"on one line, with CR LF",
         "{\"legs\":[{\"Vw\":20,\"V\":90,\"D\":40,\"Rm\":90,\"waypoint\":\"Étampes\","
         "\"actual\":\"10:00\"},\r\n{\"waypoint\":\"Pithiviers\",\"Rm\":180,\"D\":30,\"V\":90,"
         "\"Vw\":20},{\"waypoint\":\"Château "
         "\\\"Nord\\\"\",\"Rm\":270,\"D\":50,\"V\":90,\"Vw\":20}],"
         "\"fuel\":{\"reserve\":15,\"perHour\":20,\"atDeparture\":100.5,\"unit\":\"l\"},"
         "\"departure\":\"09:30\",\"Vp\":120,\"version\":1,\"format\":\"ventrose-log\"}\r\n"},
        {"whole numbers with a fraction or an exponent",
         Replaced(Replaced(example, "\"Vp\": 120", "\"Vp\": 1.2e2"), "\"Rm\": 90",
                  "\"Rm\": 90.000")},
        {"version 1.0", Replaced(example, "\"version\": 1", "\"version\": 1.0")},
        {"the exact triangle said not shown",
         Replaced(example, "\"Vp\"", "\"exactTriangle\": false, \"Vp\"")},
        {"local time and no automatic Top said",
         Replaced(example, "\"Vp\"", "\"topAuto\": false, \"heureUTC\": false, \"Vp\"")},
        {"escaped characters", Replaced(example, "Étampes", "\\u00C9tamp\\u0065s")},
        {"a fuel figure with an exponent", Replaced(example, "100.5", "1.005E+2")},
        {"an actual time of null on a leg without one",
         Replaced(example, "\"Vw\": 20}", "\"Vw\": 20, \"actual\": null}")},
        {"fields of another tool, at every level",
         Replaced(Replaced(Replaced(example, "\"Vp\"",
                                    "\"x-notes\": {\"a\": [1, true, null, \"\"]}, \"Vp\""),
                           "\"unit\"", "\"tank\": \"main\", \"unit\""),
                  "\"Rm\": 180", "\"Rm\": 180, \"Rv\": 177")},
    };
    for (const auto& row : rows) {
        const auto read = ReadLog(row.text);
        ASSERT_TRUE(std::holds_alternative<LogNav>(read))
            << row.what << ": " << std::get<LogError>(read).message;
        EXPECT_EQ(std::get<LogNav>(read), Version1Example()) << row.what;
    }
    // Version 2: a figure not given may be left out, a position or an actual time written null.
    const std::string v2 = WriteLog(Example());
    const struct {
        const char* what;
        std::string text;
    } v2Rows[] = {
        {"a distance left out", Replaced(v2, ", \"D\": null", "")},
        {"positions of null and an exponent",
         Replaced(
             Replaced(v2, "\"Vw\": 20, \"actual\"", "\"Vw\": 20, \"position\": null, \"actual\""),
             "2.2519", "22.519e-1")},
        {"version 2.0", Replaced(v2, "\"version\": 2", "\"version\": 2.0")},
    };
    for (const auto& row : v2Rows) {
        const auto read = ReadLog(row.text);
        ASSERT_TRUE(std::holds_alternative<LogNav>(read))
            << row.what << ": " << std::get<LogError>(read).message;
        EXPECT_EQ(std::get<LogNav>(read), Example()) << row.what;
    }
}

// A number is what its text writes, however far from a double: one too small for a double is
// not refused as out of a double's range, and reads as 0 where any number is allowed.
TEST(LogFile, ANumberTooSmallForADoubleReadsAsZero) {
    const std::string text = Replaced(kVersion1Example, "\"reserve\": 15", "\"reserve\": 1e-400");
    const auto read = ReadLog(text);
    ASSERT_TRUE(std::holds_alternative<LogNav>(read)) << std::get<LogError>(read).message;
    EXPECT_EQ(std::get<LogNav>(read).finalReserve, 0);
}

// Each row is a file that must be refused whole, with the message a person reads.
TEST(LogFile, BadFilesAreRefusedWithTheirReason) {
    const std::string good = kVersion1Example;
    const std::string v2 = WriteLog(Example());
    std::string deep = "[";
    for (int i = 0; i < 32; ++i) deep += "[";
    LogNav many = Example();
    many.etapes.resize(101, many.etapes[1]);
    std::string huge = good;
    huge.insert(1, "\"x\": \"" + std::string(2 * 1024 * 1024, 'x') + "\",");
    std::string manyValues = "{\"x\": [";
    for (int i = 0; i < 20000; ++i) manyValues += "0,";
    manyValues += "0]}";

    const struct {
        const char* what;
        std::string text;
        std::string message;
    } rows[] = {
        {"empty", "", "Le fichier est vide."},
        {"blank", " \r\n\t", "Le fichier est vide."},
        {"2 MiB", huge,
         "Le fichier est trop gros : " + std::to_string(huge.size()) +
             " octets, pour 1048576 au plus."},
        {"cut in the middle", good.substr(0, 200),
         "Le fichier est tronqué : le texte s'arrête avant la fin du JSON (ligne 8, colonne 28)."},
        {"cut in a literal", "{\"x\": nu",
         "Le fichier est tronqué : le texte s'arrête avant la fin du JSON (ligne 1, colonne 9)."},
        {"cut in an escape", "{\"x\": \"\\u00",
         "Le fichier est tronqué : le texte s'arrête avant la fin du JSON (ligne 1, colonne 12)."},
        {"cut after the last leg", good.substr(0, good.size() - 6),
         "Le fichier est tronqué : le texte s'arrête avant la fin du JSON (ligne 11, colonne 1)."},
        {"not JSON", "Vp=120\n",
         "Le fichier n'est pas du JSON valide (ligne 1, colonne 1) : une valeur est attendue, pas "
         "«Vp»."},
        {"a CSV export", "\xEF\xBB\xBFRepère;Rm (°)\r\n",
         "Le fichier n'est pas du JSON valide (ligne 1, colonne 1) : une valeur est attendue, pas "
         "«Repère»."},
        {"NaN", Replaced(good, "20, \"reserve\"", "NaN, \"reserve\""),
         "Le fichier n'est pas du JSON valide (ligne 6, colonne 58) : NaN et Infinity ne sont pas "
         "des nombres JSON."},
        {"-Infinity", Replaced(good, "\"Rm\": 180", "\"Rm\": -Infinity"),
         "Le fichier n'est pas du JSON valide (ligne 9, colonne 38) : NaN et Infinity ne sont pas "
         "des nombres JSON."},
        {"a number beyond a double", Replaced(good, "\"Vp\": 120", "\"Vp\": 1e400"),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 9) : le nombre «1e400» est hors "
         "des limites d'un double."},
        {"a leading zero", Replaced(good, "\"Vp\": 120", "\"Vp\": 0120"),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 10) : un nombre ne commence pas "
         "par 0 suivi d'un chiffre."},
        {"a number with nothing after its point", Replaced(good, "\"Vp\": 120", "\"Vp\": 120.}"),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 13) : nombre mal écrit : un "
         "chiffre est attendu, pas «}»."},
        {"a trailing comma", Replaced(good, "\"Vw\": 20}\n", "\"Vw\": 20},\n"),
         "Le fichier n'est pas du JSON valide (ligne 11, colonne 3) : une valeur est attendue, pas "
         "«]»."},
        {"single quotes", Replaced(good, "\"Vp\"", "'Vp'"),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 3) : un nom de champ entre "
         "guillemets est attendu, pas «'»."},
        {"a missing comma", Replaced(good, "\"version\": 1,", "\"version\": 1"),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 3) : «,» ou «}» est attendu, pas "
         "«\"»."},
        {"text after the JSON", good + "{}",
         "Le fichier n'est pas du JSON valide (ligne 13, colonne 1) : du texte suit la fin du "
         "JSON."},
        {"a raw tab in a string", Replaced(good, "Pithiviers", "Pithi\tviers"),
         "Le fichier n'est pas du JSON valide (ligne 9, colonne 24) : caractère de contrôle U+0009 "
         "dans un texte (il "
         "s'écrit \\n, \\t ou \\u00XX)."},
        {"an unknown escape", Replaced(good, "Pithiviers", "Pithi\\viers"),
         "Le fichier n'est pas du JSON valide (ligne 9, colonne 24) : échappement inconnu \\«v»."},
        {"half a surrogate pair", Replaced(good, "Pithiviers", "\\uD83D"),
         "Le fichier n'est pas du JSON valide (ligne 9, colonne 19) : demi-caractère \\uD83D sans "
         "le second demi."},
        {"deep nesting", Replaced(good, "\"Vp\"", "\"x\": " + deep + ", \"Vp\""),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 39) : plus de 32 niveaux "
         "d'imbrication."},
        {"20001 values", manyValues,
         "Le fichier n'est pas du JSON valide (ligne 1, colonne 40004) : plus de 20000 valeurs."},
        {"a string of 4097 bytes",
         Replaced(good, "\"Vp\"", "\"x\": \"" + std::string(4097, 'x') + "\", \"Vp\""),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 8) : texte de plus de 4096 "
         "octets."},
        {"invalid UTF-8", Replaced(good, "Pithiviers", "Pithi\xC3\x28viers"),
         "Le fichier n'est pas du texte UTF-8 valide (ligne 9, colonne 24)."},
        {"an overlong '/'", Replaced(good, "Pithiviers", "\xC0\xAF"),
         "Le fichier n'est pas du texte UTF-8 valide (ligne 9, colonne 19)."},
        {"Latin-1 instead of UTF-8", Replaced(good, "Étampes", "\xC9tampes"),
         "Le fichier n'est pas du texte UTF-8 valide (ligne 8, colonne 19)."},
        {"a key twice", Replaced(good, "\"Rm\": 180", "\"Rm\": 180, \"Rm\": 181"),
         "Le fichier n'est pas du JSON valide (ligne 9, colonne 43) : champ «Rm» en double."},
        {"a key twice, once escaped",
         Replaced(good, "\"Vp\": 120", "\"Vp\": 120, \"\\u0056p\": 120"),
         "Le fichier n'est pas du JSON valide (ligne 4, colonne 14) : champ «Vp» en double."},
        {"an array, not a log", "[1, 2]",
         "Le fichier n'est pas un log Ventrose : le JSON est un tableau, pas un objet."},
        {"another JSON file", "{\"type\": \"FeatureCollection\"}",
         "Le fichier n'est pas un log Ventrose : le champ «format» manque."},
        {"another format", Replaced(good, "ventrose-log", "ventrose-settings"),
         "Le fichier n'est pas un log Ventrose : «format» n'est pas «ventrose-log»."},
        {"no version", Replaced(good, "\"version\": 1,", ""),
         "Le fichier n'est pas un log Ventrose : le champ «version» manque."},
        {"an unknown version", Replaced(good, "\"version\": 1", "\"version\": 7"),
         "Le fichier n'est pas un log Ventrose : version 7 inconnue."},
        {"version 1.5", Replaced(good, "\"version\": 1", "\"version\": 1.5"),
         "Le fichier n'est pas un log Ventrose : version 1.5 inconnue."},
        {"a version that rounds to 1",
         Replaced(good, "\"version\": 1", "\"version\": 0.99999999999999999999"),
         "Le fichier n'est pas un log Ventrose : version 0.99999999999999999999 inconnue."},
        {"the version as text", Replaced(good, "\"version\": 1", "\"version\": \"1\""),
         "Le fichier n'est pas un log Ventrose : «version» doit être un nombre, pas du texte."},
        {"no airspeed", Replaced(good, "\"Vp\": 120,", ""), "Le champ «Vp» manque."},
        {"the airspeed as text", Replaced(good, "\"Vp\": 120", "\"Vp\": \"120\""),
         "«Vp» doit être un nombre entier, pas du texte."},
        {"an airspeed off the bar", Replaced(good, "\"Vp\": 120", "\"Vp\": 801"),
         "«Vp» vaut 801, hors de 60 à 800."},
        {"a departure without its zero", Replaced(good, "\"09:30\"", "\"9:30\""),
         "«departure» vaut «9:30», pas une heure «HH:MM» de 00:00 à 23:59."},
        {"a departure as minutes", Replaced(good, "\"09:30\"", "570"),
         "«departure» doit être une heure «HH:MM», pas un nombre."},
        {"no fuel", Replaced(good, "\"fuel\"", "\"fuels\""), "Le champ «fuel» manque."},
        {"the fuel as an array", Replaced(Replaced(good, "{\"unit\"", "[\"unit\""), "15},", "15],"),
         "Le fichier n'est pas du JSON valide (ligne 6, colonne 18) : «,» ou «]» est attendu, pas "
         "«:»."},
        {"the fuel as a number",
         Replaced(good,
                  "{\"unit\": \"l\", \"atDeparture\": 100.5, \"perHour\": 20, \"reserve\": 15}",
                  "0"),
         "«fuel» doit être un objet, pas un nombre."},
        {"an unknown unit", Replaced(good, "\"l\"", "\"gal\""),
         "Carburant : «unit» vaut «gal», pas une des unités «usgal», «l», «lb» ou «kg»."},
        {"a unit's display name", Replaced(good, "\"l\"", "\"Litres\""),
         "Carburant : «unit» vaut «Litres», pas une des unités «usgal», «l», «lb» ou «kg»."},
        {"negative fuel", Replaced(good, "\"reserve\": 15", "\"reserve\": -1"),
         "Carburant : «reserve» vaut -1, hors de 0 à 100000."},
        {"fuel as text", Replaced(good, "\"perHour\": 20", "\"perHour\": \"20\""),
         "Carburant : «perHour» doit être un nombre, pas du texte."},
        {"no legs", Replaced(good, "\"legs\"", "\"etapes\""), "Le champ «legs» manque."},
        {"the exact triangle as text",
         Replaced(good, "\"legs\"", "\"exactTriangle\": \"oui\", \"legs\""),
         "«exactTriangle» doit être un booléen, pas du texte."},
        {"UTC as null", Replaced(good, "\"legs\"", "\"heureUTC\": null, \"legs\""),
         "«heureUTC» doit être un booléen, pas null."},
        {"the automatic Top as a number", Replaced(good, "\"legs\"", "\"topAuto\": 1, \"legs\""),
         "«topAuto» doit être un booléen, pas un nombre."},
        {"101 legs", WriteLog(many), "Le log a 101 étapes, plus que les 100 permises."},
        {"a leg as an array",
         Replaced(good,
                  "{\"waypoint\": \"Pithiviers\", \"Rm\": 180, \"D\": 30, \"V\": 90, \"Vw\": 20}",
                  "[]"),
         "Étape 2 : l'étape doit être un objet, pas un tableau."},
        {"a leg without its wind speed", Replaced(good, ", \"Vw\": 20}", "}"),
         "Étape 2 : le champ «Vw» manque."},
        {"a course as text", Replaced(good, "\"Rm\": 180", "\"Rm\": \"180\""),
         "Étape 2 : «Rm» doit être un nombre entier, pas du texte."},
        {"a course with decimals", Replaced(good, "\"Rm\": 180", "\"Rm\": 180.5"),
         "Étape 2 : «Rm» vaut 180.5, pas un nombre entier."},
        {"a course whose fraction rounding hides",
         Replaced(good, "\"Rm\": 180", "\"Rm\": 359.99999999999999999"),
         "Étape 2 : «Rm» vaut 359.99999999999999999, pas un nombre entier."},
        {"a course too small for a double", Replaced(good, "\"Rm\": 180", "\"Rm\": 1e-400"),
         "Étape 2 : «Rm» vaut 1e-400, pas un nombre entier."},
        {"fuel a hair above its range, which rounding hides",
         Replaced(good, "\"reserve\": 15", "\"reserve\": 100000.000000000000001"),
         "Carburant : «reserve» vaut 100000.000000000000001, hors de 0 à 100000."},
        {"a course of 400", Replaced(good, "\"Rm\": 180", "\"Rm\": 400"),
         "Étape 2 : «Rm» vaut 400, hors de 0 à 360."},
        {"a course of 1e300", Replaced(good, "\"Rm\": 180", "\"Rm\": 1e300"),
         "Étape 2 : «Rm» vaut 1e300, hors de 0 à 360."},
        {"a distance beyond the bar", Replaced(good, "\"D\": 30", "\"D\": 401"),
         "Étape 2 : «D» vaut 401, hors de 0 à 400."},
        {"a negative wind direction on the last leg",
         Replaced(good, "\"V\": 90, \"Vw\": 20}\n", "\"V\": -1, \"Vw\": 20}\n"),
         "Étape 3 : «V» vaut -1, hors de 0 à 360."},
        {"a wind speed as true",
         Replaced(good, "\"Vw\": 20, \"actual\"", "\"Vw\": true, \"actual\""),
         "Étape 1 : «Vw» doit être un nombre entier, pas un booléen."},
        {"an actual time of 24:00", Replaced(good, "\"10:00\"", "\"24:00\""),
         "Étape 1 : «actual» vaut «24:00», pas une heure «HH:MM» de 00:00 à 23:59."},
        {"a waypoint as a number", Replaced(good, "\"Pithiviers\"", "7"),
         "Étape 2 : «waypoint» doit être du texte, pas un nombre."},
        {"a waypoint of 41 characters", Replaced(good, "Pithiviers", std::string(41, 'P')),
         "Étape 2 : le repère a 41 caractères, plus que les 40 permis."},
        {"an escaped line feed in a waypoint", Replaced(good, "Pithiviers", "Pithi\\nviers"),
         "Étape 2 : le repère contient un caractère de contrôle."},
        {"an escaped NUL in a waypoint", Replaced(good, "Pithiviers", "\\u0000"),
         "Étape 2 : le repère contient un caractère de contrôle."},
        {"version 3", Replaced(v2, "\"version\": 2", "\"version\": 3"),
         "Le fichier n'est pas un log Ventrose : version 3 inconnue."},
        {"version 2 without its origin",
         Replaced(v2, "\"origin\": {\"waypoint\": \"LFPN\", \"position\"", "\"x\": {\"position\""),
         "Le champ «origin» manque."},
        {"an origin of 41 characters", Replaced(v2, "LFPN", std::string(41, 'L')),
         "Origine : le repère a 41 caractères, plus que les 40 permis."},
        {"a latitude beyond the pole", Replaced(v2, "48.751944", "90.000001"),
         "Origine : «lat» vaut 90.000001, hors de -90 à 90."},
        {"a longitude as text", Replaced(v2, "2.2519", "\"2.2519\""),
         "Étape 2 : «lon» doit être un nombre, pas du texte."},
        {"a position without its longitude", Replaced(v2, ", \"lon\": 2.2519", ""),
         "Étape 2 : le champ «lon» manque."},
        {"a position as an array",
         Replaced(v2, "{\"lat\": 48.1725, \"lon\": 2.2519}", "[48.1725, 2.2519]"),
         "Étape 2 : «position» doit être un objet, pas un tableau."},
        {"a course not given written as text", Replaced(v2, "\"D\": null", "\"D\": \"\""),
         "Étape 3 : «D» doit être un nombre entier, pas du texte."},
    };
    for (const auto& row : rows) EXPECT_EQ(Refusal(row.text), row.message) << row.what;
}

}  // namespace
}  // namespace ventrose::navlog
