// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <optional>

#include "common/tr.h"
#include "navlog/messages.h"
#include "navlog/utf8.h"

namespace ventrose::navlog {

namespace {

struct Failure {
    bool truncated;
    std::string what;
    std::size_t offset;
};

using common::Arg;
using common::Tr;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x | 0x20) == (y | 0x20);
           });
}

bool IsNonNumberWord(std::string_view word) {
    return EqualsIgnoringCase(word, "nan") || EqualsIgnoringCase(word, "infinity") ||
           EqualsIgnoringCase(word, "inf");
}

std::string NotNumbers() { return Tr("LogFile", "NaN et Infinity ne sont pas des nombres JSON"); }

std::string Count(std::size_t value) { return std::to_string(value); }

// A number's value as ±0.digits × 10^point: the digits without leading or trailing zeros, none
// for zero. The exponent saturates far beyond what 100 characters of digits can move.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long point = 0;
};

Decimal DecimalOf(std::string_view text) {
    constexpr long long kFar = 1'000'000'000'000'000;
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        d.negative = true;
        ++i;
    }
    long long integerDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++integerDigits) d.digits += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i) d.digits += text[i];
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool below = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) below = text[i++] == '-';
        for (; i < text.size() && IsDigit(text[i]); ++i)
            exponent = std::min(kFar, exponent * 10 + (text[i] - '0'));
        if (below) exponent = -exponent;
    }
    d.point = integerDigits + exponent;
    const std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) return Decimal{};  // zero, «-0» included
    d.point -= static_cast<long long>(first);
    d.digits = d.digits.substr(first, d.digits.find_last_not_of('0') + 1 - first);
    return d;
}

