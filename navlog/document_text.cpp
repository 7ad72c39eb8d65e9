// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/document_text.h"

#include "common/tr.h"

namespace ventrose::navlog::detail {

std::string BareFigure(std::string_view text) {
    for (const std::string_view unit : {" °", " kts", " kt", " mn", " min", " NM"}) {
        if (text.ends_with(unit)) {
            text.remove_suffix(unit.size());
            break;
        }
    }
    std::string bare(text);
    // The window's figures are written with the comma; only English changes it.
    const char mark = common::DecimalMark();
    if (mark != ',') {
        for (char& c : bare)
            if (c == ',') c = mark;
    }
    return bare;
}

std::string FuelUnitLabel(UniteCarbu unite) {
    switch (unite) {
        case UniteCarbu::USGall: return common::Tr("LogDocuments", "US Gallons");
        case UniteCarbu::Litres: return common::Tr("LogDocuments", "Litres");
        case UniteCarbu::Lbs: return common::Tr("LogDocuments", "Lbs");
        case UniteCarbu::Kilo: return common::Tr("LogDocuments", "Kilo");
    }
    return std::string(UniteText(unite));
}

}  // namespace ventrose::navlog::detail
