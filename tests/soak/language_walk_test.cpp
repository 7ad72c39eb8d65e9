// SPDX-License-Identifier: GPL-3.0-or-later
// The soak's random person walks every window in one language, and every text a person reads on
// the way (captions, tooltips, accessible names and descriptions, message boxes, dialogs) is
// checked for the other language: a French source text of the .ts left as it is, a French-only
// mark, or, in French, a finished English translation.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/accessible_names.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/text.h"
#include "tests/runner/headless_driver.h"
#include "tests/soak/random_person.h"
#include "tests/soak/step_play.h"
#include "translations/language.h"

namespace ventrose::soak {
namespace {

using common::Language;

struct Entry {
    std::string french, english;
};

// An element's text, where lupdate writes a control character as <byte value="xd"/>.
std::string ElementText(QXmlStreamReader& xml) {
    std::string text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isCharacters()) text += xml.text().toString().toStdString();
        if (xml.isStartElement()) {
            ++depth;
            const QString value = xml.attributes().value(QStringLiteral("value")).toString();
            text += static_cast<char>(value.mid(1).toInt(nullptr, 16));
        }
        if (xml.isEndElement()) --depth;
    }
    return text;
}

// The finished entries of the .ts.
std::vector<Entry> ReadTs() {
    QFile file(QStringLiteral(VENTROSE_TS));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " VENTROSE_TS);
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    Entry entry;
    bool finished = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("source"))
            entry.french = ElementText(xml);
        if (xml.isStartElement() && xml.name() == QStringLiteral("translation")) {
            finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            entry.english = ElementText(xml);
        }
        if (xml.isEndElement() && xml.name() == QStringLiteral("message") && finished)
            entries.push_back(entry);
    }
    if (xml.hasError()) throw std::runtime_error(xml.errorString().toStdString());
    return entries;
}

bool WordChar(const std::string& s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    return std::isalnum(c) || c >= 0x80;
}

// `text` holds `phrase` as a whole phrase (not inside a longer word); each %N of the phrase
// stands for any text.
bool Holds(const std::string& text, const std::string& phrase) {
    std::vector<std::string> parts{""};
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        if (phrase[i] == '%' && i + 1 < phrase.size() &&
            std::isdigit(static_cast<unsigned char>(phrase[i + 1]))) {
            ++i;
            parts.emplace_back();
        } else {
            parts.back() += phrase[i];
        }
    }
    for (std::size_t start = text.find(parts.front()); start != std::string::npos;
         start = text.find(parts.front(), start + 1)) {
        std::size_t end = start + parts.front().size();
        for (std::size_t p = 1; p < parts.size() && end != std::string::npos; ++p) {
            end = text.find(parts[p], end);
            if (end != std::string::npos) end += parts[p].size();
        }
        if (end == std::string::npos) return false;
        const bool bounded =
            (start == 0 || !WordChar(text, start - 1) || !WordChar(phrase, 0)) &&
            (end == text.size() || !WordChar(text, end) || !WordChar(phrase, phrase.size() - 1));
        if (bounded) return true;
    }
    return false;
}

// The length of a phrase without its placeholders (%1, %2...).
std::size_t Literal(const std::string& phrase) {
    std::size_t length = phrase.size();
    for (std::size_t i = 0; i + 1 < phrase.size(); ++i)
        if (phrase[i] == '%' && std::isdigit(static_cast<unsigned char>(phrase[i + 1])))
            length -= 2;
    return length;
}

// A random person's steps from a fresh start, after opening each window from the main one,
// with every text a person reads noted after each step, and where it was seen.
class Walk {
public:
    Walk(std::uint64_t seed, int steps) : person_(seed), left_(steps) {}

    void run() {
        while (left_ > 0) {
            driver_ = std::make_unique<scenario::HeadlessDriver>();
            driver_->setModalPump([this](platform::Form& form) { pump(form); });
            boxes_ = dialogs_ = 0;
            opened_ = 0;
            driver_->application().Start();
            while (left_ > 0 && !driver_->application().runtime().ended()) play();
            see();
        }
    }

    std::map<std::string, std::string> seen;  // text: where
    std::set<std::string> forms;

private:
    void pump(platform::Form& form) {
        auto& runtime = driver_->application().runtime();
        while (left_ > 0 && !runtime.ended() && runtime.isShownModally(form)) play();
    }

