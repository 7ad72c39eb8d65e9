// SPDX-License-Identifier: GPL-3.0-or-later
#include "magnetic/cof.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace ventrose::magnetic {

namespace {

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        while (!line.empty() &&
               (line.front() == ' ' || line.front() == '\t' || line.front() == '\r')) {
            line.remove_prefix(1);
        }
        std::size_t length = 0;
        while (length < line.size() && line[length] != ' ' && line[length] != '\t' &&
               line[length] != '\r') {
            ++length;
        }
        if (length > 0) fields.push_back(line.substr(0, length));
        line.remove_prefix(length);
    }
    return fields;
}

template <typename Number>
bool Read(std::string_view text, Number& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value)) return false;
    }
    return ec == std::errc{} && end == text.data() + text.size();
}

}  // namespace

std::optional<Coefficients> ReadCof(std::string_view text) {
    Coefficients c;
    std::array<bool, kCoefficients> seen{};
    bool header = false;
    bool ended = false;
    while (!text.empty() && !ended) {
        const auto newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        const auto fields = Fields(line);
        if (fields.empty()) continue;
        if (!header) {
            if (fields.size() != 3 || !Read(fields[0], c.epoch)) return std::nullopt;
            c.name = std::string(fields[1]);
            header = true;
            continue;
        }
        if (fields[0].starts_with("9999")) {
            ended = true;
            continue;
        }
        int n = 0, m = 0;
        double g = 0, h = 0, gDot = 0, hDot = 0;
        if (fields.size() != 6 || !Read(fields[0], n) || !Read(fields[1], m) ||
            !Read(fields[2], g) || !Read(fields[3], h) || !Read(fields[4], gDot) ||
            !Read(fields[5], hDot)) {
            return std::nullopt;
        }
        if (n < 1 || n > kDegree || m < 0 || m > n) return std::nullopt;
        const int i = n * (n + 1) / 2 + m;
        if (seen[i]) return std::nullopt;
        seen[i] = true;
        c.g[i] = g;
        c.h[i] = h;
        c.gDot[i] = gDot;
        c.hDot[i] = hDot;
    }
    if (!header || !ended) return std::nullopt;
    for (int i = 1; i < kCoefficients; ++i) {
        if (!seen[i]) return std::nullopt;
    }
    return c;
}

const Coefficients& Wmm2025() {
    // Read once, at the first variation asked for; the text is in the program, so this cannot
    // fail once its test passes (.value() would stop the program rather than go on without it).
    static const Coefficients coefficients = ReadCof(Wmm2025CofText()).value();
    return coefficients;
}

}  // namespace ventrose::magnetic
