// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/scenario.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string_view>

#include "platform/text.h"
#include "platform/user_actions.h"

namespace ventrose::scenario {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits one line into words; strings keep their spaces and have their escapes resolved.
std::optional<std::string> splitWords(const std::string& line, std::vector<std::string>& words,
                                      std::vector<bool>& quoted) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] != '"') {
            std::size_t start = i;
            while (i < line.size() && !isBlank(line[i])) ++i;
            words.push_back(line.substr(start, i - start));
            quoted.push_back(false);
            continue;
        }
        std::string text;
        ++i;
        bool closed = false;
        while (i < line.size()) {
            char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                text += c;
                continue;
            }
            if (i >= line.size()) return "unfinished escape";
            char e = line[i++];
            switch (e) {
                case '"': text += '"'; break;
                case '\\': text += '\\'; break;
                case 'r': text += '\r'; break;
                case 'n': text += '\n'; break;
                case 't': text += '\t'; break;
                case 'b': text += '\b'; break;
                case 'x':
                case 'u': {
                    // \xHH for a character up to U+00FF, \uHHHH up to U+FFFF (a byte order mark,
                    // a character no keyboard types); either written in UTF-8.
                    const std::size_t digits = e == 'x' ? 2 : 4;
                    bool hex = i + digits <= line.size();
                    for (std::size_t k = 0; hex && k < digits; ++k)
                        hex = std::isxdigit(static_cast<unsigned char>(line[i + k])) != 0;
                    if (!hex)
                        return std::string("\\") + e + " needs " + std::to_string(digits) +
                               " hexadecimal digits";
                    const int code = std::stoi(line.substr(i, digits), nullptr, 16);
                    if (code >= 0xD800 && code <= 0xDFFF) return "\\u of half a surrogate pair";
                    platform::AppendCodePoint(text, static_cast<char32_t>(code));
                    i += digits;
                    break;
                }
                default: return std::string("unknown escape \\") + e;
            }
        }
        if (!closed) return "unterminated string";
        if (i < line.size() && !isBlank(line[i])) return "text right after a closing quote";
        words.push_back(text);
        quoted.push_back(true);
    }
    return std::nullopt;
}

