// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "preferences/palette.h"
#include "preferences/preferences.h"
#include "simlink/link_choice.h"

namespace ventrose::preferences {

// The command line as QCommandLineParser leaves it after parse(), before anything is checked:
// the flags set, every value given to --palette (values(), so that a repeated option is seen),
// the positional arguments and the options it did not know (unknownOptionNames(), without their
// dashes). --help and --version are the parser's own and never come here.
struct CommandLine {
    bool onTop = false;
    bool resetSettings = false;
    std::vector<std::string> paletteValues{};
    std::vector<std::string> positionalArguments{};
    std::vector<std::string> unknownOptions{};
    std::vector<std::string> simValues{};       // every value given to --sim
    std::vector<std::string> languageValues{};  // every value given to --langue
};

// What the command line asks for: --on-top, --palette jour|nuit|nuit-rouge, --reset-settings,
// --sim xplane[:HOST[:PORT]]|flightgear[:HOST[:PORT]]|aucun, --langue fr|en.
struct Options {
    bool onTop = false;
    std::optional<Palette> palette{};
    bool resetSettings = false;
    // --sim was given: with a link (simlink/link_choice.h), or with "aucun".
    bool simGiven = false;
    std::optional<simlink::LinkChoice> simLink{};
    std::optional<common::Language> language{};
    friend bool operator==(const Options&, const Options&) = default;
};

// Why the program will not start, in French, as one line for its standard error; the program
// then leaves with exit status 2.
struct CommandLineError {
    std::string message;
    friend bool operator==(const CommandLineError&, const CommandLineError&) = default;
};

// The options, or the first thing wrong with them: an unknown option, then an argument the
// program does not take, then the --palette values in their order (a palette it does not know,
// or a second palette different from the first), then the --sim values likewise, then the
// --langue values likewise.
std::variant<Options, CommandLineError> ValidateCommandLine(const CommandLine& commandLine);

// The preferences of this run: --reset-settings starts again from the defaults (every window at
// the place the window system gives it), then --on-top, --palette and --sim override what was
// saved, and so does --langue.
Preferences Apply(const Options& options, Preferences saved);

}  // namespace ventrose::preferences
