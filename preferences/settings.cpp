// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/settings.h"

#include <cstdio>
#include <map>
#include <optional>
#include <variant>

#include "common/tr.h"

namespace ventrose::preferences {

namespace {

constexpr std::string_view kWindowsPrefix = "windows/";

// A value as a warning may show it: printable ASCII, other bytes as \xHH, cut after 40 bytes,
// so that garbage in the file cannot garble the terminal it is reported on.
std::string Quoted(std::string_view value) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < value.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    if (value.size() > kShown) out += "...";
    return out + "\"";
}

std::string Lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::optional<bool> ParseBool(std::string_view text) {
    const std::string lowered = Lowered(text);
    if (lowered == "true" || lowered == "1") return true;
    if (lowered == "false" || lowered == "0") return false;
    return std::nullopt;
}

enum class Axis { X, Y };

struct WindowKey {
    std::string_view form;
    Axis axis;
};

// "windows/<form>/x" or ".../y" with a well-formed form name; anything else is not ours.
std::optional<WindowKey> ParseWindowKey(std::string_view key) {
    if (!key.starts_with(kWindowsPrefix)) return std::nullopt;
    key.remove_prefix(kWindowsPrefix.size());
    if (key.size() < 3 || key[key.size() - 2] != '/') return std::nullopt;
    const char axis = key.back();
    if (axis != 'x' && axis != 'y') return std::nullopt;
    const std::string_view form = key.substr(0, key.size() - 2);
    if (!IsWindowName(form)) return std::nullopt;
    return WindowKey{form, axis == 'x' ? Axis::X : Axis::Y};
}

std::string PositionKey(std::string_view form, Axis axis) {
    return std::string(kWindowsPrefix) + std::string(form) + (axis == Axis::X ? "/x" : "/y");
}

// A coordinate, or the reason it is not one.
struct Coordinate {
    std::optional<int> value;
    std::string problem;
};

Coordinate ParseCoordinate(std::string_view text) {
    std::string_view digits = text;
    const bool negative = digits.starts_with('-');
    if (negative) digits.remove_prefix(1);
    const auto notWhole = [text] {
        return Coordinate{
            std::nullopt,
            common::Arg(common::Tr("Settings", "pas un nombre entier : %1"), {Quoted(text)})};
    };
    if (digits.empty()) return notWhole();
    long magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return notWhole();
        // Saturate: the digits may go on for 256 bytes.
        if (magnitude <= kMaxCoordinate) magnitude = magnitude * 10 + (c - '0');
    }
    if (magnitude > kMaxCoordinate) {
        return {std::nullopt,
                common::Arg(common::Tr("Settings", "hors des limites (-100000 à 100000) : %1"),
                            {Quoted(text)})};
    }
    return {static_cast<int>(negative ? -magnitude : magnitude), {}};
}

// What has been read so far of one window's position; each coordinate keeps whether its key came.
struct PartialPosition {
    std::optional<int> x, y;
    bool xSeen = false, ySeen = false;
};

