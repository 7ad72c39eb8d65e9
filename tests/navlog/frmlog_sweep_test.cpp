// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "app/application.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"

namespace ventrose::navlog {
namespace {

void TypeIn(platform::Control& box, const std::string& text) {
    platform::ClearText(box);
    for (char c : text) platform::KeyPress(box, static_cast<unsigned char>(c));
}

// The same leg set on the main window's bars and typed in the log's first row: every figure the
// two windows share reads the same, over the whole range of wind directions against courses.
TEST(FrmLogSweep, EveryLegReadsAsInTheMainWindow) {
    platform::HeadlessHost host;
    app::Application app{host};
    app.Start();
    platform::Form& main = app.frmMainCalc();
    platform::Click(main["cmdLog"]);
    platform::Form& log = app.frmLog();
    ASSERT_TRUE(log.loaded());
    platform::Click(log["cmdAjouter"]);

    struct Leg {
        int Vp, Vw, D;
    };
    const Leg kLegs[] = {{60, 60, 400}, {60, 75, 1}, {120, 20, 40}, {333, 77, 250}, {800, 360, 7}};
    int compared = 0;
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
            }
        }
    }
    EXPECT_GT(compared, 50000);
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace ventrose::navlog
