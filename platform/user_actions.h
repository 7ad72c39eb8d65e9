#pragma once

#include <string_view>

namespace ventrose::platform {

class Control;
class Form;

// What a person does, with a person's limits. Each action is refused (returns false, changes
// nothing) when its window cannot take input because another window is shown modally over it,
// or when the application has ended; otherwise it sets properties as window code does, so the
// same handlers run.
enum class Toward { Min, Max };

bool ArrowClick(Control& bar, Toward toward);     // by SmallChange, within Min..Max
bool TroughClick(Control& bar, Toward toward);    // by LargeChange, within Min..Max
bool ThumbRelease(Control& bar, int value);       // dragged thumb released at value
bool Click(Control& control);                     // button, option, label, image
bool ClickForm(Form& form);                       // the bare window
// One key press in a text box: the box's KeyPress handler may replace the code or set it to 0;
// then 8 (Backspace) deletes the last character, other control codes insert nothing, and any
// other code is inserted at the end of the text.
bool KeyPress(Control& box, int keyAscii);
bool Paste(Control& box, std::string_view text);  // no key filter; control characters dropped
bool ClearText(Control& box);                     // select all and delete, no key filter
bool CloseRequest(Form& form);                    // the close box of the title bar
// The whole text as a person left it after editing in place (a view's own editor).
bool EditText(Control& box, std::string_view text);

}  // namespace ventrose::platform
