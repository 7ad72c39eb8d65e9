// SPDX-License-Identifier: GPL-3.0-or-later
#include "flightplan/xml.h"
#include "common/tr.h"

#include <utility>

#include "flightplan/text.h"

namespace ventrose::flightplan::detail {

std::string_view XmlElement::LocalName() const {
    const auto colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

const std::string* XmlElement::Attribute(std::string_view localName) const {
    for (const XmlAttribute& a : attributes) {
        const auto colon = a.name.rfind(':');
        const std::string_view local =
            colon == std::string_view::npos ? a.name : a.name.substr(colon + 1);
        if (local == localName) return &a.value;
    }
    return nullptr;
}

const XmlElement* XmlDocument::Child(const XmlElement& parent, std::string_view localName) const {
    for (const std::size_t i : parent.children) {
        if (elements[i].LocalName() == localName) return &elements[i];
    }
    return nullptr;
}

std::vector<const XmlElement*> XmlDocument::Children(const XmlElement& parent,
                                                     std::string_view localName) const {
    std::vector<const XmlElement*> found;
    for (const std::size_t i : parent.children) {
        if (elements[i].LocalName() == localName) found.push_back(&elements[i]);
    }
    return found;
}

std::string_view XmlDocument::ChildText(const XmlElement& parent,
                                        std::string_view localName) const {
    const XmlElement* child = Child(parent, localName);
    return child ? Trim(child->text) : std::string_view{};
}

namespace {

struct Failure {
    bool truncated = false;
    std::string what;
    std::size_t offset = 0;
};

// A name from the file as a message shows it.
std::string Shown(std::string_view name) { return FirstCodePoints(CleanName(name), 40); }

bool IsNameStart(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// A character that XML allows in a document (production [2] of XML 1.0).
bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class Parser {
public:
    Parser(std::string_view text, const XmlLimits& limits) : text_(text), limits_(limits) {}

    XmlDocument Parse() {
        while (pos_ < text_.size()) {
            if (text_[pos_] == '<') {
                Markup();
            } else {
                CharacterData();
            }
        }
        if (!open_.empty()) {
            const XmlElement& e = document_.elements[open_.back()];
            Fail(true, common::Arg(common::Tr("FlightPlan",
                                              "l'élément <%1> ouvert ligne %2 n'est pas fermé"),
                                   {Shown(e.name), std::to_string(e.line)}));
        }
        if (document_.elements.empty())
            Fail(true, common::Tr("FlightPlan", "le fichier s'arrête avant son premier élément"));
        return std::move(document_);
    }

    int Line(std::size_t offset) {
        if (offset < lineOffset_) {
            lineOffset_ = 0;
            line_ = 1;
        }
        for (; lineOffset_ < offset && lineOffset_ < text_.size(); ++lineOffset_) {
            if (text_[lineOffset_] == '\n') ++line_;
        }
        return line_;
    }

private:
    [[noreturn]] void Fail(bool truncated, std::string what) { FailAt(pos_, truncated, what); }
    [[noreturn]] void FailAt(std::size_t offset, bool truncated, std::string what) {
        throw Failure{truncated, std::move(what), offset};
    }

    bool At(std::string_view s) const { return text_.substr(pos_).starts_with(s); }

    // The offset of `end` from pos_ on, or a truncation named `what`.
    std::size_t Find(std::string_view end, const std::string& what) {
        const std::size_t found = text_.find(end, pos_);
        if (found == std::string_view::npos) Fail(true, what);
        return found;
    }

    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    void Markup() {
        if (At("<?")) {
            pos_ =
                Find("?>", common::Tr("FlightPlan", "une instruction «<?» n'est pas fermée")) + 2;
        } else if (At("<!--")) {
            pos_ = Find("-->", common::Tr("FlightPlan", "un commentaire n'est pas fermé")) + 3;
        } else if (At("<![CDATA[")) {
            if (open_.empty())
                Fail(false, common::Tr("FlightPlan", "une section CDATA hors de l'élément racine"));
            const std::size_t start = pos_ + 9;
            pos_ = start;
            const std::size_t end =
                Find("]]>", common::Tr("FlightPlan", "une section CDATA n'est pas fermée"));
            document_.elements[open_.back()].text.append(text_.substr(start, end - start));
            pos_ = end + 3;
        } else if (At("<!DOCTYPE")) {
            Doctype();
        } else if (At("<!")) {
            // Named by its keyword's ASCII letters only: a cut made by byte count could split a
            // character in two.
            std::size_t end = pos_ + 2;
            while (end < text_.size() && end < pos_ + 12 &&
                   ((text_[end] >= 'A' && text_[end] <= 'Z') ||
                    (text_[end] >= 'a' && text_[end] <= 'z'))) {
                ++end;
            }
            Fail(false,
                 common::Arg(common::Tr("FlightPlan", "la déclaration «%1» n'est pas permise"),
                             {text_.substr(pos_, end - pos_)}));
        } else if (At("</")) {
            EndTag();
        } else {
            StartTag();
        }
    }

    // A DOCTYPE naming an external DTD is skipped (nothing is fetched); one with an internal
    // subset could declare entities, and is refused before anything in it is read.
    void Doctype() {
        if (!document_.elements.empty())
            Fail(false, common::Tr("FlightPlan", "une déclaration DOCTYPE après le début"));
        for (std::size_t i = pos_ + 9; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == '"' || c == '\'') {
                const std::size_t close = text_.find(c, i + 1);
                if (close == std::string_view::npos) break;
                i = close;
            } else if (c == '[') {
                Fail(false, common::Tr("FlightPlan",
                                       "une déclaration DOCTYPE avec des déclarations internes "
                                       "(«[…]») est refusée : elle pourrait déclarer des entités"));
            } else if (c == '>') {
                pos_ = i + 1;
                return;
            }
        }
        Fail(true, common::Tr("FlightPlan", "la déclaration DOCTYPE n'est pas fermée"));
    }

    std::string_view Name() {
        const std::size_t start = pos_;
        if (pos_ >= text_.size())
            Fail(true, common::Tr("FlightPlan", "le fichier s'arrête dans une balise"));
        if (!IsNameStart(text_[pos_]))
            Fail(false, common::Tr("FlightPlan", "un nom était attendu après «<»"));
        while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void EndTag() {
        pos_ += 2;
        const std::string_view name = Name();
        SkipSpace();
        if (pos_ >= text_.size())
            Fail(true,
                 common::Arg(common::Tr("FlightPlan", "le fichier s'arrête dans la balise </%1>"),
                             {Shown(name)}));
        if (text_[pos_] != '>')
            Fail(false,
                 common::Arg(common::Tr("FlightPlan", "«>» attendu à la fin de la balise </%1>"),
                             {Shown(name)}));
        ++pos_;
        if (open_.empty())
            Fail(false,
                 common::Arg(common::Tr("FlightPlan", "balise fermante </%1> sans élément ouvert"),
                             {Shown(name)}));
        const XmlElement& top = document_.elements[open_.back()];
        if (top.name != name) {
            Fail(false, common::Arg(common::Tr("FlightPlan",
                                               "balise fermante </%1> trouvée, </%2> attendue"),
                                    {Shown(name), Shown(top.name)}));
        }
        open_.pop_back();
        if (open_.empty()) rootDone_ = true;
    }

    void StartTag() {
        const std::size_t tagStart = pos_;
        ++pos_;
        const std::string_view name = Name();
        if (rootDone_)
            FailAt(tagStart, false,
                   common::Arg(common::Tr("FlightPlan", "un second élément racine <%1>"),
                               {Shown(name)}));
        if (static_cast<int>(open_.size()) >= limits_.maxDepth) {
            FailAt(tagStart, false,
                   common::Arg(
                       common::Tr("FlightPlan", "des éléments imbriqués sur plus de %1 niveaux"),
                       {std::to_string(limits_.maxDepth)}));
        }
        if (document_.elements.size() >= limits_.maxElements) {
            FailAt(tagStart, false,
                   common::Arg(common::Tr("FlightPlan", "plus de %1 éléments"),
                               {std::to_string(limits_.maxElements)}));
        }
        XmlElement element;
        element.name = name;
        element.line = Line(tagStart);
        bool empty = false;
        for (;;) {
            const std::size_t before = pos_;
            SkipSpace();
            if (pos_ >= text_.size())
                Fail(true, common::Arg(
                               common::Tr("FlightPlan", "le fichier s'arrête dans la balise <%1>"),
                               {Shown(name)}));
            if (At("/>")) {
                pos_ += 2;
                empty = true;
                break;
            }
            if (text_[pos_] == '>') {
                ++pos_;
                break;
            }
            if (pos_ == before)
                Fail(false, common::Arg(common::Tr("FlightPlan",
                                                   "une espace était attendue dans la balise <%1>"),
                                        {Shown(name)}));
            Attribute(element);
        }
        const std::size_t index = document_.elements.size();
        if (!open_.empty()) document_.elements[open_.back()].children.push_back(index);
        document_.elements.push_back(std::move(element));
        if (!empty) {
            open_.push_back(index);
        } else if (open_.empty()) {
            rootDone_ = true;
        }
    }

    void Attribute(XmlElement& element) {
        const std::string_view name = Name();
        for (const XmlAttribute& a : element.attributes) {
            if (a.name == name) {
                Fail(false,
                     common::Arg(common::Tr("FlightPlan", "l'attribut «%1» est deux fois sur <%2>"),
                                 {Shown(name), Shown(element.name)}));
            }
        }
        if (element.attributes.size() >= limits_.maxAttributes) {
            Fail(false, common::Arg(common::Tr("FlightPlan", "plus de %1 attributs sur <%2>"),
                                    {std::to_string(limits_.maxAttributes), Shown(element.name)}));
        }
        SkipSpace();
        if (pos_ >= text_.size())
            Fail(true,
                 common::Arg(common::Tr("FlightPlan", "le fichier s'arrête dans la balise <%1>"),
                             {Shown(element.name)}));
        if (text_[pos_] != '=')
            Fail(false, common::Arg(common::Tr("FlightPlan", "«=» attendu après l'attribut «%1»"),
                                    {Shown(name)}));
        ++pos_;
        SkipSpace();
        if (pos_ >= text_.size())
            Fail(true,
                 common::Arg(common::Tr("FlightPlan", "le fichier s'arrête dans la balise <%1>"),
                             {Shown(element.name)}));
        const char quote = text_[pos_];
        if (quote != '"' && quote != '\'') {
            Fail(false,
                 common::Arg(common::Tr("FlightPlan",
                                        "la valeur de l'attribut «%1» n'est pas entre guillemets"),
                             {Shown(name)}));
        }
        ++pos_;
        const std::size_t start = pos_;
        const std::size_t end = text_.find(quote, start);
        if (end == std::string_view::npos) {
            Fail(true, common::Arg(common::Tr("FlightPlan",
                                              "la valeur de l'attribut «%1» n'est pas fermée"),
                                   {Shown(name)}));
        }
        const std::string_view raw = text_.substr(start, end - start);
        if (const auto lt = raw.find('<'); lt != std::string_view::npos) {
            FailAt(start + lt, false,
                   common::Arg(common::Tr("FlightPlan", "«<» dans la valeur de l'attribut «%1»"),
                               {Shown(name)}));
        }
        XmlAttribute attribute{name, {}};
        Decode(raw, start, attribute.value, true);
        element.attributes.push_back(std::move(attribute));
        pos_ = end + 1;
    }

    void CharacterData() {
        const std::size_t start = pos_;
        std::size_t end = text_.find('<', pos_);
        if (end == std::string_view::npos) end = text_.size();
        const std::string_view raw = text_.substr(start, end - start);
        if (open_.empty()) {
            for (std::size_t i = 0; i < raw.size(); ++i) {
                if (!IsSpace(raw[i]))
                    FailAt(start + i, false,
                           common::Tr("FlightPlan", "du texte hors de l'élément racine"));
            }
        } else {
            Decode(raw, start, document_.elements[open_.back()].text, false);
        }
        pos_ = end;
    }

    // Appends `raw` (at `offset` in the text) with its references decoded. In an attribute,
    // tabs and line ends become spaces, as XML normalises attribute values.
    void Decode(std::string_view raw, std::size_t offset, std::string& out, bool attribute) {
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            if (c != '&') {
                out += attribute && IsSpace(c) ? ' ' : c;
                continue;
            }
            // The longest reference read is &#x10FFFF; (10 bytes); a name is cut at 12.
            const std::size_t semicolon = raw.substr(i, 12).find(';');
            if (semicolon == std::string_view::npos) {
                FailAt(offset + i, false,
                       common::Tr("FlightPlan", "«&» sans «;» : écrivez «&amp;» pour un «&»"));
            }
            const std::string_view name = raw.substr(i + 1, semicolon - 1);
            if (name == "lt") {
                out += '<';
            } else if (name == "gt") {
                out += '>';
            } else if (name == "amp") {
                out += '&';
            } else if (name == "apos") {
                out += '\'';
            } else if (name == "quot") {
                out += '"';
            } else if (name.starts_with('#')) {
                AppendUtf8(out, CharacterReference(name, offset + i));
            } else {
                FailAt(offset + i, false,
                       common::Arg(common::Tr("FlightPlan",
                                              "l'entité «&%1;» est inconnue : seules les cinq "
                                              "entités prédéfinies et les références numériques "
                                              "sont lues"),
                                   {Shown(name)}));
            }
            i += semicolon;
        }
    }

    char32_t CharacterReference(std::string_view name, std::size_t offset) {
        const bool hex = name.size() > 1 && name[1] == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        char32_t value = 0;
        bool ok = !digits.empty() && digits.size() <= 8;
        for (const char c : digits) {
            if (!ok) break;
            int d = -1;
            if (c >= '0' && c <= '9') d = c - '0';
            if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
            if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
            if (d < 0) {
                ok = false;
                break;
            }
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
        }
        if (!ok || !IsXmlChar(value)) {
            FailAt(offset, false,
                   common::Arg(common::Tr("FlightPlan",
                                          "la référence «&%1;» ne désigne pas un caractère permis"),
                               {Shown(name)}));
        }
        return value;
    }

    std::string_view text_;
    XmlLimits limits_;
    std::size_t pos_ = 0;
    XmlDocument document_;
    std::vector<std::size_t> open_;
    bool rootDone_ = false;
    std::size_t lineOffset_ = 0;
    int line_ = 1;
};

}  // namespace

std::variant<XmlDocument, XmlError> ParseXml(std::string_view text, const XmlLimits& limits) {
    Parser parser(text, limits);
    try {
        return parser.Parse();
    } catch (Failure& f) {
        return XmlError{f.truncated, std::move(f.what), parser.Line(f.offset)};
    }
}

}  // namespace ventrose::flightplan::detail
