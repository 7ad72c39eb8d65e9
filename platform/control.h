// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "platform/design.h"
#include "platform/property.h"

namespace ventrose::platform {

class Form;

// A control of a loaded form. It holds every property that window code reads or sets; setting
// a property to a new value announces the change to the views, and the two settings that a
// person's input also makes (a scroll bar's value, an option's selection) run the control's
// handler synchronously before the setter returns. Setting the value it already has does
// nothing at all.
class Control {
public:
    // `index` is the element's row, from 1, in a control array; 0 for a single control.
    Control(Form& form, const ControlDesign& design, std::size_t row, int index = 0);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const ControlDesign& design() const { return design_; }
    std::size_t row() const { return row_; }  // its row in the form's design
    int index() const { return index_; }      // its row in its array, from 1; 0 when single
    ControlKind kind() const { return design_.kind; }
    // The design's name, or `name(index)` for an element of an array.
    const std::string& name() const { return name_; }
    const std::string& container() const { return design_.container; }
    bool isScrollBar() const {
        return kind() == ControlKind::HScrollBar || kind() == ControlKind::VScrollBar;
    }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // Text boxes: setting a new text puts the caret at its end, with nothing selected. A new
    // text, whoever sets it, runs the Change handler, after the caret has moved.
    const std::string& text() const { return text_; }
    void setText(std::string text);

    // The caret and the selection, in characters. The selection runs from selStart() for
    // selLength() characters; the caret stands at one of its ends (the anchor at the other), so
    // that extending a selection with the keyboard goes on from where the person left it.
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    int caret() const { return caretAtStart_ ? selStart_ : selStart_ + selLength_; }
    int anchor() const { return caretAtStart_ ? selStart_ + selLength_ : selStart_; }
    // The anchor at `start`, the caret `length` characters from it (before it when negative);
    // both are kept within the text.
    void setSelection(int start, int length);
    // A person's edit: the new text, with the caret at `caret` and nothing selected.
    void edit(std::string text, int caret);

    // Scroll bars: a 16-bit value kept within Min..Max (whichever way round they are); a value
    // outside is brought to the nearer end. A new value runs the Change handler.
    // Check boxes: 0 or 1 (ticked); any other value is brought to the nearer, and a new value
    // runs the Click handler, as a person's click does.
    int value() const { return value_; }
    void setValue(int value);
    int min() const { return min_; }
    int max() const { return max_; }
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    void setMin(int min);
    void setMax(int max);
    void setSmallChange(int change);
    void setLargeChange(int change);
    int lowest() const { return min_ < max_ ? min_ : max_; }
    int highest() const { return min_ < max_ ? max_ : min_; }

    // Option buttons: selecting an unselected option clears the others of its container and
    // runs its Click handler. Deselecting runs nothing.
    bool selected() const { return selected_; }
    void setSelected(bool selected);

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // The colour of the text, as the design gives it at each load; kDefaultColour is the
    // toolkit's own. A window sets it to call attention to a value (a fuel below the reserve).
    Colour foreColour() const { return foreColour_; }
    void setForeColour(Colour colour);

    // A value that is no longer current: what a simulator that stopped sending last gave. A view
    // dims it, and a screen reader says so with its value. False at each load.
    bool stale() const { return stale_; }
    void setStale(bool stale);
    // A short note the window attaches to a control to say why it stands out (a value it takes
    // for a slip): shown when the pointer rests on it, and said by a screen reader after its
    // name. Empty at each load.
    const std::string& toolTipText() const { return toolTipText_; }
    void setToolTipText(std::string text);

    // A command that cannot act now: shown greyed, left out of the keyboard's way, and a
    // person's click or its keys reach no handler (its note says why). True at each load.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    int left() const { return left_; }
    int top() const { return top_; }
    void setLeft(int left);
    void setTop(int top);
    int width() const { return design_.width; }
    int height() const { return design_.height; }

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setLine(int x1, int y1, int x2, int y2);

private:
    void changed(Property property);
    void clampValue();
    void setBound(int& field, int value, Property property);

    Form& form_;
    const ControlDesign& design_;
    std::size_t row_;
    int index_;
    std::string name_;
    std::string caption_;
    std::string text_;
    int selStart_ = 0, selLength_ = 0;
    bool caretAtStart_ = false;
    int value_;
    int min_, max_, smallChange_, largeChange_;
    bool selected_;
    bool visible_;
    Colour foreColour_;
    bool stale_ = false;
    std::string toolTipText_;
    bool enabled_ = true;
    int left_, top_;
    int x1_, y1_, x2_, y2_;
};

// Brings any integer into the 16-bit range that every scroll-bar property has.
int ClampTo16(long long value);

}  // namespace ventrose::platform
