// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/tr.h"
#include "platform/clock.h"

namespace ventrose::scenario {

// One line of a scenario file, already split into its words. Strings have their escapes
// resolved; `quoted` tells which words were written as strings.
struct Step {
    int line = 0;
    std::string source;  // the step as written, for reports
    std::string word;    // "click", "expect", ...
    std::vector<std::string> args;
    std::vector<bool> quoted;
    // For "refused": the person's step it wraps.
    std::vector<Step> inner;
};

struct ParseError {
    int line = 0;
    std::string message;
};

struct Scenario {
    std::vector<Step> steps;
    std::optional<ParseError> error;
};

// Reads a whole file's text. Every step word and its arguments are checked here, so that a
// file that cannot be parsed is reported before anything runs.
Scenario ParseScenario(const std::string& text);

// The language the file's application starts in: that of its first step `language fr|en`,
// French without one.
common::Language ScenarioLanguage(const Scenario& scenario);

// A keydown step's key ("Up", "Down", "Tab", "Shift+Tab") as the model's key code and shift
// mask (platform/user_actions.h); nothing for another name.
struct KeyDownKey {
    int code = 0;
    int shift = 0;
};
std::optional<KeyDownKey> KeyDownCode(const std::string& name);

// A clock step's "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS", taken as UTC with local time the
// same; nothing for a text of another shape, or a date or a time that does not exist.
std::optional<platform::ClockReading> ReadClock(const std::string& text);

// A clock step's local time against UTC, "+HH:MM" or "-HH:MM" up to 14 hours either way (the
// widest the world's time zones go), in seconds; nothing for anything else.
std::optional<std::int32_t> ReadLocalOffset(const std::string& text);

// A clock step's "+SECONDS": how far the clock moves forward, 1 to kMaxClockAdvance; nothing for
// anything else.
inline constexpr std::int64_t kMaxClockAdvance = 864000;  // ten days
std::optional<std::int64_t> ReadClockAdvance(const std::string& text);

// "FORM", "FORM.CONTROL", "FORM.PROPERTY" or "FORM.CONTROL.PROPERTY", split at the dots.
std::vector<std::string> SplitPath(const std::string& path);

// A decimal number with a point, whatever the locale ("61.73", "-3", "2.992e1"); nothing for
// anything else, infinities and NaN included.
std::optional<double> ParseDecimal(const std::string& text);

// The string written back in the file's own syntax, quotes and escapes included.
std::string Quote(const std::string& text);

}  // namespace ventrose::scenario
