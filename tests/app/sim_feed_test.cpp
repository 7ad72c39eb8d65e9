// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's values through the windows, as the link adapter hands them to the feed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "platform/control.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"

namespace ventrose::app {
namespace {

using platform::Form;
using simlink::Simulator;
using simlink::SimValues;

// A host whose message boxes stay up while the test does something.
struct Host : platform::HeadlessHost {
    std::function<void()> whileMessageBoxUp;
    void showMessageBox(const platform::MessageBoxRequest& request) override {
        HeadlessHost::showMessageBox(request);
        if (whileMessageBoxUp) whileMessageBoxUp();
    }
};

// Every property of every control, to tell a window that nothing touched.
std::vector<std::string> snapshot(const Form& form) {
    std::vector<std::string> lines;
    for (const auto& c : form.controls())
        lines.push_back(c->name() + "|" + c->caption() + "|" + c->text() + "|" +
                        std::to_string(c->value()) + "|" + std::to_string(c->selected()) + "|" +
                        std::to_string(c->visible()) + "|" + std::to_string(c->left()) + "," +
                        std::to_string(c->top()));
    return lines;
}

const SimValues kCruise{.tasKt = 152.4,
                        .iasKt = 130.2,
                        .windFromTrueDeg = 270.0,
                        .windSpeedKt = 24.6,
                        .magVarDeg = -3.0,
                        .pressureAltFt = 8449.0,
                        .oatC = 4.6,
                        .groundSpeedKt = 143.5};

constexpr const char* kCalculators[] = {"frmMainCalc", "frmVitesse", "frmDescente"};

struct SimFeedTest : ::testing::Test {
    Host host;
    Application app{host};
    SimFeed& feed = app.simFeed();

