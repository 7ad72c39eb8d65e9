// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/runner.h"

#include <exception>
#include <stdexcept>

#include "app/application.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "platform/text.h"
#include "tests/runner/headless_driver.h"

namespace ventrose::scenario {

using platform::Toward;

namespace {

// How long a step that sends the link something waits for it to be taken: a failure, not a
// speed, is what it catches.
constexpr int kPatienceMs = 15000;

std::string joinLog(const std::vector<std::string>& log, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < log.size(); ++i) out += (out.empty() ? "" : "; ") + log[i];
    return out;
}

std::string describe(const platform::MessageBoxRequest& box) {
    return Quote(box.prompt) + " " + Quote(box.title) + " " + std::to_string(box.style);
}

struct Target {
    std::string form;
    std::string control;
};

Target targetOf(const std::string& path) {
    const auto parts = SplitPath(path);
    return {parts[0], parts.size() > 1 ? parts[1] : std::string()};
}

}  // namespace

Runner::Runner(std::string file, const Scenario& scenario, Driver& driver, std::ostream& out,
               SimulatorSteps* simulator)
    : file_(std::move(file)),
      scenario_(scenario),
      driver_(driver),
      out_(out),
      simulator_(simulator) {
    driver_.setModalPump([this](platform::Form& form) {
        while (driver_.application().runtime().isShownModally(form) && step()) {
        }
    });
}

bool Runner::ended() { return driver_.application().runtime().ended(); }

bool Runner::run() {
    driver_.application().Start();
    while (step()) {
    }
    if (!stopped_) {
        const int last = scenario_.steps.empty() ? 0 : scenario_.steps.back().line;
        const auto& boxes = driver_.messageBoxes();
        for (std::size_t i = boxesSeen_; i < boxes.size(); ++i) {
            out_ << file_ << ":" << last
                 << ": end of file: every message box checked, got unchecked " << describe(boxes[i])
                 << "\n";
            passed_ = false;
        }
        for (const std::string& answer : driver_.documents().UnusedAnswers()) {
            out_ << file_ << ":" << last << ": end of file: every answer taken by a dialog, got "
                 << answer << " unused\n";
            passed_ = false;
        }
    }
    return passed_;
}

bool Runner::step() {
    if (stopped_ || next_ >= scenario_.steps.size()) return false;
    const Step& s = scenario_.steps[next_++];
    try {
        execute(s);
    } catch (const std::exception& e) {
        // A missing target is the file's mistake; anything else thrown is the application's.
        fail(s, "a step that runs", std::string("an exception: ") + e.what());
        if (!dynamic_cast<const std::runtime_error*>(&e)) stopped_ = true;
    }
    // A dialog that found no answer was cancelled; the step that opened it fails.
    for (const std::string& dialog : driver_.documents().TakeUnanswered())
        fail(s, "an answer before the dialog", dialog);
    return !stopped_;
}

void Runner::fail(const Step& step, const std::string& expected, const std::string& got) {
    out_ << file_ << ":" << step.line << ": " << step.source << ": " << expected << ", got " << got
         << "\n";
    passed_ = false;
}

void Runner::execute(const Step& s) {
    const std::string& w = s.word;
    const bool allowedAfterEnd = w == "expect-ended" || w == "expect-log" || w == "expect-loaded";
    if (ended() && !allowedAfterEnd) {
        fail(s, "an application still running", "it has ended");
        return;
    }
    // Played before the application started (ScenarioLanguage).
    if (w == "language") return;
    if (w == "expect") return expect(s);
    if (w == "refused") return refused(s);
    if (documents(s)) return;
    if (simulator(s)) return;
    auto& runtime = driver_.application().runtime();
    const auto& boxes = driver_.messageBoxes();
    if (w == "expect-msgbox") {
        if (boxesSeen_ >= boxes.size()) return fail(s, "a message box", "none");
        const auto& box = boxes[boxesSeen_++];
        const std::string expected = Quote(s.args[0]) + " " + Quote(s.args[1]) + " " + s.args[2];
        if (describe(box) != expected) fail(s, expected, describe(box));
        return;
    }
    if (w == "expect-no-msgbox") {
        if (boxesSeen_ < boxes.size()) {
            fail(s, "no message box", describe(boxes[boxesSeen_]));
            boxesSeen_ = boxes.size();
        }
        return;
    }
    if (w == "ignore-msgboxes") {
        boxesSeen_ = boxes.size();
        return;
    }
    if (w == "expect-loaded") {
        const bool loaded = FindForm(driver_.application(), s.args[0]).loaded();
        if ((s.args[1] == "true") != loaded) fail(s, s.args[1], loaded ? "true" : "false");
        return;
    }
    if (w == "expect-modal") {
        FindForm(driver_.application(), s.args[0]);
        platform::Form* active = runtime.activeForm();
        const std::string seen = active ? active->name() : "no window";
        if (seen != s.args[0]) fail(s, s.args[0] + " taking input", seen);
        return;
    }
    if (w == "expect-log") {
        const std::string seen = joinLog(runtime.log(), logSeen_);
        logSeen_ = runtime.log().size();
        if (seen != s.args[0]) fail(s, Quote(s.args[0]), Quote(seen));
        return;
    }
    if (w == "expect-ended") {
        if (!ended()) fail(s, "the application ended", "it still runs");
        return;
    }
    if (w == "dump") {
        for (const auto& line : driver_.dump(s.args[0])) out_ << line << "\n";
        return;
    }
    if (!person(s)) fail(s, "the step taken", "refused: another window is shown modally over it");
}

