// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "navlog/lognav.h"

// The `.vlog` file: a log as JSON, described with an example in navlog/FORMAT.md. Reading takes
// the whole text and gives a whole log or the one reason it is refused: nothing is ever read in
// part.
namespace ventrose::navlog {

inline constexpr std::string_view kFormatName = "ventrose-log";
// The version written; every version from 1 to this one is read.
inline constexpr int kFormatVersion = 2;
// A 100-leg log takes about 10 KiB; the adapter reads at most one byte more than this, so that a
// larger file is refused without being read whole.
inline constexpr std::size_t kMaxFichier = 1024 * 1024;

// Why a file is refused, in the current language, for a person («Le fichier n'est pas un log
// Ventrose : version 7 inconnue.»). The caller adds the file's name.
struct LogError {
    std::string message;
    friend bool operator==(const LogError&, const LogError&) = default;
};

// Reads a `.vlog` text. Refused: more than kMaxFichier bytes, an empty text, text that is not
// UTF-8, not JSON (NaN and Infinity are not), cut short, nested deeper than 32 levels, a string
// longer than 4096 bytes, a key twice in one object, not a "ventrose-log" of version 1 or 2, a
// field missing or of the wrong type, a value out of its range (VerifierLog's), more than
// kMaxEtapes legs. A UTF-8 byte order mark at the start is skipped; fields the format does not name
// are ignored, so that another tool may add its own.
std::variant<LogNav, LogError> ReadLog(std::string_view text);

// The text of `log` as a `.vlog` file of version kFormatVersion: UTF-8 without byte order mark, LF
// line ends, one leg per line. A log that VerifierLog accepts reads back equal. One that it refuses
// is written all the same, as valid UTF-8 (a byte of a waypoint that is not UTF-8 becomes U+FFFD),
// and need not read back equal, or at all.
std::string WriteLog(const LogNav& log);

}  // namespace ventrose::navlog