    void play() {
        see();
        --left_;
        static constexpr std::array<const char*, 5> kOpen = {"Command1", "cmdVitesse", "cmdVz",
                                                             "cmdConversions", "cmdLog"};
        auto& application = driver_->application();
        const platform::Form* active = application.runtime().activeForm();
        const scenario::Step step =
            opened_ < kOpen.size() && active != nullptr && active->name() == "frmMainCalc"
                ? MakeStep("click", {std::string("frmMainCalc.") + kOpen[opened_++]})
                : person_.next(application);
        if (step.word == "type" || step.word == "paste")
            for (std::size_t i = 0; i < step.args[1].size();)
                typedOwn(platform::NextCodePoint(step.args[1], i));
        if (step.word == "key") typedOwn(static_cast<char32_t>(std::stoi(step.args[1])));
        // The log closes only once its unsaved work is given up.
        if (step.word == "close" && step.args[0] == "frmLog")
            driver_->documents().AnswerSave(platform::SaveChangesAnswer::Discard);
        try {
            PlayStep(*driver_, step);
        } catch (const std::runtime_error&) {
        }
    }

    // A character beyond ASCII the person typed is theirs wherever a box (or the printed log,
    // which shows the boxes) holds it.
    void typedOwn(char32_t c) {
        if (c < 0x80) return;
        std::string character;
        platform::AppendCodePoint(character, c);
        own_.insert(character);
    }

    void note(std::string text, const std::string& where, bool typedInto = false) {
        if (typedInto)
            for (const std::string& character : own_)
                for (auto at = text.find(character); at != std::string::npos;
                     at = text.find(character, at))
                    text.erase(at, character.size());
        if (!text.empty()) seen.emplace(text, where);
    }

    void see() {
        for (const platform::Form* form : driver_->application().runtime().Forms()) {
            forms.insert(form->name());
            note(form->caption(), form->name() + " title");
            for (const auto& c : form->controls()) {
                const std::string where = form->name() + "." + c->name();
                if (c->kind() == platform::ControlKind::TextBox) note(c->text(), where, true);
                note(c->caption(), where);
                note(c->toolTipText(), where + " tooltip");
                note(platform::AccessibleNameOf(*c), where + " accessible name");
                note(platform::AccessibleDescriptionOf(*c), where + " accessible description");
            }
        }
        const auto& boxes = driver_->messageBoxes();
        for (; boxes_ < boxes.size(); ++boxes_) {
            note(boxes[boxes_].prompt, "message box of " + boxes[boxes_].owner);
            note(boxes[boxes_].title, "message box title of " + boxes[boxes_].owner);
        }
        const auto& dialogs = driver_->documents().shownTexts();
        for (; dialogs_ < dialogs.size(); ++dialogs_)
            note(dialogs[dialogs_], "dialog or print", true);
    }

    std::unique_ptr<scenario::HeadlessDriver> driver_;
    RandomPerson person_;
    int left_;
    std::size_t opened_ = 0, boxes_ = 0, dialogs_ = 0;
    std::set<std::string> own_;
};

// Every text the walks show in `language` that belongs to the other one, with where it was seen.
std::string WalkIn(Language language) {
    static int argc = 1;
    static char name[] = "language_walk_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    EXPECT_TRUE(translations::UseLanguage(language));
    const std::vector<Entry> entries = ReadTs();
    // A word of both languages ("Distance", "Litres") is a source in one entry and a
    // translation in another: it belongs to neither alone.
    std::set<std::string> both[2];
    for (const Entry& e : entries) {
        both[0].insert(e.french);
        both[1].insert(e.english);
    }
    const bool english = language == Language::English;
    constexpr std::array<const char*, 15> kFrenchMarks = {
        "«", "»", " kts", " mn", "é", "è", "à", "ù", "ç", "ê", "â", "î", "ô", "û", "œ"};
    std::map<std::string, std::string> seen;
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        Walk walk(seed, 400);
        walk.run();
        EXPECT_EQ(walk.forms.size(), 6u) << "seed " << seed << " did not open every window";
        seen.merge(walk.seen);
    }
    std::string wrong;
    for (const auto& [text, where] : seen) {
        // In French the source texts themselves are French as written, with the product names
        // they hold ("Flight Simulator").
        if (!english && both[0].count(text) != 0) continue;
        std::string found;
        for (const Entry& e : entries) {
            const std::string& other = english ? e.french : e.english;
            if (e.english != e.french && Literal(other) >= (english ? 4u : 6u) &&
                both[english ? 1 : 0].count(other) == 0 && Holds(text, other))
                found = other;
        }
        if (english)
            for (const char* mark : kFrenchMarks)
                if (text.find(mark) != std::string::npos) found = mark;
        if (!found.empty()) wrong += "\n  \"" + text + "\" (" + found + ") at " + where;
    }
    return wrong;
}

TEST(LanguageWalk, NothingFrenchInEnglish) {
    EXPECT_EQ(WalkIn(Language::English), "") << "French in English:";
}

TEST(LanguageWalk, NothingEnglishInFrench) {
    EXPECT_EQ(WalkIn(Language::French), "") << "English in French:";
}

}  // namespace
}  // namespace ventrose::soak
