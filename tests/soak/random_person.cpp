// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/random_person.h"

#include <array>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "tests/soak/step_play.h"

namespace ventrose::soak {

using platform::ControlKind;

namespace {

// A person reaches a control only when it and every frame around it are shown, and it is not
// greyed.
bool reachable(const platform::Form& form, const platform::Control& control) {
    if (!control.visible() || !control.enabled()) return false;
    for (std::string container = control.container(); !container.empty();) {
        const platform::Control* frame = form.find(container);
        if (frame == nullptr || !frame->visible()) return false;
        container = frame->container();
    }
    switch (control.kind()) {
        case ControlKind::Label:
        case ControlKind::CommandButton:
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::TextBox:
        case ControlKind::Image: return true;
        case ControlKind::Frame:
        case ControlKind::Line:
        case ControlKind::Shape: break;
    }
    return false;
}

// What a number box sees most (digits and the signs and separators of numbers), what it must
// refuse, and characters beyond ASCII; "\b" and "\r" are Backspace and Enter.
constexpr std::array<std::string_view, 24> kCharacters = {
    "0", "1", "2", "5", "7", "9", "9",  "0",  "-",  "-", ",", ",",
    ".", ".", "a", "E", "+", " ", "\b", "\r", "\t", "é", "°", "€",
};

}  // namespace

// splitmix64: small, fast, and the same sequence on every platform.
std::uint64_t RandomPerson::draw() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::size_t RandomPerson::below(std::size_t n) {
    return n == 0 ? 0 : static_cast<std::size_t>(draw() % n);
}

std::string RandomPerson::character() {
    return std::string(kCharacters[below(kCharacters.size())]);
}

std::string RandomPerson::text(std::size_t maxLength) {
    // Now and then a long run of digits, for results that no longer fit.
    if (chance(5)) return std::string(1 + below(30), static_cast<char>('1' + below(9)));
    std::string out;
    const std::size_t length = 1 + below(maxLength);
    for (std::size_t i = 0; i < length; ++i) out += character();
    return out;
}

int RandomPerson::keyCode() {
    if (chance(60)) return static_cast<int>(static_cast<unsigned char>(character()[0] & 0x7F));
    if (chance(50)) return static_cast<int>(below(128));
    return static_cast<int>(128 + below(0x2400));
}

// Within -limit..limit mostly, now and then beyond it or not a number at all.
std::string RandomPerson::degrees(double limit) {
    if (chance(3)) return chance(50) ? "1e999" : "4x";
    const double span = chance(3) ? 2.2 * limit : 2 * limit;
    return std::to_string(-span / 2 + span * static_cast<double>(below(1000001)) / 1e6);
}

// Up to 130 points, so that some plans give more legs than a log holds; X-Plane's lines or a
// GPX route, now and then cut short anywhere.
std::string RandomPerson::plan() {
    const std::size_t points = below(131);
    std::string text;
    if (chance(50)) {
        text = "I\r\n1100 Version\r\nCYCLE 2501\r\nNUMENR " + std::to_string(points) + "\r\n";
        for (std::size_t i = 0; i < points; ++i)
            text += "11 P" + std::to_string(i) + " DRCT 5500.000000 " + degrees(90) + " " +
                    degrees(180) + "\r\n";
    } else {
        text = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"><rte>\n";
        for (std::size_t i = 0; i < points; ++i)
            text += "<rtept lat=\"" + degrees(90) + "\" lon=\"" + degrees(180) + "\"><name>P" +
                    std::to_string(i) + "</name></rtept>\n";
        text += "</rte></gpx>\n";
    }
    if (chance(10)) text.resize(below(text.size() + 1));
    return text;
}

scenario::Step RandomPerson::next(app::Application& application) {
    auto& runtime = application.runtime();
    const auto& loaded = runtime.Forms();
    platform::Form* form = runtime.activeForm();
    // An import goes on while the log takes input; the log closed, it is given up.
    if (!pending_.empty()) {
        scenario::Step step = std::move(pending_.back());
        pending_.pop_back();
        if (step.word != "drop" || (form != nullptr && form->name() == "frmLog")) return step;
        pending_.clear();
    }
    // Time passes now and then, by up to two hours: a Top reads another time of day.
    if (below(100) == 0) return MakeStep("clock", {"+" + std::to_string(1 + below(7200))});
    if (form == nullptr || chance(8)) form = loaded[below(loaded.size())];
    const std::string& name = form->name();
    if (name == "frmLog" && runtime.acceptsInput(*form) && below(250) == 0) {
        const std::string file = "plan-" + std::to_string(++plans_ % 4) + ".txt";
        pending_.push_back(MakeStep("drop", {name, file}, {false, true}));
        pending_.push_back(MakeStep("answer-save", {"discard"}));
        return MakeStep("write-file", {file, plan()}, {true, true});
    }

    // Closing the main window or quitting ends the application: rarer than the rest.
    if (chance(2)) {
        const bool isMain = name == "frmMainCalc";
        if (!isMain || chance(25)) return MakeStep("close", {name});
    }
    std::vector<const platform::Control*> controls;
    for (const auto& control : form->controls())
        if (reachable(*form, *control)) controls.push_back(control.get());
    if (controls.empty() || chance(2)) return MakeStep("click", {name});

    const platform::Control& control = *controls[below(controls.size())];
    const std::string target = name + "." + control.name();
    // The wheel over a table's rows scrolls them.
    if (!control.design().wheelBar.empty() && chance(10))
        return MakeStep("wheel", {target, chance(50) ? "-" : "+", std::to_string(1 + below(3))});
    if (control.name() == "cmdQuit" && name == "frmMainCalc" && !chance(30))
        return MakeStep("click", {name});
    switch (control.kind()) {
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: {
            const std::size_t what = below(10);
            const std::string toward = chance(50) ? "-" : "+";
            if (what < 3)
                return MakeStep(
                    "arrow",
                    {target, toward, std::to_string(chance(10) ? 1 + below(60) : 1 + below(3))});
            if (what < 5) return MakeStep("page", {target, toward, std::to_string(1 + below(3))});
            if (what < 6) return MakeStep("wheel", {target, toward, std::to_string(1 + below(3))});
            const int low = control.lowest(), high = control.highest();
            int value = low + static_cast<int>(below(static_cast<std::size_t>(high - low) + 1));
            if (chance(10)) value = low;
            if (chance(10)) value = high;
            return MakeStep("drag", {target, std::to_string(value)});
        }
        case ControlKind::TextBox: {
            const std::size_t what = below(26);
            if (what < 9) return MakeStep("type", {target, text(6)}, {false, true});
            if (what < 12) return MakeStep("key", {target, std::to_string(keyCode())});
            if (what < 16) return MakeStep("paste", {target, text(12)}, {false, true});
            if (what < 20) {
                // Anywhere in the text, now and then past its end.
                const std::size_t size = control.text().size() + 2;
                return MakeStep("select", {target, std::to_string(below(size)),
                                           std::to_string(chance(50) ? 0 : below(size))});
            }
            if (what < 22) return MakeStep("delete", {target});
            if (what < 24) {
                constexpr std::array<const char*, 4> kKeys = {"Up", "Down", "Tab", "Shift+Tab"};
                return MakeStep("keydown", {target, kKeys[below(kKeys.size())]});
            }
            return MakeStep("clear", {target});
        }
        default: return MakeStep("click", {target});
    }
}

}  // namespace ventrose::soak
