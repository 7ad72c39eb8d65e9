// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "navlog/lognav.h"

// What the log's printed pages and its CSV share: a figure as the window shows it, made bare for
// a column whose header gives its unit, and the fuel unit as those headers name it. Both follow
// the current language (common::CurrentLanguage()); French is the window's own text.
namespace ventrose::navlog::detail {

// `text` («102 kts», «12,5», «> 32767 mn», «X») without the unit the window shows after it, with
// the decimal mark of the current language: «102», «12,5» in French, «12.5» in English. The
// units taken off are the window's in either language (°, kts or kt, mn or min, NM), so that the
// documents follow the window whichever it speaks.
std::string BareFigure(std::string_view text);

// The fuel unit as a column header names it: the conversions window's «Litres», «US Gallons»…
// in French, the pilots' L, US gal, lb and kg in English.
std::string FuelUnitLabel(UniteCarbu unite);

}  // namespace ventrose::navlog::detail
