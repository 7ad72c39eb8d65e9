// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tr.h"

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>

namespace ventrose::common {

namespace {

// Process-wide, as Qt's installed translators are: one language at a time for every window.
Language gLanguage = Language::French;
Translator gTranslator = nullptr;

// Tr's answers, by the addresses of its two literals: a window writes the same few dozen texts
// at every pass, and asking Qt each time (a hash lookup and two conversions) tripled the main
// window's pass in English. Literals live as long as the program, so their addresses name them;
// forgotten whenever the language or the translator changes.
struct LiteralPair {
    const char* context;
    const char* french;
    bool operator==(const LiteralPair&) const = default;
};
struct LiteralPairHash {
    std::size_t operator()(const LiteralPair& p) const {
        const auto a = reinterpret_cast<std::uintptr_t>(p.context);
        const auto b = reinterpret_cast<std::uintptr_t>(p.french);
        return std::hash<std::uintptr_t>{}(a * 31 + b);
    }
};
std::unordered_map<LiteralPair, std::string, LiteralPairHash>& Answers() {
    static std::unordered_map<LiteralPair, std::string, LiteralPairHash> answers;
    return answers;
}

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

void SetCurrentLanguage(Language language) {
    gLanguage = language;
    Answers().clear();
}

char DecimalMark(Language language) { return language == Language::English ? '.' : ','; }

void InstallTranslator(Translator translator) {
    gTranslator = translator;
    Answers().clear();
}

std::string_view TrView(const char* context, const char* french) {
    // French never goes through the translator: it is the source, and stays exactly as written.
    if (gLanguage == Language::French || gTranslator == nullptr) return french;
    auto& answers = Answers();
    const LiteralPair key{context, french};
    if (const auto found = answers.find(key); found != answers.end()) return found->second;
    return answers.emplace(key, gTranslator(context, french)).first->second;
}

std::string Tr(const char* context, const char* french) {
    return std::string(TrView(context, french));
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
