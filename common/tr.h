// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace ventrose::common {

// The languages Ventrose speaks. French is the source language: every text is written in French
// in the code, and English is its translation.
enum class Language { French, English };

// "fr" or "en", as the command line, the settings and the scenarios write them.
std::string_view LanguageCode(Language language);
// The language named by its code; nullopt for any other text (no case folding, no region).
std::optional<Language> LanguageNamed(std::string_view code);

// The language of the texts the cores and the windows produce from now on. French until the
// application says otherwise. Set from the main thread only, before or between windows' work.
Language CurrentLanguage();
void SetCurrentLanguage(Language language);

// The decimal mark a person reads and types in `language`: the comma in French, the point in
// English. Files (.vlog, settings) do not follow it: they keep their own format in both.
char DecimalMark(Language language);
inline char DecimalMark() { return DecimalMark(CurrentLanguage()); }

// Turns a French text into the current language. The pure layers know no toolkit: the
// application installs the function that looks the text up (Qt's QCoreApplication::translate);
// without one, or in French, the French text comes back unchanged, byte for byte. `context`
// groups the texts for the translator: a window's name for its own texts, a core's purpose for
// a core's. The build's lupdate reads every `Tr("context", "texte")` call as a text to translate,
// so both arguments must be string literals there; Tr also keeps its answers by the literals'
// addresses, so it must never be given a text built at run time (TrText is for those).
using Translator = std::string (*)(const char* context, const char* french);
void InstallTranslator(Translator translator);
std::string Tr(const char* context, const char* french);
// Marks a French text for the translation where it is defined, out of any call (a constant, a
// table), and gives it back unchanged: lupdate reads TrNoop("context", "texte") as Qt's
// QT_TRANSLATE_NOOP, and the code that shows the text translates it with TrText and the same
// context.
constexpr const char* TrNoop(const char* /*context*/, const char* french) { return french; }

// Tr without a copy, for the figures' unit patterns written at every pass: the view holds until
// the language or the translator changes.
std::string_view TrView(const char* context, const char* french);

// Tr for a text marked with TrNoop where it was defined (a table of literals): the same lookup,
// kept by the literal's address as Tr's are, under a name lupdate does not read.
inline std::string TrMarked(const char* context, const char* french) { return Tr(context, french); }

// The same for a text that arrives at run time (a design's captions): not read by lupdate, whose
// list of such texts the build makes from the designs themselves.
std::string TrText(const std::string& context, const std::string& french);

// TrText as it reads in `language`, whatever the current one: what a caption showed before the
// language changed. The translator must still know that language's texts.
std::string TrTextIn(Language language, const std::string& context, const std::string& french);

// `text` with %1, %2, ... replaced by the values in their order, as QString::arg does: a
// translated sentence keeps its values where its own language puts them. A placeholder without
// its value stays as it is; what a value brings is never read as a placeholder.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace ventrose::common