    void SetUp() override { app.Start(); }
    Form& main() { return app.frmMainCalc(); }
    Form& window(const char* name) { return *app.runtime().form(name); }
    // Loads a calculator as its button does, without waiting in it.
    Form& open(const char* name) {
        app.runtime().Load(window(name));
        return window(name);
    }
    platform::Control& at(const char* form, const char* control) { return open(form)[control]; }
};

TEST_F(SimFeedTest, WithoutALinkNothingIsShownAndValuesChangeNothing) {
    std::vector<std::vector<std::string>> before;
    for (const char* name : kCalculators) {
        before.push_back(snapshot(open(name)));
        EXPECT_FALSE(at(name, "chkSuivre").visible()) << name;
        EXPECT_FALSE(at(name, "lblSimulateur").visible()) << name;
    }
    feed.SetLink(std::nullopt);
    feed.SetStatus("X-Plane : données reçues", true);
    feed.Deliver(kCruise);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(snapshot(window(kCalculators[i])), before[i]) << kCalculators[i];
}

struct Fed {
    const char* form;
    const char* control;
    int value;
};

// What the fed controls show once the values have arrived, the wind made magnetic (270° true
// with 3° of westerly variation is 273° magnetic), the course and point B left alone.
const Fed kFollowed[] = {
    {"frmMainCalc", "hscVp", 152},    {"frmMainCalc", "hscV", 273},
    {"frmMainCalc", "hscVw", 25},     {"frmMainCalc", "hscRm", 0},
    {"frmVitesse", "hscVi", 130},     {"frmVitesse", "vscAlt", 22500 - 4000},
    {"frmDescente", "hscPtA", 4200},  {"frmDescente", "hscPtA2", 4200},
    {"frmDescente", "hscPtA3", 4200}, {"frmDescente", "hscVs", 144},
    {"frmDescente", "hscVs2", 144},   {"frmDescente", "hscPtB", 0},
    {"frmMainCalc", "chkSuivre", 1},  {"frmVitesse", "chkSuivre", 1},
    {"frmDescente", "chkSuivre", 1},
};

// The same whether the window was open when the link was chosen, or opened afterwards.
TEST_F(SimFeedTest, EachWindowFollowsOpenOrOpenedLater) {
    for (const bool openFirst : {true, false}) {
        Host freshHost;
        Application fresh(freshHost);
        fresh.Start();
        auto form = [&](const char* name) -> Form& { return *fresh.runtime().form(name); };
        if (openFirst)
            for (const char* name : kCalculators) fresh.runtime().Load(form(name));
        fresh.simFeed().SetLink(Simulator::XPlane);
        fresh.simFeed().SetStatus("X-Plane : données reçues", true);
        fresh.simFeed().Deliver(kCruise);
        for (const char* name : kCalculators) {
            fresh.runtime().Load(form(name));
            EXPECT_TRUE(form(name)["chkSuivre"].visible()) << name;
            EXPECT_EQ(form(name)["lblSimulateur"].caption(), "X-Plane : données reçues") << name;
        }
        for (const Fed& row : kFollowed)
            EXPECT_EQ(form(row.form)[row.control].value(), row.value)
                << row.form << "." << row.control << (openFirst ? ", open" : ", opened later");
    }
}

// The airspeed window ends as a person typing the temperature and pressing OK would leave it,
// with the simulator's own true airspeed beside its result.
TEST_F(SimFeedTest, TheAirspeedWindowConfirmsTheTemperatureAsOkDoes) {
    const char* const shown[] = {"lblVp2", "lblVpKm", "lblVpExacte", "lblMach", "txtTempExt"};
    Form& form = open("frmVitesse");
    form["hscVi"].setValue(130);
    form["vscAlt"].setValue(22500 - 4000);
    ASSERT_TRUE(platform::KeyPress(form["txtTempExt"], '5'));
    ASSERT_TRUE(platform::Click(form["cmdTempExt"]));
    std::vector<std::string> byHand;
    for (const char* c : shown) byHand.push_back(form[c].caption() + form[c].text());
    app.runtime().Unload(form);

    feed.SetLink(Simulator::FlightGear);
    feed.Deliver(kCruise);
    open("frmVitesse");
    for (std::size_t i = 0; i < std::size(shown); ++i)
        EXPECT_EQ(form[shown[i]].caption() + form[shown[i]].text(), byHand[i]) << shown[i];
    EXPECT_EQ(form["lblVpSim"].caption(), "Simulateur : 152 Kts");
    EXPECT_EQ(form["lblSimulateur"].caption(), "FlightGear : pas de données");
}

// A person's move of a fed control stops following in that window only; window code moving the
// same bar, or a person moving a bar the link does not feed, does not. Ticking the box again
// applies the latest values at once.
TEST_F(SimFeedTest, AHandOnAFedControlStopsFollowingUntilTheBoxIsTicked) {
    struct Row {
        const char* form;
        const char* control;
        std::function<bool(platform::Control&)> action;
        bool stops;
    };
    const auto arrow = [](platform::Control& c) {
        return platform::ArrowClick(c, platform::Toward::Max);
    };
    const Row rows[] = {
        {"frmMainCalc", "hscVp", arrow, true},
        {"frmMainCalc", "hscV", [](platform::Control& c) { return platform::ThumbRelease(c, 90); },
         true},
        {"frmMainCalc", "hscVw", arrow, true},
        {"frmMainCalc", "hscRm", arrow, false},
        {"frmMainCalc", "cmdClear", platform::Click, false},
        {"frmVitesse", "hscVi", arrow, true},
        {"frmVitesse", "vscAlt", arrow, true},
        {"frmVitesse", "txtTempExt",
         [](platform::Control& c) { return platform::KeyPress(c, '7'); }, true},
        {"frmDescente", "hscPtA", arrow, true},
        {"frmDescente", "hscVs2", arrow, true},
        {"frmDescente", "hscPtB", arrow, false},
        {"frmDescente", "hscDist", arrow, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.form) + "." + row.control);
        feed.SetLink(Simulator::XPlane);
        feed.Deliver(kCruise);
        for (const char* name : kCalculators) open(name);
        ASSERT_TRUE(row.action(at(row.form, row.control)));
        for (const char* name : kCalculators)
            EXPECT_EQ(at(name, "chkSuivre").value(),
                      row.stops && name == std::string(row.form) ? 0 : 1)
                << name;
        SimValues faster = kCruise;
        faster.tasKt = 200;
        faster.iasKt = 180;
        faster.pressureAltFt = 12000;
        faster.groundSpeedKt = 190;
        feed.Deliver(faster);
        const bool follows = !row.stops;
        EXPECT_EQ(at("frmMainCalc", "hscVp").value() == 200,
                  follows || row.form != std::string("frmMainCalc"));
        EXPECT_EQ(at("frmVitesse", "hscVi").value() == 180,
                  follows || row.form != std::string("frmVitesse"));
        EXPECT_EQ(at("frmDescente", "hscVs").value() == 190,
                  follows || row.form != std::string("frmDescente"));
        ASSERT_TRUE(platform::Click(at(row.form, "chkSuivre")) || !row.stops);
        if (row.stops) {
            EXPECT_EQ(at(row.form, "chkSuivre").value(), 1);
            EXPECT_EQ(at("frmMainCalc", "hscVp").value(), 200);
            EXPECT_EQ(at("frmVitesse", "hscVi").value(), 180);
            EXPECT_EQ(at("frmDescente", "hscVs").value(), 190);
        }
    }
}

// Values are set as window code sets them, not as a person's actions: the main window follows
// under a modal calculator, whose own bars follow too. While a message box is up (a handler
// waiting in the middle of its work), values are only remembered; the next ones are applied.
TEST_F(SimFeedTest, UnderAModalWindowValuesApplyAndUnderAMessageBoxTheyWait) {
    feed.SetLink(Simulator::XPlane);
    bool tried = false;
    host.onModal = [&](Form& shown) {
        feed.Deliver(kCruise);
        EXPECT_EQ(shown["hscVi"].value(), 130);
        EXPECT_EQ(main()["hscVp"].value(), 152) << "under the modal window";
        SimValues later = kCruise;
        later.iasKt = 250;
        host.whileMessageBoxUp = [&] {
            tried = true;
            feed.Deliver(later);
            EXPECT_EQ(shown["hscVi"].value(), 130) << "waits while the message box is up";
        };
        shown["txtTempExt"].setText("-");
        platform::Click(shown["cmdTempExt"]);
        host.whileMessageBoxUp = nullptr;
        feed.Deliver(later);
        EXPECT_EQ(shown["hscVi"].value(), 250);
        EXPECT_EQ(shown["txtTempExt"].text(), "5");
        EXPECT_EQ(shown["chkSuivre"].value(), 1);
        platform::CloseRequest(shown);
    };
    app.runtime().Load(window("frmVitesse"));
    app.runtime().Show(window("frmVitesse"), platform::ShowMode::Modal);
    EXPECT_TRUE(tried);
}

// Choosing no link hides the controls again; choosing one again follows in every window, those
// that had stopped included.
TEST_F(SimFeedTest, NoLinkHidesAndANewLinkFollowsEverywhereAgain) {
    feed.SetLink(Simulator::XPlane);
    Form& descente = open("frmDescente");
    ASSERT_TRUE(platform::ArrowClick(descente["hscPtA"], platform::Toward::Max));
    ASSERT_EQ(descente["chkSuivre"].value(), 0);
    feed.SetLink(std::nullopt);
    for (const char* name : kCalculators) {
        EXPECT_FALSE(at(name, "chkSuivre").visible()) << name;
        EXPECT_FALSE(at(name, "lblSimulateur").visible()) << name;
    }
    EXPECT_FALSE(at("frmVitesse", "lblVpSim").visible());
    feed.SetLink(Simulator::FlightGear);
    feed.Deliver(kCruise);
    EXPECT_EQ(descente["chkSuivre"].value(), 1);
    EXPECT_EQ(descente["hscPtA"].value(), 4200);
    EXPECT_EQ(descente["lblSimulateur"].caption(), "FlightGear : pas de données");
}

}  // namespace
}  // namespace ventrose::app
