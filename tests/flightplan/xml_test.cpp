// SPDX-License-Identifier: GPL-3.0-or-later
#include "flightplan/xml.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace ventrose::flightplan::detail {
namespace {

// The parts of XML that real exports use and that a naive reader gets wrong.
TEST(ParseXml, ReadsWhatExportsWrite) {
    const std::string text =
        "<?xml version='1.0'?>\n"
        "<!DOCTYPE gpx SYSTEM \"http://example.invalid/[not-a-subset].dtd\">\n"
        "<!-- a comment with <tags> & ampersands -->\n"
        "<p:gpx xmlns:p='urn:x' a = \"1&amp;2\" b='&#x41;&#66;\tc'>\n"
        "  <p:name><![CDATA[<Le> & ]]>&lt;Bourget&gt; &quot;&apos;&#xE9;</p:name>\n"
        "  <empty/><?pi inside?>\n"
        "</p:gpx>";
    const auto parsed = ParseXml(text);
    ASSERT_TRUE(std::holds_alternative<XmlDocument>(parsed)) << std::get<XmlError>(parsed).what;
    const XmlDocument& d = std::get<XmlDocument>(parsed);
    EXPECT_EQ(d.Root().LocalName(), "gpx");
    EXPECT_EQ(d.Root().line, 4);
    EXPECT_EQ(*d.Root().Attribute("a"), "1&2");
    EXPECT_EQ(*d.Root().Attribute("b"), "AB c");
    EXPECT_EQ(d.ChildText(d.Root(), "name"), "<Le> & <Bourget> \"'é");
    EXPECT_NE(d.Child(d.Root(), "empty"), nullptr);
}

TEST(ParseXml, BoundsDepthElementsAndAttributes) {
    std::string deep;
    for (int i = 0; i < 65; ++i) deep += "<a>";
    const auto tooDeep = ParseXml(deep);
    ASSERT_TRUE(std::holds_alternative<XmlError>(tooDeep));
    EXPECT_EQ(std::get<XmlError>(tooDeep).what, "des éléments imbriqués sur plus de 64 niveaux");

    std::string many = "<r>";
    for (int i = 0; i < 50000; ++i) many += "<a/>";
    const auto tooMany = ParseXml(many + "</r>");
    ASSERT_TRUE(std::holds_alternative<XmlError>(tooMany));
    EXPECT_EQ(std::get<XmlError>(tooMany).what, "plus de 50000 éléments");

    std::string attributes = "<r";
    for (int i = 0; i < 65; ++i) attributes += " a" + std::to_string(i) + "='1'";
    const auto tooManyAttributes = ParseXml(attributes + "/>");
    ASSERT_TRUE(std::holds_alternative<XmlError>(tooManyAttributes));
    EXPECT_EQ(std::get<XmlError>(tooManyAttributes).what, "plus de 64 attributs sur <r>");
}

TEST(ParseXml, RefusesWhatIsNotWellFormed) {
    const struct {
        const char* text;
        const char* what;
    } rows[] = {
        {"<a x='1' x='2'/>", "l'attribut «x» est deux fois sur <a>"},
        {"<a x=1/>", "la valeur de l'attribut «x» n'est pas entre guillemets"},
        {"<a x='<'/>", "«<» dans la valeur de l'attribut «x»"},
        {"<a>&#0;</a>", "la référence «&#0;» ne désigne pas un caractère permis"},
        {"<a>&#xD800;</a>", "la référence «&#xD800;» ne désigne pas un caractère permis"},
        {"<a>AT&T</a>", "«&» sans «;» : écrivez «&amp;» pour un «&»"},
        {"<a/><b/>", "un second élément racine <b>"},
        {"text<a/>", "du texte hors de l'élément racine"},
        {"<a><!ENTITY x 'y'></a>", "la déclaration «<!ENTITY» n'est pas permise"},
    };
    for (const auto& r : rows) {
        const auto parsed = ParseXml(r.text);
        ASSERT_TRUE(std::holds_alternative<XmlError>(parsed)) << r.text;
        EXPECT_EQ(std::get<XmlError>(parsed).what, r.what) << r.text;
        EXPECT_FALSE(std::get<XmlError>(parsed).truncated) << r.text;
    }
}

}  // namespace
}  // namespace ventrose::flightplan::detail
