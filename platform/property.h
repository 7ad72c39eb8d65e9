#pragma once

#include <string_view>

namespace ventrose::platform {

// The properties that window code sets and a view mirrors.
enum class Property { Caption, Text, Value, Visible, Left, Top, Min, Max, SmallChange, LargeChange, X1, Y1, X2, Y2 };

std::string_view PropertyName(Property property);

}  // namespace ventrose::platform
