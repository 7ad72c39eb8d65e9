// SPDX-License-Identifier: GPL-3.0-or-later
// A person working the airspeed window, opened from the main window: keys typed into the
// outside-temperature box, "OK", the two bars and "Quitter" in any order. The box only ever
// holds what its filter admits, a refused key is told once and dropped, and the results always
// equal the pure computations for the speed and altitude that the window shows.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <variant>

#include "airspeed/calculvp.h"
#include "airspeed/tableatmo.h"
#include "airspeed/vpexacte.h"
#include "app/application.h"
#include "fuzz/check.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"

using namespace ventrose;

namespace {

const airspeed::TableAtmo kTable = airspeed::InitTableAtmo();

int TakeKey(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            static constexpr char kNumberKeys[] = "0123456789-.,\b";
            return kNumberKeys[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kNumberKeys - 2)];
        }
        case 1: return in.ConsumeIntegral<int>();  // beyond Unicode, negative
        default: return in.ConsumeIntegralInRange(0, 255);
    }
}

// What the window shows as its inputs: "lblVi" holds the speed, "lblAlt" «N pieds».
std::int16_t ShownVi(platform::Form& f) {
    return static_cast<std::int16_t>(std::stoi(f["lblVi"].caption()));
}
std::int32_t ShownAltitude(platform::Form& f) {
    const std::string& text = f["lblAlt"].caption();
    fuzz::Require(text.size() > 6 && text.ends_with(" pieds"), "the altitude label is malformed",
                  text);
    return std::stoi(text.substr(0, text.size() - 6));
}

// The four speeds, the rule's and the exact ones, as one text to compare before and after a step.
std::string Speeds(platform::Form& f) {
    return f["lblVp2"].caption() + " | " + f["lblVpKm"].caption() + " | " +
           f["lblVpExacte"].caption() + " | " + f["lblMach"].caption();
}

bool ShowsExact(platform::Form& f, const airspeed::AffichageVpExacte& exacte) {
    return f["lblVpExacte"].caption() == exacte.VpText && f["lblMach"].caption() == exacte.MachText;
}

void RequireStandardResults(platform::Form& f) {
    const airspeed::ResultatVp r = airspeed::CalculVp(ShownVi(f), ShownAltitude(f), kTable);
    fuzz::Require(f["lblVp2"].caption() == r.affichage.VpText &&
                      f["lblVpKm"].caption() == r.affichage.VpKmText &&
                      f["lblAltM"].caption() == r.affichage.AltMetresText &&
                      f["lblTemp"].caption() == r.affichage.TempStdText &&
                      f["lblPression"].caption() == r.affichage.PressionStdText,
                  "the results are not those of the speed and altitude shown",
                  f["lblVp2"].caption());
    fuzz::Require(ShowsExact(f, airspeed::AfficheVpExacte(ShownVi(f), ShownAltitude(f))),
                  "the exact speed is not that of the standard atmosphere", Speeds(f));
}

void TypeKey(platform::Form& f, platform::HeadlessHost& host, int key) {
    platform::Control& box = f["txtTempExt"];
    const std::string before = box.text();
    const std::size_t told = host.messageBoxes.size();
    fuzz::Require(platform::KeyPress(box, key), "a key press in the window is refused");
    std::string expected = before;
    if (key >= '0' && key <= '9') {
        expected += static_cast<char>(key);
    } else if (key == '-') {
        expected += '-';
    } else if (key == '.') {
        expected += ',';
    } else if (key == 8) {
        if (!expected.empty()) expected.pop_back();  // the box holds ASCII only
    } else {
        fuzz::Require(host.messageBoxes.size() == told + 1 &&
                          host.messageBoxes.back().prompt == "Il faut entrer un nombre",
                      "a refused key is not told once", std::to_string(key));
    }
    if (expected != before || key == 8) {
        fuzz::Require(host.messageBoxes.size() == told, "an admitted key shows a message",
                      std::to_string(key));
    }
    fuzz::Require(box.text() == expected, "the box does not hold what its filter admits",
                  box.text());
}

