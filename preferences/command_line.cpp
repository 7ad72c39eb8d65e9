// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/command_line.h"

namespace ventrose::preferences {

namespace {

CommandLineError Error(std::string message) {
    return {std::move(message) + " Voir ventrose --help."};
}

}  // namespace

std::variant<Options, CommandLineError> ValidateCommandLine(const CommandLine& commandLine) {
    if (!commandLine.unknownOptions.empty()) {
        const std::string& name = commandLine.unknownOptions.front();
        return Error("Option inconnue « " + std::string(name.size() == 1 ? "-" : "--") + name +
                     " ».");
    }
    if (!commandLine.positionalArguments.empty()) {
        return Error("Argument inattendu « " + commandLine.positionalArguments.front() + " ».");
    }
    Options options{.onTop = commandLine.onTop, .resetSettings = commandLine.resetSettings};
    for (const std::string& value : commandLine.paletteValues) {
        const std::optional<Palette> palette = ParsePalette(value);
        if (!palette) {
            return Error("Palette inconnue « " + value + " » : choisir jour, nuit ou nuit-rouge.");
        }
        if (options.palette && *options.palette != *palette) {
            return Error("Deux palettes demandées : « " +
                         std::string(PaletteName(*options.palette)) + " » et « " +
                         std::string(PaletteName(*palette)) + " ».");
        }
        options.palette = palette;
    }
    for (const std::string& value : commandLine.simValues) {
        const simlink::ParsedLink parsed = simlink::ParseLinkChoice(value);
        if (const auto* error = std::get_if<simlink::LinkChoiceError>(&parsed)) {
            return Error(error->message);
        }
        const auto& link = std::get<std::optional<simlink::LinkChoice>>(parsed);
        if (options.simGiven && options.simLink != link) {
            return Error("Deux simulateurs demandés : « " +
                         simlink::LinkChoiceText(options.simLink) + " » et « " +
                         simlink::LinkChoiceText(link) + " ».");
        }
        options.simGiven = true;
        options.simLink = link;
    }
    return options;
}

Preferences Apply(const Options& options, Preferences saved) {
    if (options.resetSettings) saved = Preferences{};
    if (options.onTop) saved.onTop = true;
    if (options.palette) saved.palette = *options.palette;
    if (options.simGiven) saved.simLink = options.simLink;
    return saved;
}

}  // namespace ventrose::preferences
