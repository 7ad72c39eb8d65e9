// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

#include "common/tr.h"
#include "platform/runtime.h"

namespace ventrose::translations {

// The language of a person who has not chosen one: the system's when it is French or English,
// English otherwise (more people read it than French).
common::Language LanguageOf(const QLocale& locale);
// LanguageOf the first language the system's settings ask the interface to speak
// (QLocale::system().uiLanguages(): LANGUAGE, then LC_ALL, LC_MESSAGES and LANG on Unix).
common::Language SystemLanguage();

// Speaks `language` from now on: Qt's own texts (qtbase_fr or qtbase_en, when installed),
// Ventrose's (the English compiled in as :/translations/ventrose_en.qm), and common::Tr, whose
// translator it installs. A QCoreApplication must exist. False if Ventrose's English could not
// be read (a broken build): its texts then stay French.
bool UseLanguage(common::Language language);

// A person's choice while the windows are open: UseLanguage, then every window's captions in
// the new language at once (Runtime::retranslate). Nothing when it is the language in force.
bool ChangeLanguage(platform::Runtime& runtime, common::Language language);

}  // namespace ventrose::translations