void ClickOk(platform::Form& f, platform::HeadlessHost& host) {
    const std::string text = f["txtTempExt"].text();
    const std::string speeds = Speeds(f);
    const std::size_t told = host.messageBoxes.size();
    const auto result = airspeed::CalculVpTempExt(ShownVi(f), ShownAltitude(f), kTable, text);
    platform::Click(f["cmdTempExt"]);
    fuzz::Require(f["txtTempExt"].text() == text, "OK changes the typed text", text);
    if (const auto* r = std::get_if<airspeed::ResultatVpTempExt>(&result)) {
        fuzz::Require(host.messageBoxes.size() == told, "a usable temperature shows a message",
                      text);
        fuzz::Require(f["lblVp2"].caption() == r->VpText && f["lblVpKm"].caption() == r->VpKmText,
                      "the corrected speed is not the computed one", text);
        fuzz::Require(
            ShowsExact(f, airspeed::AfficheVpExacte(ShownVi(f), ShownAltitude(f), r->TempExtLue)),
            "the exact speed is not that of the typed temperature", text);
        return;
    }
    const bool empty =
        std::get<airspeed::TempExtRefusal>(result) == airspeed::TempExtRefusal::Empty;
    fuzz::Require(host.messageBoxes.size() == told + (empty ? 0 : 1),
                  "a refused temperature is not told once", text);
    fuzz::Require(Speeds(f) == speeds, "a refused temperature changes a result", text);
}

void MoveBar(platform::Form& f, platform::HeadlessHost& host, FuzzedDataProvider& in,
             const char* name) {
    platform::Control& bar = f[name];
    const std::size_t told = host.messageBoxes.size();
    const int before = bar.value();
    const std::string text = f["txtTempExt"].text(), speeds = Speeds(f);
    const auto toward = in.ConsumeBool() ? platform::Toward::Max : platform::Toward::Min;
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0: platform::ArrowClick(bar, toward); break;
        case 1: platform::TroughClick(bar, toward); break;
        default:
            platform::ThumbRelease(bar, in.ConsumeIntegralInRange(bar.lowest(), bar.highest()));
            break;
    }
    fuzz::Require(host.messageBoxes.size() == told, "a bar shows a message", name);
    if (bar.value() == before) {
        // A bar left where it was runs nothing: a corrected speed and the typed text stay.
        fuzz::Require(f["txtTempExt"].text() == text && Speeds(f) == speeds,
                      "a bar that did not move changes the window", name);
        return;
    }
    fuzz::Require(f["txtTempExt"].text().empty(), "a bar move keeps the typed temperature", name);
    RequireStandardResults(f);
}

void Play(FuzzedDataProvider& in, platform::Form& f, platform::HeadlessHost& host) {
    RequireStandardResults(f);
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 11)) {
            case 0: ClickOk(f, host); break;
            case 1: MoveBar(f, host, in, "hscVi"); break;
            case 2: MoveBar(f, host, in, "vscAlt"); break;
            case 3:
                platform::Click(f["cmdQuit"]);
                fuzz::Require(!f.loaded(), "Quitter leaves the window loaded");
                return;
            default: TypeKey(f, host, TakeKey(in)); break;
        }
        for (const char c : f["txtTempExt"].text()) {
            fuzz::Require((c >= '0' && c <= '9') || c == '-' || c == ',',
                          "the box holds a character its filter refuses", f["txtTempExt"].text());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    platform::HeadlessHost host;
    app::Application application(host);
    bool played = false;
    host.onModal = [&](platform::Form& form) {
        if (&form != &application.frmVitesse()) return;
        played = true;
        Play(in, form, host);
    };
    application.Start();
    platform::Click(application.frmMainCalc()["cmdVitesse"]);
    fuzz::Require(played, "the airspeed window did not open");
    fuzz::Require(!application.runtime().ended() &&
                      application.runtime().acceptsInput(application.frmMainCalc()),
                  "the main window does not take input again");
    return 0;
}
