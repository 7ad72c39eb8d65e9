// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on whatever a settings file may hold, twice. As a file: the byte check
// either refuses it, saying why in printable words, or gives keys and values of plain characters
// only, which nothing can read as a typed value. As one "key=value" per line (split at the first
// '='), as the pairs would be handed over: the reader never fails, what it gives is always in
// range, its warnings are printable and name only known keys, and what it gives, written back
// as the file QSettings writes, passes the byte check and reads back the same, without a
// warning.
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fuzz/check.h"
#include "preferences/settings.h"
#include "preferences/settings_file.h"

using namespace ventrose;
using namespace ventrose::preferences;

namespace {

std::vector<Setting> Split(std::string_view text) {
    std::vector<Setting> settings;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            settings.push_back({std::string(line), ""});
        } else {
            settings.push_back(
                {std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return settings;
}

bool IsKnownKey(std::string_view key) {
    if (key.empty() || key == kOnTopKey || key == kPaletteKey || key == kSimLinkKey ||
        key == kLanguageKey)
        return true;
    if (!key.starts_with("windows/") || !(key.ends_with("/x") || key.ends_with("/y"))) return false;
    return IsWindowName(key.substr(8, key.size() - 10));
}

bool IsPrintable(std::string_view text) {
    // The French messages' own letters and quotes; a byte of the file itself is always escaped.
    static constexpr std::string_view kFrench[] = {"é", "è", "ê", "à", "â", "ç",      "ô", "î",
                                                   "ù", "û", "É", "«", "»", "\u00A0", "’"};
    while (!text.empty()) {
        const char c = text.front();
        if (c >= 0x20 && c <= 0x7E) {
            text.remove_prefix(1);
            continue;
        }
        bool known = false;
        for (const std::string_view letter : kFrench) {
            if (text.starts_with(letter)) {
                text.remove_prefix(letter.size());
                known = true;
                break;
            }
        }
        if (!known) return false;
    }
    return true;
}

// What QSettings would find, as plain text, in a file that passed.
bool IsPlain(const Setting& s) {
    if (s.key.empty() || s.key.front() == '/' || s.key.back() == '/' ||
        s.key.find("//") != std::string::npos)
        return false;
    for (const char c : s.key) {
        if (c != '/' && c != '_' && c != '-' && c != '.' &&
            !std::isalnum(static_cast<unsigned char>(c)))
            return false;
    }
    return IsPrintable(s.value) && s.value.find_first_of("@\"\\;#=") == std::string::npos &&
           !s.value.starts_with(' ') && !s.value.ends_with(' ');
}

// `settings` as QSettings writes them: a section for each first part of a key, the rest of the
// key with '\' for '/'.
std::string AsIniFile(const std::vector<Setting>& settings) {
    std::string file, section;
    for (const Setting& s : settings) {
        const std::size_t slash = s.key.find('/');
        if (s.key.substr(0, slash) != section) {
            section = s.key.substr(0, slash);
            file += "\n[" + section + "]\n";
        }
        std::string key = s.key.substr(slash + 1);
        for (char& c : key)
            if (c == '/') c = '\\';
        file += key + "=" + s.value + "\n";
    }
    return file;
}

void CheckFile(std::string_view bytes) {
    const auto checked = ReadSettingsFile(bytes);
    if (const auto* refusal = std::get_if<SettingsFileRefusal>(&checked)) {
        fuzz::Require(IsPrintable(refusal->reason) && !refusal->reason.empty(),
                      "a refusal cannot be printed as it is", refusal->reason);
        return;
    }
    for (const Setting& s : std::get<SettingsFile>(checked).settings)
        fuzz::Require(IsPlain(s), "a file passed with a value that is not plain",
                      s.key + "=" + s.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckFile(text);
    const std::vector<Setting> settings = Split(text);
    const ReadResult read = ReadSettings(settings);
    const Preferences& p = read.preferences;

    fuzz::Require(ParsePalette(PaletteName(p.palette)) == p.palette,
                  "the palette is not one of the three", text);
    fuzz::Require(p.windowPositions.size() <= settings.size() / 2,
                  "more windows than pairs of keys", text);
    for (const auto& [form, position] : p.windowPositions) {
        fuzz::Require(IsWindowName(form), "a window name that is not a form name", form);
        fuzz::Require(IsSavedPosition(position), "a position out of range", form);
    }
    if (settings.size() > kMaxSettings) {
        fuzz::Require(p == Preferences{}, "too many keys, yet some were read", text);
        fuzz::Require(read.warnings.size() == 1, "too many keys, not said once", text);
    }
    for (const SettingWarning& w : read.warnings) {
        fuzz::Require(IsKnownKey(w.key), "a warning names a key that is not ours", w.key);
        fuzz::Require(IsPrintable(w.reason) && !w.reason.empty(),
                      "a warning cannot be printed as it is", w.reason);
    }

    const std::vector<Setting> written = WriteSettings(p);
    const auto file = ReadSettingsFile(AsIniFile(written));
    const auto* passed = std::get_if<SettingsFile>(&file);
    fuzz::Require(passed != nullptr && passed->settings == written,
                  "what was written does not pass the byte check as it was", text);
    const ReadResult again = ReadSettings(written);
    fuzz::Require(again.preferences == p, "what was written reads back differently", text);
    fuzz::Require(again.warnings.empty(), "what was written reads back with a warning", text);
    fuzz::Require(WriteSettings(again.preferences) == written,
                  "writing twice gives different settings", text);
    return 0;
}
