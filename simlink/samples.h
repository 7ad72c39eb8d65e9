// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "simlink/sim_values.h"

namespace ventrose::simlink {

// A value older than this is no longer the simulator's: it is not shown, and a link without a
// newer one says "pas de données".
inline constexpr std::int64_t kNoDataAfterMs = 2000;

inline constexpr std::size_t kMaxSources = 16;

// The latest value of each source of one simulator (a dataref, a property), in a fixed space
// whatever arrives: a flood of replies only overwrites the same few numbers.
//
// Some quantities have several sources, in order of preference (X-Plane 12's name of a weather
// dataref, then X-Plane 11's). Of those that answered within kNoDataAfterMs, the first whose
// value is not zero wins; if all of them read zero, the value is zero. Zero is set aside
// because whether X-Plane answers a dataref it does not know with zeros or not at all is not
// documented: either way the name it knows wins, and where both are known they agree.
class Samples {
public:
    // `quantities[i]` is what source i measures. Sources beyond kMaxSources are ignored.
    explicit Samples(std::span<const Quantity> quantities);

    // Keeps a value already converted and checked (IsPlausible). A source out of range is ignored.
    void Put(std::size_t source, double value, std::int64_t atMs);
    void Clear();

    // The values received in the kNoDataAfterMs before nowMs, by the rule above.
    SimValues Fresh(std::int64_t nowMs) const;

private:
    struct Sample {
        double value = 0;
        std::int64_t atMs = 0;
        bool present = false;
    };

    std::array<Quantity, kMaxSources> quantities_{};
    std::size_t count_ = 0;
    std::array<Sample, kMaxSources> samples_{};
};

}  // namespace ventrose::simlink
