// SPDX-License-Identifier: GPL-3.0-or-later
// design_texts: writes, as C++ that lupdate reads, every caption of the windows whose designs
// are translated, each in its window's context. The runtime translates a design's captions when
// the window loads (common::TrText with the form's name), texts that no Tr call in the source
// names: this list is how lupdate learns them, made from the designs themselves so that it never
// drifts from them.
#include <iostream>
#include <string>

#include "about/frmquit.h"
#include "airspeed/frmvitesse.h"
#include "conversions/frmconversions.h"
#include "descent/frmdescente.h"
#include "navlog/frmlog.h"
#include "platform/design.h"
#include "wind/frmmaincalc.h"

namespace {

// A C string literal of a UTF-8 text: only the quote and the backslash need escaping, the
// designs hold no control characters.
std::string Literal(const std::string& text) {
    std::string literal = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') literal += '\\';
        literal += c;
    }
    return literal + '"';
}

// A caption made only of blanks is a spacer, not a text to translate.
bool IsText(const std::string& caption) {
    return caption.find_first_not_of(' ') != std::string::npos;
}

void Write(const ventrose::platform::FormDesign& design) {
    const std::string context = Literal(design.name);
    if (IsText(design.caption))
        std::cout << "QT_TRANSLATE_NOOP(" << context << ", " << Literal(design.caption) << ");\n";
    for (const ventrose::platform::ControlDesign& control : design.controls) {
        // A value label may hold its own name until the window writes it: no text to translate.
        if (control.kind == ventrose::platform::ControlKind::TextBox || !IsText(control.caption) ||
            control.caption == control.name)
            continue;
        std::cout << "QT_TRANSLATE_NOOP(" << context << ", " << Literal(control.caption) << ");\n";
    }
}

}  // namespace

int main() {
    std::cout << "// Made by design_texts from the windows' designs, for lupdate only.\n";
    // The windows translated so far; each next one joins this list with its English.
    Write(ventrose::wind::FrmMainCalc::Design());
    Write(ventrose::about::FrmQuit::Design());
    Write(ventrose::airspeed::FrmVitesse::Design());
    Write(ventrose::conversions::FrmConversions::Design());
    Write(ventrose::descent::FrmDescente::Design());
    Write(ventrose::navlog::FrmLog::Design());
    return 0;
}