// The answers to the next dialogs, and the files they leave; false for any other step.
bool Runner::documents(const Step& s) {
    const std::string& w = s.word;
    ScriptedDocuments& documents = driver_.documents();
    if (w == "answer-file") {
        documents.AnswerFile(s.args[0]);
    } else if (w == "answer-save") {
        using platform::SaveChangesAnswer;
        documents.AnswerSave(s.args[0] == "save"      ? SaveChangesAnswer::Save
                             : s.args[0] == "discard" ? SaveChangesAnswer::Discard
                                                      : SaveChangesAnswer::Cancel);
    } else if (w == "answer-yesno") {
        documents.AnswerYesNo(s.args[0] == "yes");
    } else if (w == "clock") {
        // A clock stands still: it moves only when a step says how far.
        if (!s.quoted[0]) {
            platform::ClockReading reading = driver_.clock().Now();
            reading.utcSeconds += *ReadClockAdvance(s.args[0]);
            driver_.clock().set(reading);
        } else {
            platform::ClockReading reading = *ReadClock(s.args[0]);
            if (s.args.size() == 2) reading.localOffsetSeconds = *ReadLocalOffset(s.args[1]);
            driver_.clock().set(reading);
        }
    } else if (w == "write-file" || w == "append-file") {
        const std::size_t times = s.args.size() > 2 ? std::stoul(s.args[2]) : 1;
        std::string text;
        text.reserve(s.args[1].size() * times);
        for (std::size_t i = 0; i < times; ++i) text += s.args[1];
        if (const auto failed = documents.WriteOwnFile(s.args[0], text, w == "append-file"))
            fail(s, "the file written", *failed);
    } else if (w == "expect-file" || w == "expect-no-file") {
        const bool wanted = w == "expect-file";
        if (documents.FileExists(documents.Resolve(s.args[0])) != wanted)
            fail(s, (wanted ? "a file " : "no file ") + Quote(s.args[0]), wanted ? "none" : "one");
    } else {
        return false;
    }
    return true;
}

// The simulator's steps; false for any other step.
bool Runner::simulator(const Step& s) {
    const std::string& w = s.word;
    if (w != "simulator" && !w.starts_with("sim-")) return false;
    if (simulator_ == nullptr) {
        fail(s, "a simulator", "none in a build without Qt");
        return true;
    }
    if (w != "simulator" && !simulatorStarted_) {
        fail(s, "a simulator started by an earlier step", "none");
        return true;
    }
    std::optional<std::string> wrong;
    std::string expected = "the step taken";
    if (w == "simulator") {
        if (simulatorStarted_) {
            wrong = "one already";
        } else {
            wrong = simulator_->start(s.args[0], driver_.application());
            simulatorStarted_ = !wrong;
        }
    } else if (w == "sim-set") {
        wrong = simulator_->set(s.args[0], *ParseDecimal(s.args[1]));
    } else if (w == "sim-junk" || w == "sim-foreign") {
        expected = "every datagram refused by the link";
        wrong = w == "sim-junk" ? simulator_->junk(kPatienceMs) : simulator_->foreign(kPatienceMs);
    } else if (w == "sim-stop") {
        wrong = simulator_->stop();
    } else if (w == "sim-restart") {
        wrong = simulator_->restart();
    } else if (w == "sim-drop") {
        wrong = simulator_->drop();
    } else if (w == "sim-wait") {
        const int timeout = std::stoi(s.args[0]);
        if (s.inner.empty()) {
            expected = "the simulator's values handed to the windows";
            wrong = simulator_->waitForValues(timeout);
        } else {
            // Waits until the expectation holds, then checks it as written, so that a wait in
            // vain reports what was seen last.
            const Step& inner = s.inner.front();
            simulator_->waitUntil([&] { return holds(inner); }, timeout);
            expect(inner);
        }
    }
    if (wrong) fail(s, expected, *wrong);
    return true;
}