// The value of a text of digits alone, at most 18 of them: the whole numbers a log holds as
// Ventrose writes them, read without building their Decimal.
std::optional<long long> PlainInteger(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// -1, 0 or 1.
int CompareDecimals(const Decimal& a, const Decimal& b) {
    const int signA = a.digits.empty() ? 0 : a.negative ? -1 : 1;
    const int signB = b.digits.empty() ? 0 : b.negative ? -1 : 1;
    if (signA != signB || signA == 0) return signA < signB ? -1 : signA > signB ? 1 : 0;
    int magnitude = 0;
    if (a.point != b.point) {
        magnitude = a.point < b.point ? -1 : 1;
    } else {
        const int order = a.digits.compare(b.digits);
        magnitude = order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    return signA * magnitude;
}

class Parser {
public:
    Parser(std::string_view text, const JsonLimits& limits) : text_(text), limits_(limits) {}

    JsonValue document() {
        JsonValue root;
        skipSpace();
        value(root, 0);
        skipSpace();
        if (pos_ != text_.size()) fail(Tr("LogFile", "du texte suit la fin du JSON"));
        return root;
    }

private:
    [[noreturn]] void fail(std::string what) { failAt(pos_, std::move(what)); }
    [[noreturn]] void failAt(std::size_t offset, std::string what) {
        throw Failure{false, std::move(what), offset};
    }
    [[noreturn]] void truncated() {
        throw Failure{true, Tr("LogFile", "le texte s'arrête avant la fin du JSON"), pos_};
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }

    // The character at the current position as a message shows it.
    std::string here() const {
        const std::size_t length = detail::Utf8SequenceLength(text_, pos_);
        if (length != 0 && !detail::IsControl(text_, pos_, length))
            return detail::Key(text_.substr(pos_, length));
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned char>(peek()));
        return code;
    }

    void skipSpace() {
        while (!atEnd()) {
            const char c = peek();
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return;
            ++pos_;
        }
    }

    void counted() {
        if (++values_ > limits_.maxValues) {
            fail(Arg(Tr("LogFile", "plus de %1 valeurs"), {Count(limits_.maxValues)}));
        }
    }

    void value(JsonValue& out, int depth) {
        if (atEnd()) truncated();
        counted();
        const char c = peek();
        if (c == '{') return object(out, depth + 1);
        if (c == '[') return array(out, depth + 1);
        if (c == '"') {
            out.kind = JsonValue::Kind::String;
            return string(out.text);
        }
        if (c == '-' || IsDigit(c)) return number(out);
        if (IsLetter(c)) return word(out);
        fail(Arg(Tr("LogFile", "une valeur est attendue, pas %1"), {here()}));
    }

    void word(JsonValue& out) {
        const std::size_t start = pos_;
        // Letters of any script, so that a stray word is quoted whole («Repère», not «Rep»).
        while (!atEnd() && (IsLetter(peek()) || static_cast<unsigned char>(peek()) >= 0x80)) ++pos_;
        const std::string_view w = text_.substr(start, pos_ - start);
        if (w == "true" || w == "false") {
            out.kind = JsonValue::Kind::Boolean;
            out.boolean = w == "true";
            return;
        }
        if (w == "null") {
            out.kind = JsonValue::Kind::Null;
            return;
        }
        for (const std::string_view literal : {"true", "false", "null"}) {
            if (atEnd() && literal.starts_with(w)) truncated();
        }
        if (IsNonNumberWord(w)) failAt(start, NotNumbers());
        failAt(start, Arg(Tr("LogFile", "une valeur est attendue, pas %1"), {detail::Quote(w)}));
    }

    void digits() {
        while (!atEnd() && IsDigit(peek())) ++pos_;
    }

    // At least one digit, or the number is cut short or miswritten.
    void requiredDigits() {
        if (atEnd()) truncated();
        if (!IsDigit(peek())) {
            fail(Arg(Tr("LogFile", "nombre mal écrit : un chiffre est attendu, pas %1"), {here()}));
        }
        digits();
    }

    void number(JsonValue& out) {
        const std::size_t start = pos_;
        if (peek() == '-') {
            ++pos_;
            if (atEnd()) truncated();
            if (IsLetter(peek())) {
                const std::size_t word = pos_;
                while (!atEnd() && IsLetter(peek())) ++pos_;
                if (IsNonNumberWord(text_.substr(word, pos_ - word))) failAt(start, NotNumbers());
                pos_ = word;
            }
        }
        if (atEnd()) truncated();
        if (peek() == '0') {
            ++pos_;
            if (!atEnd() && IsDigit(peek()))
                fail(Tr("LogFile", "un nombre ne commence pas par 0 suivi d'un chiffre"));
        } else {
            requiredDigits();
        }
        if (!atEnd() && peek() == '.') {
            ++pos_;
            requiredDigits();
        }
        if (!atEnd() && (peek() == 'e' || peek() == 'E')) {
            ++pos_;
            if (!atEnd() && (peek() == '+' || peek() == '-')) ++pos_;
            requiredDigits();
        }
        const std::string_view token = text_.substr(start, pos_ - start);
        if (token.size() > limits_.maxNumberChars) {
            failAt(start, Arg(Tr("LogFile", "nombre de plus de %1 caractères"),
                              {Count(limits_.maxNumberChars)}));
        }
        double v = 0;
        const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
        // Below the smallest double (1e-400) a number reads as 0; only the large are refused.
        const bool tiny = ec == std::errc::result_out_of_range && DecimalOf(token).point < 0;
        if (tiny) v = 0;
        if ((ec != std::errc{} && !tiny) || end != token.data() + token.size()) {
            failAt(start, Arg(Tr("LogFile", "le nombre %1 est hors des limites d'un double"),
                              {detail::Quote(token)}));
        }
        out.kind = JsonValue::Kind::Number;
        out.number = v + 0.0;  // -0 reads as 0
        out.numberText = token;
    }

    // From the opening quote to after the closing one.
    void string(std::string& out) {
        const std::size_t start = pos_;
        ++pos_;
        for (;;) {
            if (out.size() > limits_.maxStringBytes) {
                failAt(start, Arg(Tr("LogFile", "texte de plus de %1 octets"),
                                  {Count(limits_.maxStringBytes)}));
            }
            if (atEnd()) truncated();
            const char c = peek();
            if (c == '"') {
                ++pos_;
                return;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                fail(Arg(Tr("LogFile",
                            "caractère de contrôle %1 dans un texte (il s'écrit \\n, \\t ou "
                            "\\u00XX)"),
                         {here()}));
            }
            if (c != '\\') {
                // A run of plain characters at once: the text is valid UTF-8 already.
                const std::size_t run = pos_;
                while (!atEnd() && peek() != '"' && peek() != '\\' &&
                       static_cast<unsigned char>(peek()) >= 0x20) {
                    ++pos_;
                }
                out.append(text_.substr(run, pos_ - run));
                continue;
            }
            escape(out);
        }
    }

    void escape(std::string& out) {
        const std::size_t start = pos_;
        ++pos_;
        if (atEnd()) truncated();
        const char c = peek();
        ++pos_;
        switch (c) {
            case '"': out += '"'; return;
            case '\\': out += '\\'; return;
            case '/': out += '/'; return;
            case 'b': out += '\b'; return;
            case 'f': out += '\f'; return;
            case 'n': out += '\n'; return;
            case 'r': out += '\r'; return;
            case 't': out += '\t'; return;
            case 'u': break;
            default:
                pos_ = start + 1;
                failAt(start, Arg(Tr("LogFile", "échappement inconnu \\%1"), {here()}));
        }
        char32_t code = hex4(start);
        if (code >= 0xDC00 && code <= 0xDFFF) {
            failAt(start,
                   Arg(Tr("LogFile", "demi-caractère \\u%1 sans le premier demi"), {Hex(code)}));
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (atEnd()) truncated();
            const std::size_t second = pos_;
            if (peek() != '\\') failAt(start, NoSecondHalf(code));
            ++pos_;
            if (atEnd()) truncated();
            if (peek() != 'u') failAt(start, NoSecondHalf(code));
            ++pos_;
            const char32_t low = hex4(second);
            if (low < 0xDC00 || low > 0xDFFF) failAt(start, NoSecondHalf(code));
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
    }

    static std::string NoSecondHalf(char32_t code) {
        return Arg(Tr("LogFile", "demi-caractère \\u%1 sans le second demi"), {Hex(code)});
    }

    static std::string Hex(char32_t code) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(code));
        return text;
    }

    // Four hexadecimal digits after "\u"; `start` is where the escape began.
    char32_t hex4(std::size_t start) {
        char32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            if (atEnd()) truncated();
            const int digit = HexValue(peek());
            if (digit < 0)
                failAt(start, Tr("LogFile", "\\u doit être suivi de quatre chiffres hexadécimaux"));
            code = code * 16 + static_cast<char32_t>(digit);
            ++pos_;
        }
        return code;
    }

    void enter(int depth) {
        if (depth > limits_.maxDepth) {
            fail(Arg(Tr("LogFile", "plus de %1 niveaux d'imbrication"),
                     {std::to_string(limits_.maxDepth)}));
        }
        ++pos_;
        skipSpace();
        if (atEnd()) truncated();
    }

    void array(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Array;
        enter(depth);
        if (peek() == ']') {
            ++pos_;
            return;
        }
        for (;;) {
            value(out.items.emplace_back(), depth);
            skipSpace();
            if (atEnd()) truncated();
            if (peek() == ']') {
                ++pos_;
                return;
            }
            if (peek() != ',') fail(Arg(Tr("LogFile", "«,» ou «]» est attendu, pas %1"), {here()}));
            ++pos_;
            skipSpace();
        }
    }

    void object(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Object;
        enter(depth);
        if (peek() == '}') {
            ++pos_;
            return;
        }
        std::vector<std::size_t> keyOffsets;
        for (;;) {
            if (atEnd()) truncated();
            if (peek() != '"') {
                fail(Arg(Tr("LogFile", "un nom de champ entre guillemets est attendu, pas %1"),
                         {here()}));
            }
            keyOffsets.push_back(pos_);
            JsonMember& member = out.members.emplace_back();
            string(member.key);
            skipSpace();
            if (atEnd()) truncated();
            if (peek() != ':') fail(Arg(Tr("LogFile", "«:» est attendu, pas %1"), {here()}));
            ++pos_;
            skipSpace();
            value(member.value, depth);
            skipSpace();
            if (atEnd()) truncated();
            if (peek() == '}') {
                ++pos_;
                break;
            }
            if (peek() != ',') fail(Arg(Tr("LogFile", "«,» ou «}» est attendu, pas %1"), {here()}));
            ++pos_;
            skipSpace();
        }
        checkUniqueKeys(out.members, keyOffsets);
    }

    // The later of two equal keys is the one named. Sorting keeps a large object from costing
    // the square of its size.
    void checkUniqueKeys(const std::vector<JsonMember>& members,
                         const std::vector<std::size_t>& offsets) {
        std::vector<std::size_t> order(members.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return members[a].key < members[b].key;
        });
        std::optional<std::size_t> duplicate;
        for (std::size_t i = 1; i < order.size(); ++i) {
            if (members[order[i]].key == members[order[i - 1]].key &&
                (!duplicate || order[i] < *duplicate)) {
                duplicate = order[i];
            }
        }
        if (duplicate) {
            failAt(offsets[*duplicate], Arg(Tr("LogFile", "champ %1 en double"),
                                            {detail::Quote(members[*duplicate].key)}));
        }
    }

    std::string_view text_;
    const JsonLimits& limits_;
    std::size_t pos_ = 0;
    std::size_t values_ = 0;
};

}  // namespace

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const JsonMember& m : members) {
        if (m.key == key) return &m.value;
    }
    return nullptr;
}

