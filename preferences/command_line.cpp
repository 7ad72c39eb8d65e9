// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/command_line.h"

#include "common/tr.h"

namespace ventrose::preferences {

namespace {

// The English words a pilot reading the English help may type for the program's own: the
// palettes' and «aucun»'s names are French in the settings and in every language's help, and
// English is taken beside them on the command line.
// Any case, as the program's own words are taken.
std::string ProgramWord(const std::string& value) {
    std::string lower = value;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower == "day") return "jour";
    if (lower == "night") return "nuit";
    if (lower == "red-night") return "nuit-rouge";
    if (lower == "none") return "aucun";
    return value;
}

CommandLineError Error(const std::string& message) {
    return {message + common::Tr("CommandLine", " Voir ventrose --help.")};
}

}  // namespace

std::variant<Options, CommandLineError> ValidateCommandLine(const CommandLine& commandLine) {
    if (!commandLine.unknownOptions.empty()) {
        const std::string& name = commandLine.unknownOptions.front();
        return Error(common::Arg(common::Tr("CommandLine", "Option inconnue « %1 »."),
                                 {(name.size() == 1 ? "-" : "--") + name}));
    }
    if (!commandLine.positionalArguments.empty()) {
        return Error(common::Arg(common::Tr("CommandLine", "Argument inattendu « %1 »."),
                                 {commandLine.positionalArguments.front()}));
    }
    Options options{.onTop = commandLine.onTop, .resetSettings = commandLine.resetSettings};
    for (const std::string& value : commandLine.paletteValues) {
        const std::optional<Palette> palette = ParsePalette(ProgramWord(value));
        if (!palette) {
            return Error(common::Arg(
                common::Tr("CommandLine",
                           "Palette inconnue « %1 » : choisir jour, nuit ou nuit-rouge."),
                {value}));
        }
        if (options.palette && *options.palette != *palette) {
            return Error(common::Arg(
                common::Tr("CommandLine", "Deux palettes demandées : « %1 » et « %2 »."),
                {PaletteName(*options.palette), PaletteName(*palette)}));
        }
        options.palette = palette;
    }
    for (const std::string& value : commandLine.simValues) {
        const simlink::ParsedLink parsed = simlink::ParseLinkChoice(ProgramWord(value));
        if (const auto* error = std::get_if<simlink::LinkChoiceError>(&parsed)) {
            return Error(error->message);
        }
        const auto& link = std::get<std::optional<simlink::LinkChoice>>(parsed);
        if (options.simGiven && options.simLink != link) {
            return Error(common::Arg(
                common::Tr("CommandLine", "Deux simulateurs demandés : « %1 » et « %2 »."),
                {simlink::LinkChoiceText(options.simLink), simlink::LinkChoiceText(link)}));
        }
        options.simGiven = true;
        options.simLink = link;
    }
    for (const std::string& value : commandLine.languageValues) {
        const std::optional<common::Language> language = common::LanguageNamed(value);
        if (!language) {
            return Error(common::Arg(
                common::Tr("CommandLine", "Langue inconnue « %1 » : choisir fr ou en."), {value}));
        }
        if (options.language && *options.language != *language) {
            return Error(common::Arg(
                common::Tr("CommandLine", "Deux langues demandées : « %1 » et « %2 »."),
                {common::LanguageCode(*options.language), common::LanguageCode(*language)}));
        }
        options.language = language;
    }
    return options;
}

Preferences Apply(const Options& options, Preferences saved) {
    if (options.resetSettings) saved = Preferences{};
    if (options.onTop) saved.onTop = true;
    if (options.palette) saved.palette = *options.palette;
    if (options.simGiven) saved.simLink = options.simLink;
    if (options.language) saved.language = options.language;
    return saved;
}

}  // namespace ventrose::preferences
