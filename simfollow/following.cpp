// SPDX-License-Identifier: GPL-3.0-or-later
#include "simfollow/following.h"

#include <utility>

#include "platform/palette.h"
#include "platform/runtime.h"
#include "simlink/link_state.h"

namespace ventrose::simfollow {

Following::Following(platform::Form& form, platform::CheckBoxRef box, platform::LabelRef status,
                     std::vector<platform::LabelRef> shownWhileLinked,
                     std::vector<platform::LabelRef> followedValues, Apply apply)
    : form_(form),
      box_(std::move(box)),
      status_(std::move(status)),
      shownWhileLinked_(std::move(shownWhileLinked)),
      followedValues_(std::move(followedValues)),
      apply_(std::move(apply)) {}

bool Following::following() const { return linked_ && form_.loaded() && box_->value() != 0; }

void Following::setLink(bool linked) {
    if (!linked && !linked_) return;
    linked_ = linked;
    // Values from another simulator, or from before, are not this link's.
    latest_.reset();
    receiving_ = false;
    if (!linked) statusText_.clear();
    if (form_.loaded()) show();
}

void Following::setStatus(std::string_view status, bool receiving) {
    statusText_ = status;
    receiving_ = receiving;
    if (!linked_ || !form_.loaded()) return;
    status_->setCaption(simlink::ShownStatus(statusText_));
    markWaiting();
}

void Following::languageChanged() {
    if (linked_ && form_.loaded()) status_->setCaption(simlink::ShownStatus(statusText_));
}

void Following::deliver(const simlink::SimValues& values) {
    if (!linked_) return;
    latest_ = values;
    if (following() && !form_.runtime().messageBoxShown()) apply_(values);
}

void Following::loaded() {
    if (linked_) show();
}

// Ticking the box runs this handler, whichever ticked it: a person, a new link or a load.
void Following::boxClicked() {
    if (following() && latest_ && !form_.runtime().messageBoxShown()) apply_(*latest_);
    markWaiting();
}

void Following::stopIfByHand(const platform::Control& control) {
    if (following() && form_.runtime().isActedOnByPerson(control)) box_->setValue(0);
}

void Following::show() {
    status_->setCaption(linked_ ? simlink::ShownStatus(statusText_) : std::string());
    status_->setVisible(linked_);
    for (const platform::LabelRef& label : shownWhileLinked_) {
        label->setCaption(std::string());
        label->setVisible(linked_);
    }
    box_->setVisible(linked_);
    // Choosing a link turns following on: the box's handler applies the latest values.
    box_->setValue(linked_ ? 1 : 0);
    markWaiting();
}

void Following::markWaiting() {
    if (!form_.loaded()) return;
    const bool waiting = linked_ && !receiving_;
    status_->setForeColour(waiting ? platform::palette::kRed : status_->design().foreColour);
    for (const platform::LabelRef& label : followedValues_)
        label->setStale(waiting && box_->value() != 0);
}

}  // namespace ventrose::simfollow