bool isInteger(const std::string& s) {
    std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    if (i >= s.size() || s.size() - i > 9) return false;
    for (; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

bool isName(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

// An element of a control array, `NAME(ROW)` with ROW from 1, as the windows name their rows.
bool isElement(const std::string& s) {
    const std::size_t open = s.find('(');
    if (open == std::string::npos || s.back() != ')') return false;
    const std::string row = s.substr(open + 1, s.size() - open - 2);
    return isName(s.substr(0, open)) && !row.empty() && row.size() <= 4 && row[0] != '0' &&
           std::all_of(row.begin(), row.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The window comes first and is never an element; a control may be one. A property written as
// an element is caught as an unknown property.
bool isPath(const std::string& s, std::size_t minParts, std::size_t maxParts) {
    const auto parts = SplitPath(s);
    if (parts.size() < minParts || parts.size() > maxParts) return false;
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (!isName(parts[i]) && (i == 0 || !isElement(parts[i]))) return false;
    return true;
}

const std::set<std::string> kProperties = {"Caption",
                                           "Text",
                                           "Value",
                                           "Visible",
                                           "Left",
                                           "Top",
                                           "Min",
                                           "Max",
                                           "SmallChange",
                                           "LargeChange",
                                           "X1",
                                           "Y1",
                                           "X2",
                                           "Y2",
                                           "SelStart",
                                           "SelLength",
                                           "ForeColor",
                                           "ToolTipText",
                                           "ActiveControl",
                                           "Stale",
                                           "Enabled"};

// What one write-file or append-file step may write: enough for a file too large to read.
constexpr std::size_t kMaxWritten = 16 * 1024 * 1024;

// Checks a step's arguments; returns what is wrong, or nothing.
std::optional<std::string> check(Step& step);

std::optional<std::string> checkPerson(Step& s) {
    const auto& a = s.args;
    const auto n = a.size();
    const std::string& w = s.word;
    auto needTarget = [&](std::size_t i) { return i < n && !s.quoted[i] && isPath(a[i], 1, 2); };
    if (w == "click" || w == "close") {
        if (n != 1 || !needTarget(0)) return w + " takes one target";
        if (w == "close" && !isPath(a[0], 1, 1)) return "close takes a window";
        return std::nullopt;
    }
    if (w == "shortcut") {
        if (n != 2 || s.quoted[0] || !isPath(a[0], 1, 1) || !s.quoted[1] || a[1].empty())
            return "shortcut takes a window and its keys as a string";
        return std::nullopt;
    }
    if (w == "arrow" || w == "page" || w == "wheel") {
        if (n < 2 || n > 3 || !needTarget(0) || (a[1] != "-" && a[1] != "+"))
            return w + " takes a bar, - or +, and an optional count";
        if (n == 3 && (!isInteger(a[2]) || std::stoi(a[2]) < 0))
            return "the count must be a whole number";
        return std::nullopt;
    }
    if (w == "drag") {
        if (n != 2 || !needTarget(0) || !isInteger(a[1]))
            return "drag takes a bar and a whole number";
        return std::nullopt;
    }
    if (w == "type" || w == "paste") {
        if (n != 2 || !needTarget(0) || !s.quoted[1]) return w + " takes a box and a string";
        return std::nullopt;
    }
    if (w == "key") {
        if (n != 2 || !needTarget(0) || !isInteger(a[1]) || std::stoi(a[1]) < 0 ||
            std::stoi(a[1]) > 0x10FFFF)
            return "key takes a box and a character code";
        return std::nullopt;
    }
    if (w == "keydown") {
        if (n != 2 || !needTarget(0) || s.quoted[1] || !KeyDownCode(a[1]))
            return "keydown takes a box and Up, Down, Tab or Shift+Tab";
        return std::nullopt;
    }
    if (w == "clear" || w == "delete") {
        if (n != 1 || !needTarget(0)) return w + " takes a box";
        return std::nullopt;
    }
    if (w == "drop") {
        if (n != 2 || s.quoted[0] || !isPath(a[0], 1, 1) || !s.quoted[1] || a[1].empty())
            return "drop takes a window and a path as a string";
        return std::nullopt;
    }
    if (w == "select") {
        auto whole = [&](std::size_t i) {
            return !s.quoted[i] && isInteger(a[i]) && std::stoi(a[i]) >= 0;
        };
        if (n < 2 || n > 3 || !needTarget(0) || !whole(1) || (n == 3 && !whole(2)))
            return "select takes a box, a start and an optional length";
        return std::nullopt;
    }
    return "unknown step word '" + w + "'";
}

bool isNumber(const std::string& s) { return ParseDecimal(s).has_value(); }

std::optional<std::string> checkSimulator(Step& s) {
    const auto& a = s.args;
    const auto n = a.size();
    const std::string& w = s.word;
    const auto unquoted = [&] {
        return std::none_of(s.quoted.begin(), s.quoted.end(), [](bool q) { return q; });
    };
    if (w == "simulator") {
        if (n != 1 || !unquoted() || (a[0] != "xplane" && a[0] != "flightgear"))
            return "simulator takes xplane or flightgear";
        return std::nullopt;
    }
    if (w == "sim-set") {
        if (n != 2 || !unquoted() || !isNumber(a[1]))
            return "sim-set takes a dataref, a property or an alias, and a number";
        return std::nullopt;
    }
    if (w == "sim-junk" || w == "sim-foreign" || w == "sim-stop" || w == "sim-restart" ||
        w == "sim-drop") {
        if (n != 0) return w + " takes nothing";
        return std::nullopt;
    }
    if (w == "sim-wait") {
        if (n == 0 || s.quoted[0] || !isInteger(a[0]) || std::stoi(a[0]) <= 0 ||
            std::stoi(a[0]) > 600000)
            return "sim-wait takes a time in milliseconds, from 1 to 600000, and an optional "
                   "expect step";
        if (n == 1) return std::nullopt;
        Step inner{s.line,
                   s.source,
                   a[1],
                   {a.begin() + 2, a.end()},
                   {s.quoted.begin() + 2, s.quoted.end()},
                   {}};
        if (s.quoted[1] || inner.word != "expect") return "sim-wait waits only for an expect step";
        if (auto e = check(inner)) return e;
        s.inner.push_back(std::move(inner));
        return std::nullopt;
    }
    return "unknown step word '" + w + "'";
}

std::optional<std::string> check(Step& s) {
    const auto& a = s.args;
    const auto n = a.size();
    const std::string& w = s.word;
    if (w == "simulator" || w.starts_with("sim-")) return checkSimulator(s);
    if (w == "expect") {
        if (n != 2 || s.quoted[0] || !isPath(a[0], 2, 3))
            return "expect takes TARGET.PROPERTY and a value";
        const auto parts = SplitPath(a[0]);
        const std::string& property = parts.back();
        if (!kProperties.count(property)) return "unknown property '" + property + "'";
        if (property == "Caption" || property == "Text" || property == "ForeColor" ||
            property == "ToolTipText" || property == "ActiveControl") {
            if (!s.quoted[1]) return property + " takes a string";
        } else if (s.quoted[1] || (!isInteger(a[1]) && a[1] != "true" && a[1] != "false")) {
            return property + " takes an integer or true/false";
        }
        return std::nullopt;
    }
    if (w == "expect-msgbox") {
        if (n != 3 || !s.quoted[0] || !s.quoted[1] || !isInteger(a[2]))
            return "expect-msgbox takes a prompt, a title and a style";
        return std::nullopt;
    }
    if (w == "expect-no-msgbox" || w == "ignore-msgboxes" || w == "expect-ended") {
        if (n != 0) return w + " takes nothing";
        return std::nullopt;
    }
    if (w == "write-file" || w == "append-file") {
        if (n < 2 || n > 3 || !s.quoted[0] || a[0].empty() || !s.quoted[1] ||
            (n == 3 && (s.quoted[2] || !isInteger(a[2]) || std::stoi(a[2]) < 1)))
            return w + " takes a path, a text and an optional count";
        const std::size_t times = n == 3 ? static_cast<std::size_t>(std::stoi(a[2])) : 1;
        if (a[1].size() * times > kMaxWritten)
            return "more than " + std::to_string(kMaxWritten) + " bytes to write";
        return std::nullopt;
    }
    if (w == "answer-file" || w == "expect-file" || w == "expect-no-file") {
        if (n != 1 || !s.quoted[0]) return w + " takes a path as a string";
        if (w != "answer-file" && a[0].empty()) return w + " takes a path";
        return std::nullopt;
    }
    if (w == "clock") {
        if (n == 1 && !s.quoted[0]) {
            if (!ReadClockAdvance(a[0]))
                return "clock +SECONDS moves the clock forward by 1 to " +
                       std::to_string(kMaxClockAdvance) + " seconds";
            return std::nullopt;
        }
        if (n < 1 || n > 2 || !s.quoted[0] || !ReadClock(a[0]) ||
            (n == 2 && (s.quoted[1] || !ReadLocalOffset(a[1]))))
            return "clock takes a date and a time as a string, \"YYYY-MM-DD HH:MM[:SS]\", and "
                   "an optional local offset, +HH:MM or -HH:MM";
        return std::nullopt;
    }
    if (w == "answer-save") {
        if (n != 1 || s.quoted[0] || (a[0] != "save" && a[0] != "discard" && a[0] != "cancel"))
            return "answer-save takes save, discard or cancel";
        return std::nullopt;
    }
    if (w == "answer-yesno") {
        if (n != 1 || s.quoted[0] || (a[0] != "yes" && a[0] != "no"))
            return "answer-yesno takes yes or no";
        return std::nullopt;
    }
    if (w == "expect-loaded") {
        if (n != 2 || !isPath(a[0], 1, 1) || (a[1] != "true" && a[1] != "false"))
            return "expect-loaded takes a window and true or false";
        return std::nullopt;
    }
    if (w == "expect-modal" || w == "dump") {
        if (n != 1 || s.quoted[0] || !isPath(a[0], 1, 1)) return w + " takes a window";
        return std::nullopt;
    }
    if (w == "expect-log") {
        if (n != 1 || !s.quoted[0]) return "expect-log takes one string";
        return std::nullopt;
    }
    if (w == "refused") {
        if (n == 0 || s.quoted[0]) return "refused takes a person's step";
        Step inner{s.line,
                   s.source,
                   a[0],
                   {a.begin() + 1, a.end()},
                   {s.quoted.begin() + 1, s.quoted.end()},
                   {}};
        if (auto e = checkPerson(inner)) return e;
        s.inner.push_back(std::move(inner));
        return std::nullopt;
    }
    return checkPerson(s);
}

std::string trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

}  // namespace

std::optional<double> ParseDecimal(const std::string& text) {
    if (text.empty() || text.size() > 32) return std::nullopt;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

namespace {

// Whether `text` has `shape`'s digits ('d') where it has them and its other characters as they
// stand.
bool HasShape(std::string_view text, std::string_view shape) {
    if (text.size() != shape.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if ((shape[i] == 'd') != digit || (!digit && text[i] != shape[i])) return false;
    }
    return true;
}

int Number(const std::string& text, std::size_t at, std::size_t length) {
    return std::stoi(text.substr(at, length));
}

}  // namespace

std::optional<platform::ClockReading> ReadClock(const std::string& text) {
    // "2026-06-15 10:30" or "2026-06-15 10:30:45": the digits where they stand, then a date and
    // a time that exist.
    const bool seconds = HasShape(text, "dddd-dd-dd dd:dd:dd");
    if (!seconds && !HasShape(text, "dddd-dd-dd dd:dd")) return std::nullopt;
    const platform::CalendarDate date{Number(text, 0, 4), Number(text, 5, 2), Number(text, 8, 2)};
    const int hour = Number(text, 11, 2);
    const int minute = Number(text, 14, 2);
    const int second = seconds ? Number(text, 17, 2) : 0;
    if (!platform::IsCalendarDate(date) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    platform::ClockReading reading = platform::AtUtc(date, hour, minute);
    reading.utcSeconds += second;
    return reading;
}

std::optional<std::int32_t> ReadLocalOffset(const std::string& text) {
    if (text.empty() || (text[0] != '+' && text[0] != '-') ||
        !HasShape(std::string_view(text).substr(1), "dd:dd"))
        return std::nullopt;
    const int hours = Number(text, 1, 2);
    const int minutes = Number(text, 4, 2);
    if (minutes > 59 || hours * 60 + minutes > 14 * 60) return std::nullopt;
    const std::int32_t offset = (hours * 60 + minutes) * 60;
    return text[0] == '-' ? -offset : offset;
}

std::optional<std::int64_t> ReadClockAdvance(const std::string& text) {
    if (text.size() < 2 || text.size() > 7 || text[0] != '+') return std::nullopt;
    std::int64_t seconds = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        seconds = seconds * 10 + (text[i] - '0');
    }
    if (seconds < 1 || seconds > kMaxClockAdvance) return std::nullopt;
    return seconds;
}

std::optional<KeyDownKey> KeyDownCode(const std::string& name) {
    if (name == "Up") return KeyDownKey{platform::kUpKey, 0};
    if (name == "Down") return KeyDownKey{platform::kDownKey, 0};
    if (name == "Tab") return KeyDownKey{platform::kTabKey, 0};
    if (name == "Shift+Tab") return KeyDownKey{platform::kTabKey, platform::kShiftMask};
    return std::nullopt;
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = path.find('.', start);
        parts.push_back(
            path.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts;
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            default:
                if (c < 32 || c == 127) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

common::Language ScenarioLanguage(const Scenario& scenario) {
    if (scenario.steps.empty() || scenario.steps.front().word != "language")
        return common::Language::French;
    return common::LanguageNamed(scenario.steps.front().args.front())
        .value_or(common::Language::French);
}

Scenario ParseScenario(const std::string& text) {
    Scenario scenario;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string source = trim(line);
        if (source.empty() || source[0] == '#') continue;
        Step step;
        step.line = number;
        step.source = source;
        std::vector<std::string> words;
        if (auto error = splitWords(source, words, step.quoted)) {
            scenario.error = ParseError{number, *error};
            return scenario;
        }
        if (step.quoted[0]) {
            scenario.error = ParseError{number, "a step starts with its word"};
            return scenario;
        }
        step.word = words[0];
        step.args.assign(words.begin() + 1, words.end());
        step.quoted.erase(step.quoted.begin());
        if (step.word == "language") {
            // The application speaks it from its start: nothing may come before.
            if (!scenario.steps.empty()) {
                scenario.error = ParseError{number, "language is a file's first step"};
                return scenario;
            }
            if (step.args.size() != 1 || step.quoted[0] || !common::LanguageNamed(step.args[0])) {
                scenario.error = ParseError{number, "language takes fr or en"};
                return scenario;
            }
        } else if (auto error = check(step)) {
            scenario.error = ParseError{number, *error};
            return scenario;
        }
        scenario.steps.push_back(std::move(step));
    }
    return scenario;
}

}  // namespace ventrose::scenario
