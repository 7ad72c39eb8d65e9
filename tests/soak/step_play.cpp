// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/step_play.h"

#include <stdexcept>

#include "app/application.h"
#include "platform/runtime.h"
#include "platform/text.h"

namespace ventrose::soak {

using scenario::Step;

Step MakeStep(std::string word, std::vector<std::string> args, std::vector<bool> quoted) {
    quoted.resize(args.size(), false);
    Step step;
    step.source = word;
    for (std::size_t i = 0; i < args.size(); ++i)
        step.source += " " + (quoted[i] ? scenario::Quote(args[i]) : args[i]);
    step.word = std::move(word);
    step.args = std::move(args);
    step.quoted = std::move(quoted);
    return step;
}

std::string FormOf(const Step& step) {
    const std::string& target = step.args.at(0);
    return target.substr(0, target.find('.'));
}

std::string ControlOf(const Step& step) {
    const std::string& target = step.args.at(0);
    const auto dot = target.find('.');
    return dot == std::string::npos ? std::string() : target.substr(dot + 1);
}

bool PlayStep(scenario::Driver& driver, const Step& s) {
    const std::string& w = s.word;
    const std::string form = FormOf(s);
    const std::string control = ControlOf(s);
    const auto ended = [&driver] { return driver.application().runtime().ended(); };
    if (w == "click") return driver.click(form, control);
    if (w == "close") return driver.close(form);
    if (w == "arrow" || w == "page" || w == "wheel") {
        const auto toward = s.args[1] == "-" ? platform::Toward::Min : platform::Toward::Max;
        const int count = s.args.size() > 2 ? std::stoi(s.args[2]) : 1;
        bool taken = true;
        for (int i = 0; i < count && taken && !ended(); ++i) {
            if (w == "arrow") taken = driver.arrow(form, control, toward);
            if (w == "page") taken = driver.page(form, control, toward);
            if (w == "wheel") taken = driver.wheel(form, control, toward);
        }
        return taken;
    }
    if (w == "shortcut") return driver.shortcut(form, s.args[1]);
    if (w == "drop") return driver.drop(form, driver.documents().Resolve(s.args[1]));
    // What another program leaves, a question answered ahead, and time passing: no window takes
    // these.
    if (w == "write-file") {
        if (auto failed = driver.documents().WriteOwnFile(s.args[0], s.args[1], false))
            throw std::runtime_error(*failed);
        return false;
    }
    if (w == "clock") {
        platform::ClockReading reading = driver.clock().Now();
        reading.utcSeconds += *scenario::ReadClockAdvance(s.args[0]);
        driver.clock().set(reading);
        return false;
    }
    if (w == "answer-save") {
        driver.documents().AnswerSave(platform::SaveChangesAnswer::Discard);
        return false;
    }
    if (w == "drag") return driver.drag(form, control, std::stoi(s.args[1]));
    if (w == "key") return driver.key(form, control, std::stoi(s.args[1]));
    if (w == "keydown") {
        const scenario::KeyDownKey k = *scenario::KeyDownCode(s.args[1]);
        return driver.keyDown(form, control, k.code, k.shift);
    }
    if (w == "paste") return driver.paste(form, control, s.args[1]);
    if (w == "clear") return driver.clear(form, control);
    if (w == "delete") return driver.deleteKey(form, control);
    if (w == "select")
        return driver.select(form, control, std::stoi(s.args[1]), std::stoi(s.args[2]));
    if (w == "type") {
        const std::string& text = s.args[1];
        std::size_t i = 0;
        while (i < text.size() && !ended()) {
            const char32_t c = platform::NextCodePoint(text, i);
            if (!driver.key(form, control, static_cast<int>(c))) return false;
        }
        return true;
    }
    throw std::logic_error("not a person's step: " + w);
}

}  // namespace ventrose::soak
