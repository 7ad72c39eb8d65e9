// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/samples.h"

#include <algorithm>

namespace ventrose::simlink {

Samples::Samples(std::span<const Quantity> quantities)
    : count_(std::min(quantities.size(), kMaxSources)) {
    std::copy_n(quantities.begin(), count_, quantities_.begin());
}

void Samples::Put(std::size_t source, double value, std::int64_t atMs) {
    if (source >= count_) return;
    samples_[source] = {value, atMs, true};
}

void Samples::Clear() { samples_ = {}; }

SimValues Samples::Fresh(std::int64_t nowMs) const {
    SimValues values;
    for (const Quantity quantity : kQuantities) {
        std::optional<double>& out = ValueOf(values, quantity);
        for (std::size_t i = 0; i < count_; ++i) {
            const Sample& s = samples_[i];
            if (quantities_[i] != quantity || !s.present || nowMs - s.atMs >= kNoDataAfterMs) {
                continue;
            }
            if (!out) out = s.value;  // the preferred fresh source, until a non-zero one is found
            if (s.value != 0.0) {
                out = s.value;
                break;
            }
        }
    }
    return values;
}

}  // namespace ventrose::simlink
