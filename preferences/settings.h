// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "preferences/preferences.h"

// The settings as QSettings keeps them, every value a string:
//
//   display/onTop        "true" or "false" ("1" and "0" too, any letter case)
//   display/palette      "jour", "nuit" or "nuit-rouge" (any letter case)
//   windows/<form>/x     the window's left edge in pixels, a whole number within ±100000
//   windows/<form>/y     its top edge, likewise
//   sim/link             "aucun", or the simulator, its host and port: "xplane:127.0.0.1:49000"
//                        (simlink/link_choice.h)
//   display/language     "fr" or "en" (any letter case); absent: French, for now
//
// where <form> is a form name (IsWindowName). A position is two keys rather than one "x,y" value
// because QSettings' INI files read an unquoted comma as a list separator, and a hand-edited
// "120,80" would come back as a list. The "display" group is not called "general": QSettings
// treats a [General] section of an INI file as the top level.
namespace ventrose::preferences {

inline constexpr std::string_view kOnTopKey = "display/onTop";
inline constexpr std::string_view kPaletteKey = "display/palette";
inline constexpr std::string_view kSimLinkKey = "sim/link";
inline constexpr std::string_view kLanguageKey = "display/language";

// Beyond these the file is not one this program wrote: a value is not read, and more keys than
// kMaxSettings make every setting ignored.
inline constexpr std::size_t kMaxSettings = 1000;
inline constexpr std::size_t kMaxValueBytes = 256;

struct Setting {
    std::string key;
    std::string value;
    friend bool operator==(const Setting&, const Setting&) = default;
};

// A value that was not used, and why, in the current language (common::Tr) for the program's
// standard error. The key is
// always one of the keys above (never the bytes of an unknown one), or empty for the whole set.
struct SettingWarning {
    std::string key;
    std::string reason;
    friend bool operator==(const SettingWarning&, const SettingWarning&) = default;
};

struct ReadResult {
    Preferences preferences;
    std::vector<SettingWarning> warnings;
};

// Reads the settings whatever they hold; it never fails. Keys it does not know are ignored
// without a word (a later version may have written them). A known key with a value it cannot use
// leaves that setting at its default and adds a warning: not the expected word or number, out
// of range, longer than kMaxValueBytes. A window with only one of its two coordinates usable
// gets no position. When a key comes more than once, its last value counts.
ReadResult ReadSettings(const std::vector<Setting>& settings);

// The settings for `preferences`, in the order above, windows by name. Windows whose name is
// not a form name or whose position is out of range are left out, so that what is written always
// reads back without a warning.
std::vector<Setting> WriteSettings(const Preferences& preferences);

}  // namespace ventrose::preferences
