// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on whatever a settings file may hold: the input is one "key=value" per
// line (split at the first '='), as QSettings would hand the pairs over. The reader never fails,
// what it gives is always in range, its warnings are printable and name only known keys, and
// what it gives written back reads back the same, without a warning.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/check.h"
#include "preferences/settings.h"

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
    if (key.empty() || key == kOnTopKey || key == kPaletteKey || key == kSimLinkKey) return true;
    if (!key.starts_with("windows/") || !(key.ends_with("/x") || key.ends_with("/y"))) return false;
    return IsWindowName(key.substr(8, key.size() - 10));
}

bool IsPrintable(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
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
    const ReadResult again = ReadSettings(written);
    fuzz::Require(again.preferences == p, "what was written reads back differently", text);
    fuzz::Require(again.warnings.empty(), "what was written reads back with a warning", text);
    fuzz::Require(WriteSettings(again.preferences) == written,
                  "writing twice gives different settings", text);
    return 0;
}
