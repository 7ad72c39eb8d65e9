// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ventrose::platform {

class Control;

// What a screen reader says for a control, found from the window's own layout rather than told
// by each window, so that every window gets it alike.
//
// A caption label (its design text is words, not a placeholder), a button, an option and a frame
// are named by their own caption. A scroll bar, a text box and a value label (a single-line label
// whose design text is empty, its own name or no words, and which the window fills) are named by
// the caption label beside them: the nearest one on the same row to the left, else on the row
// just above; failing that, a bar or a box takes its frame's caption and a value label its own
// text. A label whose text the window writes at length (a wrapped placeholder) is named by that
// text. Lines, shapes and pictures say nothing. An element of a control array named by its place
// is named as the first row of its column stands in the design, followed by its row ("Rm 5").
std::string AccessibleNameOf(const Control& control);

// A value label's current text, so that a reader that gave the caption can give the value too,
// followed by ", pas à jour" (", not current" in English) while it is stale; or, when its window
// attached a note to it (Control::toolTipText), the note instead, which says in full what a short
// value stands for. For any other control, its note.
std::string AccessibleDescriptionOf(const Control& control);

// True for a label whose design text is words: a caption, which names the controls beside it.
bool IsCaptionLabel(const Control& control);

// True for a label that shows a value the window computes.
bool IsValueLabel(const Control& control);

// True for a label that the design makes the name of another control: its new text renames it.
bool NamesAnother(const Control& label);

// A caption as one line of speech: line breaks and runs of blanks become one space.
std::string Spoken(const std::string& caption);

}  // namespace ventrose::platform
