// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "common/tr.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::testing {

// A stand-in English for the window tests, which know no Qt: every text between ‹ and ›, so that
// a text written in the wrong language shows. A unit pattern keeps its digits' places («‹0 Kts›»
// renders «‹152 Kts›»).
inline std::string Marked(const char*, const char* french) {
    return std::string("\u2039") + french + "\u203A";
}

// Installs Marked for a test and puts French back after it.
struct MarkedEnglish {
    MarkedEnglish() { common::InstallTranslator(Marked); }
    ~MarkedEnglish() {
        common::SetCurrentLanguage(common::Language::French);
        common::InstallTranslator(nullptr);
    }
    MarkedEnglish(const MarkedEnglish&) = delete;
    MarkedEnglish& operator=(const MarkedEnglish&) = delete;
};

// The language chosen while windows are open, as the language menu does it.
inline void SwitchLanguage(platform::Runtime& runtime, common::Language to) {
    const common::Language previous = common::CurrentLanguage();
    common::SetCurrentLanguage(to);
    runtime.retranslate(previous);
}

// Everything a person sees of a window, one line per control: what two windows that show the same
// thing have in common.
inline std::string Seen(const platform::Form& form) {
    std::string seen = form.caption() + "\n";
    for (const auto& c : form.controls()) {
        seen += c->name() + " «" + c->caption() + "» «" + c->text() + "» " +
                std::to_string(c->value()) + (c->visible() ? " shown" : " hidden") +
                (c->selected() ? " selected" : "") + " «" + c->toolTipText() + "»\n";
    }
    return seen;
}

}  // namespace ventrose::testing
