// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "preferences/settings.h"

// The settings file as bytes, read before anything else parses it. QSettings' INI reader decodes
// a value written "@Variant(...)" as any type Qt knows, images included, and recurses without
// bound into nested lists and maps: a crafted file of a few hundred kilobytes overflows its
// stack. What this program writes is much narrower, and only that is read:
//
//   [display]
//   onTop=false
//   palette=nuit
//
//   [windows]
//   frmMainCalc\x=120
//
// A section is a plain name; a key is plain names joined by '\' (QSettings' INI spelling of
// "windows/frmMainCalc/x"); a value is printable ASCII without the characters that make QSettings
// read something else than the text itself: '@' (a typed value), '"' (quoting), '\' (escapes),
// ';' and '#' (comments), '='. Blank lines, blanks around names and values, and "\r\n" line ends
// are allowed (a hand-edited file); a UTF-8 byte order mark before the first line is skipped,
// since a text editor may add one. Anything else makes the whole file refused: a comment, a line
// longer than kMaxSettingsLineBytes, a byte that is not printable ASCII, a key before any section,
// a [General] section (QSettings reads its keys at the top level).
//
// Section and key names this program does not know are read all the same (a later version may
// have written them), so that a save keeps them.
namespace ventrose::preferences {

inline constexpr std::size_t kMaxSettingsLineBytes = 512;

struct SettingsFile {
    // Keys as QSettings names them ("windows/frmMainCalc/x"), in the file's order.
    std::vector<Setting> settings;
    // QSettings cannot parse a file that starts with one: such a file is replaced whole by the
    // next save, which writes the same settings without it.
    bool byteOrderMark = false;
};

// Why a file is refused, in the current language (common::Tr), naming the line but quoting none
// of its bytes.
struct SettingsFileRefusal {
    std::string reason;
};

std::variant<SettingsFile, SettingsFileRefusal> ReadSettingsFile(std::string_view bytes);

}  // namespace ventrose::preferences
