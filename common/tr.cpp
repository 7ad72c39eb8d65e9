// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tr.h"

namespace ventrose::common {

namespace {

// Process-wide, as Qt's installed translators are: one language at a time for every window.
Language gLanguage = Language::French;
Translator gTranslator = nullptr;

}  // namespace

std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "fr";
}

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "fr") return Language::French;
    if (code == "en") return Language::English;
    return std::nullopt;
}

Language CurrentLanguage() { return gLanguage; }

void SetCurrentLanguage(Language language) { gLanguage = language; }

char DecimalMark(Language language) { return language == Language::English ? '.' : ','; }

void InstallTranslator(Translator translator) { gTranslator = translator; }

std::string Tr(const char* context, const char* french) {
    // French never goes through the translator: it is the source, and stays exactly as written.
    if (gLanguage == Language::French || gTranslator == nullptr) return french;
    return gTranslator(context, french);
}

std::string TrText(const std::string& context, const std::string& french) {
    return TrTextIn(gLanguage, context, french);
}

std::string TrTextIn(Language language, const std::string& context, const std::string& french) {
    if (language == Language::French || gTranslator == nullptr || french.empty()) return french;
    return gTranslator(context.c_str(), french.c_str());
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace ventrose::common
