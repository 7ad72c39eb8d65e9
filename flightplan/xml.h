// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A small XML reader for the four XML plan formats: elements, attributes, character data,
// CDATA, comments and processing instructions, with the five predefined entities and numeric
// character references only. It expands nothing else: a DOCTYPE with an internal subset or an
// entity declaration is refused, so no text can grow while it is read (no "billion laughs"),
// and nothing outside the text is ever fetched. It keeps its own stack, never recursing, and
// bounds the depth, the number of elements and of attributes.
namespace ventrose::flightplan::detail {

struct XmlAttribute {
    std::string_view name;  // as written, with its prefix if any
    std::string value;      // references decoded, white space characters made spaces
};

struct XmlElement {
    std::string_view name;  // as written, with its prefix if any
    std::vector<XmlAttribute> attributes;
    std::string text;                   // the character data directly inside, decoded
    std::vector<std::size_t> children;  // indices in XmlDocument::elements, in file order
    int line = 0;                       // of its start tag

    // The name without its namespace prefix: the plan formats are told apart by local names,
    // whatever prefix a writer chose.
    std::string_view LocalName() const;
    // The value of the attribute of that local name, or nullptr.
    const std::string* Attribute(std::string_view localName) const;
};

struct XmlDocument {
    std::vector<XmlElement> elements;  // elements[0] is the root

    const XmlElement& Root() const { return elements.front(); }
    // The first child of `parent` with that local name, or nullptr.
    const XmlElement* Child(const XmlElement& parent, std::string_view localName) const;
    // Every child of `parent` with that local name, in file order.
    std::vector<const XmlElement*> Children(const XmlElement& parent,
                                            std::string_view localName) const;
    // The trimmed text of the first child of that name, or "" when there is none.
    std::string_view ChildText(const XmlElement& parent, std::string_view localName) const;
};

struct XmlLimits {
    int maxDepth = 64;
    std::size_t maxElements = 50000;
    std::size_t maxAttributes = 64;  // on one element
};

struct XmlError {
    bool truncated = false;  // the text stops before the document does
    std::string what;        // French, without the line
    int line = 0;
};

// Reads one document. The text must be valid UTF-8 without a byte order mark (the caller checks
// it first, to say so in its own words). The result's names view into `text`.
std::variant<XmlDocument, XmlError> ParseXml(std::string_view text, const XmlLimits& limits = {});

}  // namespace ventrose::flightplan::detail
