// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace ventrose::preferences {
namespace {

using namespace std::string_literals;

TEST(ReadSettingsFile, ReadsWhatQSettingsWritesAndAHandEditedCopyOfIt) {
    const auto read = ReadSettingsFile(
        "\xEF\xBB\xBF[display]\r\n  onTop = true \r\npalette=nuit-rouge\n\n[windows]\n"
        "frmMainCalc\\x=-120\nfrmMainCalc\\y=80\n[sim]\nlink=xplane:[::1]:49000\n"
        "[later.version]\nsome-key=1,2 words\nempty=");
    ASSERT_TRUE(std::holds_alternative<SettingsFile>(read));
    const SettingsFile& file = std::get<SettingsFile>(read);
    EXPECT_TRUE(file.byteOrderMark);
    const std::vector<Setting> expected = {
        {"display/onTop", "true"},          {"display/palette", "nuit-rouge"},
        {"windows/frmMainCalc/x", "-120"},  {"windows/frmMainCalc/y", "80"},
        {"sim/link", "xplane:[::1]:49000"}, {"later.version/some-key", "1,2 words"},
        {"later.version/empty", ""}};
    EXPECT_EQ(file.settings, expected);
}

// Each row is a way QSettings would read something other than plain text, or a file this
// program never wrote; the whole file is refused, saying which line.
TEST(ReadSettingsFile, RefusesAnythingElse) {
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } rows[] = {
        {"a typed value", "[display]\npalette=@Variant(\\0\\0\\0\\x7f)\n",
         "ligne 2 : une valeur typée, entre guillemets ou échappée"},
        {"a typed value in a list", "[display]\npalette=nuit,@Rect(1 2 3 4)\n",
         "ligne 2 : une valeur typée"},
        {"a quoted value", "[display]\npalette=\"@Variant()\"\n", "ligne 2 : une valeur typée"},
        {"an escape", "[display]\npalette=\\x40Variant\n", "ligne 2 : une valeur typée"},
        {"a comment", "; mine\n[display]\n", "ligne 1 : ni une [section] ni une clé=valeur"},
        {"a line without '='", "[display]\npalette\n",
         "ligne 2 : ni une [section] ni une clé=valeur"},
        {"a key before any section", "onTop=true\n", "ligne 1 : une clé avant toute section"},
        {"the General section", "[General]\ndisplay\\onTop=true\n", "ligne 1 : un nom de section"},
        {"a percent-encoded key", "[display]\npal%65tte=nuit\n", "ligne 2 : un nom de clé"},
        {"an empty key part", "[windows]\nfrmMainCalc\\\\x=1\n", "ligne 2 : un nom de clé"},
        {"a byte that is not ASCII", "[display]\npalette=nuit\xC3\xA9\n",
         "ligne 2 : un octet qui n'est pas de l'ASCII imprimable"},
        {"a NUL", "[display]\npalette=n\0uit\n"s,
         "ligne 2 : un octet qui n'est pas de l'ASCII imprimable"},
        {"a line too long", "[display]\npalette=" + std::string(kMaxSettingsLineBytes, 'n'),
         "ligne 2 : plus longue que 512 octets"},
    };
    for (const auto& row : rows) {
        const auto read = ReadSettingsFile(row.bytes);
        const auto* refusal = std::get_if<SettingsFileRefusal>(&read);
        ASSERT_NE(refusal, nullptr) << row.name;
        EXPECT_TRUE(refusal->reason.starts_with(row.reason)) << row.name << ": " << refusal->reason;
    }
}

}  // namespace
}  // namespace ventrose::preferences
