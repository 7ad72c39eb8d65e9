// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/line_splitter.h"

#include <algorithm>

namespace ventrose::simlink {

void LineSplitter::Reset() {
    size_ = 0;
    overlong_ = false;
}

void LineSplitter::append(std::string_view piece) {
    if (overlong_) return;
    if (piece.size() > buffer_.size() - size_) {
        overlong_ = true;
        size_ = 0;
        return;
    }
    std::copy(piece.begin(), piece.end(), buffer_.begin() + static_cast<std::ptrdiff_t>(size_));
    size_ += piece.size();
}

SplitLine LineSplitter::takeLine() {
    std::size_t length = size_;
    if (length > 0 && buffer_[length - 1] == '\r') --length;
    const bool discarded = overlong_ || length > kMaxLineBytes;
    const std::string_view text =
        discarded ? std::string_view() : std::string_view(buffer_.data(), length);
    Reset();
    return {text, discarded};
}

}  // namespace ventrose::simlink
