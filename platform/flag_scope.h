// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ventrose::platform {

// Raises a window's flag for as long as the scope lasts and then puts back what it was, so that
// the handlers a window's own change sets off can tell it from a person's, nested changes
// included.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = was_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace ventrose::platform
