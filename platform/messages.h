// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/tr.h"
#include "platform/runtime.h"

namespace ventrose::platform {

// A message box as the windows give it: its text, its style (icon and buttons) and its title, in
// French, marked with TrNoop under the context "Messages" and shown in the current language.
struct Message {
    const char* prompt;
    int style;
    const char* title;
};

// Style 48: the warning icon with one OK button.
inline constexpr int kWarningOk = 48;

// What a window tells a person whose key or text cannot belong to a number; the airspeed and
// the conversions windows say it in the same words.
inline constexpr Message kNotANumber{common::TrNoop("Messages", "Il faut entrer un nombre"),
                                     kWarningOk, common::TrNoop("Messages", "Erreur")};

inline void MsgBox(Runtime& runtime, const Message& message) {
    runtime.MsgBox(common::TrText("Messages", message.prompt), message.style,
                   common::TrText("Messages", message.title));
}

}  // namespace ventrose::platform
