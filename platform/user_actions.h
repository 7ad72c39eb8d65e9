// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ventrose::platform {

class Control;
class Form;

// What a person does, with a person's limits. Each action is refused (returns false, changes
// nothing) when its window cannot take input because another window is shown modally over it,
// or when the application has ended; otherwise it sets properties as window code does, so the
// same handlers run.
enum class Toward { Min, Max };

// The character codes that a key press carries for the editing keys.
inline constexpr int kBackspaceKey = 8;
inline constexpr int kEnterKey = 13;
inline constexpr int kEscapeKey = 27;

// The keys that type nothing but a window may take (KeyDown), by their key codes, and the shift
// mask that comes with them.
inline constexpr int kTabKey = 9;
inline constexpr int kUpKey = 38;
inline constexpr int kDownKey = 40;
inline constexpr int kShiftMask = 1;

bool ArrowClick(Control& bar, Toward toward);   // by SmallChange, within Min..Max
bool TroughClick(Control& bar, Toward toward);  // by LargeChange, within Min..Max
bool ThumbRelease(Control& bar, int value);     // dragged thumb released at value
bool Click(Control& control);                   // button, option, check box, label, image
bool ClickForm(Form& form);                     // the bare window
// One file dropped onto the window, by its path: refused by a window that takes no files
// (Form::takesDroppedFiles).
bool DropFile(Form& form, const std::string& path);
// One key press in a text box: the box's KeyPress handler may replace the code or set it to 0;
// then Backspace (kBackspaceKey) removes the selection or the character before the caret, other
// control codes insert nothing, and any other code replaces the selection or is inserted at the
// caret, which follows it.
bool KeyPress(Control& box, int keyAscii);
// A key that types nothing pressed in a text box (kTabKey, kUpKey, kDownKey, with kShiftMask for
// Shift+Tab): the box's KeyDown handler runs, and takes the key by setting `keyCode` to 0. A key
// left to the toolkit does what it does everywhere (Tab moves the focus on), which the model
// learns as it learns any move of the focus.
bool KeyDown(Control& box, int& keyCode, int shift);
bool DeleteKey(Control& box);  // the selection, or the character after the caret
bool Paste(Control& box,
           std::string_view text);  // at the caret, no key filter, control characters dropped
bool ClearText(Control& box);       // select all and delete, no key filter
// The caret put at `start` and `length` characters selected from it (toward the start when
// negative), with the mouse or the arrow keys; no key filter runs.
bool Select(Control& box, int start, int length);
// The close box of the title bar (or Escape): the window's QueryUnload may keep it open.
bool CloseRequest(Form& form);
// The person puts the keyboard focus on a control (a click, Tab). Typing, pasting, deleting and
// selecting in a box put it there too, since a person does them where the focus is.
bool Focus(Control& control);
// A key combination pressed in the window ("Ctrl+S", Qt's portable text): clicks the shown
// control whose design has that shortcut, if any.
bool PressShortcut(Form& form, std::string_view keys);
// One notch of the mouse wheel over a control: on a scroll bar, or a control whose design names
// the bar the wheel moves over it (ControlDesign::wheelBar), one click on the bar's arrow toward
// `toward`; over any other control, nothing (and false).
bool Wheel(Control& control, Toward toward);

}  // namespace ventrose::platform
