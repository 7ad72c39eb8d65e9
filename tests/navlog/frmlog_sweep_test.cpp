// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "app/application.h"
#include "navlog/logfile.h"
#include "navlog/saisielog.h"
#include "platform/headless_host.h"
#include "platform/text.h"
#include "platform/user_actions.h"
#include "wind/exacttriangle.h"

namespace ventrose::navlog {
namespace {

void TypeIn(platform::Control& box, const std::string& text) {
    platform::ClearText(box);
    for (char c : text) platform::KeyPress(box, static_cast<unsigned char>(c));
}

// The same leg set on the main window's bars and typed in the log's first row: every figure the
// two windows share reads the same, over the whole range of wind directions against courses;
// the exact triangle's too, without the main window's words, the log's narrow column giving
// «X» and the reason in its note where no heading holds the course.
TEST(FrmLogSweep, EveryLegReadsAsInTheMainWindow) {
    platform::HeadlessHost host;
    app::Application app{host};
    app.Start();
    platform::Form& main = app.frmMainCalc();
    platform::Click(main["cmdLog"]);
    platform::Form& log = app.frmLog();
    ASSERT_TRUE(log.loaded());
    platform::Click(log["cmdAjouter"]);
    platform::Click(log["chkExact"]);

    struct Leg {
        int Vp, Vw, D;
    };
    const Leg kLegs[] = {{60, 60, 400}, {60, 75, 1}, {120, 20, 40}, {333, 77, 250}, {800, 360, 7}};
    int compared = 0;
    int impossibles = 0;
    for (const Leg& leg : kLegs) {
        platform::ThumbRelease(main["hscVp"], leg.Vp);
        platform::ThumbRelease(main["hscVw"], leg.Vw);
        platform::ThumbRelease(main["hscDt"], leg.D);
        TypeIn(log["txtVp"], std::to_string(leg.Vp));
        TypeIn(log["txtVw(1)"], std::to_string(leg.Vw));
        TypeIn(log["txtDist(1)"], std::to_string(leg.D));
        for (int V = 0; V <= 360; V += 9) {
            platform::ThumbRelease(main["hscV"], V);
            TypeIn(log["txtV(1)"], std::to_string(V));
            for (int Rm = 0; Rm <= 360; Rm += 5) {
                platform::ThumbRelease(main["hscRm"], Rm);
                TypeIn(log["txtRm(1)"], std::to_string(Rm));
                const std::pair<const char*, const char*> kSame[] = {{"lblDerive", "lblDerive(1)"},
                                                                     {"lblNewCap", "lblCap(1)"},
                                                                     {"lblVs", "lblVs(1)"},
                                                                     {"lblTsv", "lblTsv(1)"},
                                                                     {"lblTav", "lblTav(1)"}};
                for (const auto& [inMain, inLog] : kSame) {
                    if (main[inMain].caption() != log[inLog].caption()) {
                        ADD_FAILURE()
                            << "Vp " << leg.Vp << " Vw " << leg.Vw << " D " << leg.D << " V " << V
                            << " Rm " << Rm << ": " << inMain << " «" << main[inMain].caption()
                            << "», " << inLog << " «" << log[inLog].caption() << "»";
                        return;
                    }
                    ++compared;
                }
                const std::string cap = main["lblCapExact"].caption();
                const bool impossible = cap == wind::kCapImpossibleText;
                const std::string capExact = impossible ? "X" : cap.substr(cap.find(": ") + 2);
                const std::string vs = main["lblVsExacte"].caption();
                if (log["lblCapExact(1)"].caption() != capExact ||
                    log["lblVsExacte(1)"].caption() != vs.substr(vs.find(": ") + 2) ||
                    log["lblCapExact(1)"].toolTipText() != (impossible ? cap : "")) {
                    ADD_FAILURE() << "Vp " << leg.Vp << " Vw " << leg.Vw << " V " << V << " Rm "
                                  << Rm << ": «" << cap << "», «" << vs << "»; the log «"
                                  << log["lblCapExact(1)"].caption() << "», «"
                                  << log["lblVsExacte(1)"].caption() << "»";
                    return;
                }
                impossibles += impossible;
            }
        }
    }
    EXPECT_GT(compared, 50000);
    EXPECT_GT(impossibles, 100);
    EXPECT_TRUE(host.messageBoxes.empty());
}

// Every Unicode character: the waypoint box takes it from a key exactly when a paste keeps it and
// the file reader reads it, and a log holding every character the box takes, forty to a
// waypoint, is written and read back equal. So a log typed is a log that reopens.
TEST(FrmLogSweep, EveryCharacterTheWaypointBoxTakesIsSavedAndReadBack) {
    std::vector<std::string> names(1);
    std::vector<char32_t> refused;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || c == platform::kBackspaceKey) continue;
        if (FiltreTouche(Champ::Repere, static_cast<int>(c), "", 0, 0).key == 0) {
            refused.push_back(c);
            continue;
        }
        if (platform::CharacterCount(names.back()) == static_cast<int>(kMaxRepere))
            names.emplace_back();
        platform::AppendCodePoint(names.back(), c);
    }
    EXPECT_EQ(refused.size(), 0x20u - 1u + 1u + 0x20u) << "C0 but Backspace, DEL and C1";
    for (const char32_t c : refused) {
        std::string character;
        platform::AppendCodePoint(character, c);
        EXPECT_EQ(platform::WithoutControlCharacters(character), "")
            << "U+" << std::hex << static_cast<unsigned>(c);
        EXPECT_TRUE(LireChamp(Champ::Repere, "A" + character).quiet) << "pasted by other means";
        LogNav log;
        log.etapes.push_back({"A" + character, 90, 10, 0, 0, {}});
        EXPECT_TRUE(std::holds_alternative<LogError>(ReadLog(WriteLog(log))))
            << "U+" << std::hex << static_cast<unsigned>(c);
    }
    for (std::size_t first = 0; first < names.size(); first += kMaxEtapes) {
        LogNav log;
        for (std::size_t i = first; i < names.size() && i < first + kMaxEtapes; ++i) {
            ASSERT_EQ(platform::WithoutControlCharacters(names[i]), names[i]) << "a paste drops";
            ASSERT_EQ(LireChamp(Champ::Repere, names[i]).etat, Lecture::Etat::Valeur);
            log.etapes.push_back({names[i], 90, 10, 0, 0, {}});
        }
        const auto read = ReadLog(WriteLog(log));
        ASSERT_TRUE(std::holds_alternative<LogNav>(read)) << std::get<LogError>(read).message;
        ASSERT_EQ(std::get<LogNav>(read), log);
    }
}

}  // namespace
}  // namespace ventrose::navlog