std::variant<JsonValue, JsonError> ParseJson(std::string_view text, const JsonLimits& limits) {
    try {
        return Parser(text, limits).document();
    } catch (const Failure& f) {
        JsonError e{f.truncated, f.what, 0, 0};
        PositionOf(text, f.offset, e.line, e.column);
        return e;
    }
}

bool IsWholeNumber(std::string_view text) {
    if (PlainInteger(text)) return true;
    const Decimal d = DecimalOf(text);
    return static_cast<long long>(d.digits.size()) <= d.point || d.digits.empty();
}

int CompareNumber(std::string_view text, long long bound) {
    if (const auto value = PlainInteger(text)) return (*value > bound) - (*value < bound);
    return CompareDecimals(DecimalOf(text), DecimalOf(std::to_string(bound)));
}

void PositionOf(std::string_view text, std::size_t offset, int& line, int& column) {
    line = 1;
    column = 1;
    offset = std::min(offset, text.size());
    for (std::size_t i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = detail::Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        const char c = text[i];
        if (length > 1) {
            out.append(text.substr(i, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            switch (c) {
                case '\b': out += "\\b"; break;
                case '\f': out += "\\f"; break;
                case '\n': out += "\\n"; break;
                case '\r': out += "\\r"; break;
                case '\t': out += "\\t"; break;
                default: {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
                    out += escaped;
                }
            }
        } else {
            out += c;
        }
        i += length;
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
    // The shortest digits that read back exactly, in fixed notation where a person reads numbers
    // (100000 stays "100000", not "1e+05"), in scientific notation far from there, where fixed
    // would take hundreds of zeros (5e-324).
    char buffer[64];
    if (value == 0) value = 0;  // no "-0"
    const double magnitude = std::fabs(value);
    const bool fixed = value == 0 || (magnitude >= 1e-4 && magnitude < 1e16);
    const auto [end, ec] =
        fixed ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec == std::errc{}) out.append(buffer, end);
}

}  // namespace ventrose::navlog
