// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/settings_file.h"

#include "common/tr.h"

namespace ventrose::preferences {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

bool IsPlainName(std::string_view name) {
    if (name.empty()) return false;
    for (const char c : name)
        if (!IsNameCharacter(c)) return false;
    return true;
}

// Plain names joined by single backslashes, none empty.
bool IsPlainKey(std::string_view key) {
    for (;;) {
        const std::size_t separator = key.find('\\');
        if (!IsPlainName(key.substr(0, separator))) return false;
        if (separator == std::string_view::npos) return true;
        key.remove_prefix(separator + 1);
    }
}

bool IsPlainValue(std::string_view value) {
    for (const char c : value) {
        if (c == '@' || c == '"' || c == '\\' || c == ';' || c == '#' || c == '=' || c == '\t')
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsGeneral(std::string_view section) {
    constexpr std::string_view kGeneral = "general";
    if (section.size() != kGeneral.size()) return false;
    for (std::size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kGeneral[i])
            return false;
    }
    return true;
}

SettingsFileRefusal Refused(std::size_t line, const std::string& why) {
    return {common::Arg(common::Tr("Settings", "ligne %1 : %2"), {std::to_string(line), why})};
}

}  // namespace

std::variant<SettingsFile, SettingsFileRefusal> ReadSettingsFile(std::string_view bytes) {
    SettingsFile file;
    if (bytes.starts_with(kByteOrderMark)) {
        file.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string section;
    for (std::size_t number = 1; !bytes.empty(); ++number) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.size() > kMaxSettingsLineBytes)
            return Refused(number, common::Arg(common::Tr("Settings", "plus longue que %1 octets"),
                                               {std::to_string(kMaxSettingsLineBytes)}));
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte < 0x20 && c != '\t') || byte >= 0x7F)
                return Refused(
                    number, common::Tr("Settings", "un octet qui n'est pas de l'ASCII imprimable"));
        }
        line = Trimmed(line);
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (!line.ends_with(']'))
                return Refused(number,
                               common::Tr("Settings", "ni une [section] ni une clé=valeur"));
            const std::string_view name = line.substr(1, line.size() - 2);
            if (!IsPlainName(name) || IsGeneral(name))
                return Refused(
                    number,
                    common::Tr("Settings", "un nom de section que ce programme n'écrit jamais"));
            section = name;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return Refused(number, common::Tr("Settings", "ni une [section] ni une clé=valeur"));
        if (section.empty())
            return Refused(number, common::Tr("Settings", "une clé avant toute section"));
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (!IsPlainKey(key))
            return Refused(number,
                           common::Tr("Settings", "un nom de clé que ce programme n'écrit jamais"));
        if (!IsPlainValue(value))
            return Refused(number, common::Tr("Settings",
                                              "une valeur typée, entre guillemets ou échappée, que "
                                              "ce programme n'écrit jamais"));
        std::string path = section + '/' + std::string(key);
        for (char& c : path)
            if (c == '\\') c = '/';
        file.settings.push_back({std::move(path), std::string(value)});
    }
    return file;
}

}  // namespace ventrose::preferences
