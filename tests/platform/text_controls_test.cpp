// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/observer.h"
#include "platform/property.h"
#include "platform/runtime.h"
#include "platform/text.h"

namespace ventrose::platform {
namespace {

std::vector<char32_t> Decode(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) out.push_back(NextCodePoint(text, i));
    return out;
}

// A typed code reaches the box as one well-formed character: the one typed, or U+FFFD for a
// code that no character has.
struct CodeRow {
    const char* name;
    char32_t typed;
    char32_t kept;
    std::size_t bytes;
};
constexpr CodeRow kCodes[] = {
    {"Ascii", U'7', U'7', 1},
    {"TwoBytes", U'é', U'é', 2},
    {"LastOfTwoBytes", 0x7FF, 0x7FF, 2},
    {"ThreeBytes", U'€', U'€', 3},
    {"FourBytes", 0x1F6E9, 0x1F6E9, 4},
    {"HighestCharacter", 0x10FFFF, 0x10FFFF, 4},
    {"LoneSurrogate", 0xD800, 0xFFFD, 3},
    {"LastSurrogate", 0xDFFF, 0xFFFD, 3},
    {"BeyondUnicode", 0x110000, 0xFFFD, 3},
    {"NegativeKeyCode", static_cast<char32_t>(-5), 0xFFFD, 3},
};

TEST(Text, EveryTypedCodeIsOneWellFormedCharacter) {
    for (const CodeRow& row : kCodes) {
        SCOPED_TRACE(row.name);
        std::string text = "a";
        AppendCodePoint(text, row.typed);
        EXPECT_EQ(text.size(), 1 + row.bytes);
        EXPECT_EQ(Decode(text), (std::vector<char32_t>{U'a', row.kept}));
        EXPECT_EQ(WithoutLastCharacter(text), "a");
    }
}

// Backspace removes one character however many bytes it takes; a byte that starts no
// well-formed character is a character of its own.
struct EditRow {
    const char* name;
    const char* text;
    const char* withoutLast;
    const char* withoutControls;
};
constexpr EditRow kEdits[] = {
    {"Empty", "", "", ""},
    {"Accent", "-4é", "-4", "-4é"},
    {"Euro", "5€", "5", "5€"},
    {"TabsAndBreaks", "1\t2\r\n", "1\t2\r", "12"},
    {"Delete", "3\x7f", "3", "3"},
    {"StrayContinuationByte", "1\x80", "1", "1"},
    {"C1Control",
     "A\xc2\x85"
     "B\xc2\x9f",
     "A\xc2\x85"
     "B",
     "AB"},
    {"Latin1Byte", "\xe9", "", "\xc3\xa9"},
    {"TruncatedSequence", "9\xe2\x82", "9\xe2", "9\xc3\xa2"},
    {"BrokenSequence", "\xe2x\x82", "\xe2x", "\xc3\xa2x"},
};

TEST(Text, EditsKeepWholeCharacters) {
    for (const EditRow& row : kEdits) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WithoutLastCharacter(row.text), row.withoutLast);
        EXPECT_EQ(WithoutControlCharacters(row.text), row.withoutControls);
        // What a box keeps decodes to no control character and reads the same once more.
        const std::string kept = WithoutControlCharacters(row.text);
        for (const char32_t c : Decode(kept)) EXPECT_TRUE(c >= 32 && (c < 0x7F || c > 0x9F));
        EXPECT_EQ(WithoutControlCharacters(kept), kept);
    }
}

// A view tells properties apart by name: each has its own.
TEST(PropertyName, EveryPropertyHasItsOwnName) {
    std::set<std::string_view> names;
    for (int p = 0; p <= static_cast<int>(Property::ToolTipText); ++p) {
        const std::string_view name = PropertyName(static_cast<Property>(p));
        EXPECT_FALSE(name.empty() || name == "?") << p;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(Property::ToolTipText) + 1);
}

struct Announcements : Observer {
    void propertyChanged(Control& control, Property property) override {
        said.push_back(control.name() + "." + std::string(PropertyName(property)));
    }
    std::vector<std::string> said;
};

struct ControlTest : ::testing::Test {
    FormDesign design = [] {
        FormDesign d{.name = "frm"};
        d.controls.push_back(
            {.kind = ControlKind::HScrollBar, .name = "hsc", .min = 0, .max = 100, .value = 50});
        d.controls.push_back(
            {.kind = ControlKind::Line, .name = "lin", .x1 = 1, .y1 = 2, .x2 = 3, .y2 = 4});
        return d;
    }();
    HeadlessHost host;
    Runtime runtime{host};
    Form form{runtime, design};
    Announcements views;
    int changes = 0;

    void SetUp() override {
        form.onChange("hsc", [this] { ++changes; });
        runtime.Load(form);
        runtime.addObserver(views);
    }
};

// A range moved past the value brings the value inside and runs Change once; bounds and steps
// outside 16 bits are brought to its ends; an unchanged setting announces nothing.
TEST_F(ControlTest, RangeSettersKeepTheValueInside) {
    Control& bar = form["hsc"];
    bar.setMin(60);
    EXPECT_EQ(bar.value(), 60);
    EXPECT_EQ(changes, 1);
    bar.setMax(40);  // reversed: the value stays between the two
    EXPECT_EQ(bar.value(), 60);
    bar.setMax(-100000);
    EXPECT_EQ(bar.max(), -32768);
    EXPECT_EQ(bar.value(), 60);
    bar.setMin(10);
    EXPECT_EQ(bar.value(), 10);
    EXPECT_EQ(changes, 2);
    bar.setSmallChange(70000);
    bar.setLargeChange(7);
    bar.setLargeChange(7);
    EXPECT_EQ(bar.smallChange(), 32767);
    EXPECT_EQ(bar.largeChange(), 7);
    EXPECT_EQ(views.said,
              (std::vector<std::string>{"hsc.Min", "hsc.Value", "hsc.Max", "hsc.Max", "hsc.Min",
                                        "hsc.Value", "hsc.SmallChange", "hsc.LargeChange"}));
}

TEST_F(ControlTest, ALineAnnouncesOnlyTheEndsThatMoved) {
    Control& line = form["lin"];
    line.setLine(1, 20, 3, 40);
    line.setLine(1, 20, 3, 40);
    line.setLeft(5);
    line.setTop(6);
    line.setTop(6);
    EXPECT_EQ(line.y1(), 20);
    EXPECT_EQ(line.y2(), 40);
    EXPECT_EQ(views.said, (std::vector<std::string>{"lin.Y1", "lin.Y2", "lin.Left", "lin.Top"}));
}

}  // namespace
}  // namespace ventrose::platform
