// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_ref.h"
#include "platform/form.h"
#include "simlink/sim_values.h"

namespace ventrose::simfollow {

// One calculator's side of the simulator link. The window owns one, gives it its check box, its
// status label, the labels shown only while linked, the labels that show the values the link
// moves, and the function that sets its inputs from the simulator's values through its controls
// (bars moved with setValue, as window code moves them, so that every handler runs).
//
// While the link receives nothing, the status line is red, and the values it moved, no longer
// current, are marked stale (while the window follows: a value the person set is theirs).
//
// Everything it is told is remembered in the form object, which outlives the controls: a
// window loaded while linked shows the link at once, its box ticked, with the latest values.
// With no link chosen it never touches a control, and the window is as its design draws it.
//
// The values are applied as window code sets properties, not as a person's actions: a modal
// window over the calculator does not stop them (the main window goes on following under the
// airspeed window). While a message box is up, a handler of some window waits in the middle of
// its work; values are then only remembered, and the next ones after it closes are applied.
class Following {
public:
    using Apply = std::function<void(const simlink::SimValues&)>;

    Following(platform::Form& form, platform::CheckBoxRef box, platform::LabelRef status,
              std::vector<platform::LabelRef> shownWhileLinked,
              std::vector<platform::LabelRef> followedValues, Apply apply);

    // A link chosen (its controls shown, following turned on, nothing received yet) or none
    // (hidden, not following).
    void setLink(bool linked);
    // The link's state in words (LinkState::Status(), shown in the current language through
    // simlink::ShownStatus), and whether values are coming.
    void setStatus(std::string_view status, bool receiving);
    // After the language changed: the status line again, in the new language. The window's
    // language handler calls it.
    void languageChanged();
    void deliver(const simlink::SimValues& values);
    // At the end of each load, after the window's own Form_Load.
    void loaded();
    // The box's Click handler: ticked, the latest values are applied at once.
    void boxClicked();
    // From the Change (or KeyPress) handler of a control the link feeds: when a person is moving
    // that very control, following stops in this window and the box is unticked.
    void stopIfByHand(const platform::Control& control);

    bool linked() const { return linked_; }
    bool following() const;

private:
    void show();
    void markWaiting();

    platform::Form& form_;
    platform::CheckBoxRef box_;
    platform::LabelRef status_;
    std::vector<platform::LabelRef> shownWhileLinked_;
    std::vector<platform::LabelRef> followedValues_;
    Apply apply_;
    bool linked_ = false;
    bool receiving_ = false;
    std::string statusText_;
    std::optional<simlink::SimValues> latest_;
};

}  // namespace ventrose::simfollow
