// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/flightgear_props.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace ventrose::simlink {

namespace {

// Longer than any double FlightGear writes; a longer "number" is not one of its replies.
constexpr std::size_t kMaxNumberChars = 64;

std::string_view Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::variant<double, FlightGearLineError> ParseValue(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > kMaxNumberChars) return FlightGearLineError::NoNumber;
    double value = 0;
    // from_chars ignores the locale: FlightGear writes a point whatever its own locale.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return FlightGearLineError::NotFinite;
    if (error != std::errc() || end != text.data() + text.size()) {
        return FlightGearLineError::NoNumber;
    }
    if (!std::isfinite(value)) return FlightGearLineError::NotFinite;
    return value;
}

// In interactive mode the prompt ("/> ", or "<directory>> ") has no line end and so starts the
// next line.
std::string_view WithoutPrompt(std::string_view line) {
    const std::size_t mark = line.find("> ");
    if (mark == std::string_view::npos || !line.starts_with('/')) return line;
    const std::string_view prompt = line.substr(0, mark);
    if (prompt.find_first_of(" '=") != std::string_view::npos) return line;
    return line.substr(mark + 2);
}

}  // namespace

std::string GetCommand(std::string_view path) {
    std::string command = "get ";
    command += path;
    command += "\r\n";
    return command;
}

const std::string& PollCommands() {
    static const std::string commands = [] {
        std::string all;
        for (const FlightGearProperty& p : kFlightGearProperties) all += GetCommand(p.path);
        return all;
    }();
    return commands;
}

std::optional<std::size_t> FindFlightGearProperty(std::string_view path) {
    for (std::size_t i = 0; i < kFlightGearPropertyCount; ++i) {
        if (kFlightGearProperties[i].path == path) return i;
    }
    return std::nullopt;
}

std::optional<double> LocalSecondsFromOffset(double utcSeconds, double offsetSeconds) {
    if (!(std::abs(offsetSeconds) <= kMaxLocalOffsetSeconds)) return std::nullopt;
    const double local = std::fmod(utcSeconds + offsetSeconds, kSecondsPerDay);
    const double wrapped = local < 0 ? local + kSecondsPerDay : local;
    return wrapped >= kSecondsPerDay ? 0 : wrapped;
}

std::variant<FlightGearReply, FlightGearLineError> ParseFlightGearLine(std::string_view line) {
    line = WithoutPrompt(line);
    std::string_view path;
    std::string_view valueText = line;
    // "/path = 'value' (type)": the value is between the first quote and the next one.
    if (const std::size_t equals = line.find(" = '"); equals != std::string_view::npos) {
        path = Trimmed(line.substr(0, equals));
        const std::string_view rest = line.substr(equals + 4);
        const std::size_t quote = rest.find('\'');
        if (path.empty() || quote == std::string_view::npos) return FlightGearLineError::NoNumber;
        valueText = rest.substr(0, quote);
    }
    const auto value = ParseValue(valueText);
    if (const auto* error = std::get_if<FlightGearLineError>(&value)) return *error;
    return FlightGearReply{path, std::get<double>(value)};
}

}  // namespace ventrose::simlink
