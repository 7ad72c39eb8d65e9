// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ventrose::platform::qt {

// Dynamic properties that keep on each widget the model's values it was last given where the
// widget itself cannot give them back exactly (twips, a reversed range, a caption whose line
// breaks the widget shows its own way). Written only when mirroring.
inline constexpr char kCaptionProperty[] = "ventroseCaption";
inline constexpr char kLeftProperty[] = "ventroseLeft";
inline constexpr char kTopProperty[] = "ventroseTop";
inline constexpr char kMinProperty[] = "ventroseMin";
inline constexpr char kMaxProperty[] = "ventroseMax";
inline constexpr char kX1Property[] = "ventroseX1";
inline constexpr char kY1Property[] = "ventroseY1";
inline constexpr char kX2Property[] = "ventroseX2";
inline constexpr char kY2Property[] = "ventroseY2";
inline constexpr char kForeColourProperty[] = "ventroseForeColour";

}  // namespace ventrose::platform::qt