class Reader {
public:
    void read(const Setting& s) {
        if (s.key == kOnTopKey) {
            result_.preferences.onTop = false;
            if (!fits(s)) return;
            if (const auto v = ParseBool(s.value)) {
                result_.preferences.onTop = *v;
            } else {
                warn(s.key, common::Arg(common::Tr("Settings", "ni « true » ni « false » : %1"),
                                        {Quoted(s.value)}));
            }
        } else if (s.key == kPaletteKey) {
            result_.preferences.palette = Palette::Jour;
            if (!fits(s)) return;
            if (const auto v = ParsePalette(s.value)) {
                result_.preferences.palette = *v;
            } else {
                warn(s.key,
                     common::Arg(
                         common::Tr("Settings", "ni « jour », ni « nuit », ni « nuit-rouge » : %1"),
                         {Quoted(s.value)}));
            }
        } else if (s.key == kSimLinkKey) {
            result_.preferences.simLink.reset();
            if (!fits(s)) return;
            const simlink::ParsedLink parsed = simlink::ParseLinkChoice(s.value);
            if (const auto* link = std::get_if<std::optional<simlink::LinkChoice>>(&parsed)) {
                result_.preferences.simLink = *link;
            } else {
                warn(s.key, common::Arg(common::Tr("Settings",
                                                   "ni « aucun » ni un simulateur avec sa machine "
                                                   "et son port : %1"),
                                        {Quoted(s.value)}));
            }
        } else if (s.key == kLanguageKey) {
            result_.preferences.language.reset();
            if (!fits(s)) return;
            if (const auto v = common::LanguageNamed(Lowered(s.value))) {
                result_.preferences.language = *v;
            } else {
                warn(s.key, common::Arg(common::Tr("Settings", "ni « fr » ni « en » : %1"),
                                        {Quoted(s.value)}));
            }
        } else if (const auto key = ParseWindowKey(s.key)) {
            PartialPosition& p = windows_[std::string(key->form)];
            std::optional<int>& coordinate = key->axis == Axis::X ? p.x : p.y;
            (key->axis == Axis::X ? p.xSeen : p.ySeen) = true;
            coordinate.reset();
            if (!fits(s)) return;
            Coordinate c = ParseCoordinate(s.value);
            if (c.value) {
                coordinate = c.value;
            } else {
                warn(s.key, std::move(c.problem));
            }
        }
    }

    ReadResult finish() && {
        for (const auto& [form, p] : windows_) {
            if (p.x && p.y) {
                result_.preferences.windowPositions.emplace(form, Point{*p.x, *p.y});
            } else if ((p.x && !p.ySeen) || (p.y && !p.xSeen)) {
                warn(PositionKey(form, p.x ? Axis::Y : Axis::X),
                     common::Tr("Settings",
                                "absente, donc la position de la fenêtre n'est pas utilisée"));
            }
        }
        return std::move(result_);
    }

private:
    bool fits(const Setting& s) {
        if (s.value.size() <= kMaxValueBytes) return true;
        warn(s.key, common::Arg(common::Tr("Settings", "plus longue que 256 octets (%1)"),
                                {std::to_string(s.value.size())}));
        return false;
    }

    void warn(std::string key, std::string reason) {
        result_.warnings.push_back({std::move(key), std::move(reason)});
    }

    ReadResult result_{};
    std::map<std::string, PartialPosition, std::less<>> windows_{};
};

}  // namespace

ReadResult ReadSettings(const std::vector<Setting>& settings) {
    if (settings.size() > kMaxSettings) {
        return {{},
                {{"", common::Arg(common::Tr("Settings",
                                             "%1 clés, plus de 1000 : tous les réglages sont "
                                             "ignorés"),
                                  {std::to_string(settings.size())})}}};
    }
    Reader reader;
    for (const Setting& s : settings) reader.read(s);
    return std::move(reader).finish();
}

std::vector<Setting> WriteSettings(const Preferences& preferences) {
    std::vector<Setting> out;
    out.push_back({std::string(kOnTopKey), preferences.onTop ? "true" : "false"});
    out.push_back({std::string(kPaletteKey), std::string(PaletteName(preferences.palette))});
    out.push_back({std::string(kSimLinkKey), simlink::LinkChoiceText(preferences.simLink)});
    if (preferences.language)
        out.push_back(
            {std::string(kLanguageKey), std::string(common::LanguageCode(*preferences.language))});
    for (const auto& [form, position] : preferences.windowPositions) {
        if (!IsWindowName(form) || !IsSavedPosition(position)) continue;
        out.push_back({PositionKey(form, Axis::X), std::to_string(position.x)});
        out.push_back({PositionKey(form, Axis::Y), std::to_string(position.y)});
    }
    return out;
}

}  // namespace ventrose::preferences