// Plays a person's step; false when the window refused it.
bool Runner::person(const Step& s) {
    const std::string& w = s.word;
    const Target t = targetOf(s.args[0]);
    if (w == "click") return driver_.click(t.form, t.control);
    if (w == "close") return driver_.close(t.form);
    if (w == "drop") return driver_.drop(t.form, driver_.documents().Resolve(s.args[1]));
    if (w == "arrow" || w == "page" || w == "wheel") {
        const Toward toward = s.args[1] == "-" ? Toward::Min : Toward::Max;
        const int count = s.args.size() > 2 ? std::stoi(s.args[2]) : 1;
        bool taken = true;
        for (int i = 0; i < count && taken && !ended(); ++i) {
            if (w == "arrow") taken = driver_.arrow(t.form, t.control, toward);
            if (w == "page") taken = driver_.page(t.form, t.control, toward);
            if (w == "wheel") taken = driver_.wheel(t.form, t.control, toward);
        }
        return taken;
    }
    if (w == "shortcut") return driver_.shortcut(t.form, s.args[1]);
    if (w == "drag") return driver_.drag(t.form, t.control, std::stoi(s.args[1]));
    if (w == "key") return driver_.key(t.form, t.control, std::stoi(s.args[1]));
    if (w == "keydown") {
        const KeyDownKey k = *KeyDownCode(s.args[1]);
        return driver_.keyDown(t.form, t.control, k.code, k.shift);
    }
    if (w == "paste") return driver_.paste(t.form, t.control, s.args[1]);
    if (w == "clear") return driver_.clear(t.form, t.control);
    if (w == "delete") return driver_.deleteKey(t.form, t.control);
    if (w == "select")
        return driver_.select(t.form, t.control, std::stoi(s.args[1]),
                              s.args.size() > 2 ? std::stoi(s.args[2]) : 0);
    if (w == "type") {
        const std::string& text = s.args[1];
        std::size_t i = 0;
        while (i < text.size() && !ended()) {
            const char32_t c = platform::NextCodePoint(text, i);
            if (!driver_.key(t.form, t.control, static_cast<int>(c))) return false;
        }
        return true;
    }
    throw std::logic_error("unhandled step word " + w);
}

bool Runner::holds(const Step& s) {
    try {
        const auto parts = SplitPath(s.args[0]);
        const std::string control = parts.size() == 3 ? parts[1] : std::string();
        const std::string expected = s.quoted[1] ? Quote(s.args[1]) : s.args[1];
        return driver_.read(parts[0], control, parts.back()) == expected;
    } catch (const std::runtime_error&) {
        // A window not loaded yet may be loaded by the time the wait ends.
        return false;
    }
}

void Runner::expect(const Step& s) {
    const auto parts = SplitPath(s.args[0]);
    const std::string control = parts.size() == 3 ? parts[1] : std::string();
    const std::string& property = parts.back();
    const std::optional<std::string> seen = driver_.read(parts[0], control, property);
    const std::string expected = s.quoted[1] ? Quote(s.args[1]) : s.args[1];
    if (!seen) return fail(s, expected, "no property " + property + " on " + s.args[0]);
    if (*seen != expected) fail(s, expected, *seen);
}

std::string Runner::snapshot() {
    auto& application = driver_.application();
    std::string all = joinLog(application.runtime().log(), 0) + "|" +
                      std::to_string(driver_.messageBoxes().size());
    for (platform::Form* form : application.runtime().Forms())
        for (const auto& line : driver_.dump(form->name())) all += "\n" + line;
    return all;
}

void Runner::refused(const Step& s) {
    const Step& inner = s.inner.front();
    const Target t = targetOf(inner.args[0]);
    platform::Form& form = FindForm(driver_.application(), t.form);
    if (driver_.application().runtime().acceptsInput(form))
        return fail(s, t.form + " refusing input", "it takes input");
    const std::string before = snapshot();
    const bool taken = person(inner);
    if (taken) fail(s, "the step refused", "taken");
    if (snapshot() != before) fail(s, "nothing changed", "a change");
}

}  // namespace ventrose::scenario
