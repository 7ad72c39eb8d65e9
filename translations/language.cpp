// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <string>

namespace ventrose::translations {

namespace {

std::string TranslateWithQt(const char* context, const char* french) {
    return QCoreApplication::translate(context, french).toStdString();
}

// One of each for the whole process, replaced when the language changes.
QTranslator& QtTexts() {
    static QTranslator translator;
    return translator;
}

QTranslator& VentroseTexts() {
    static QTranslator translator;
    return translator;
}

}  // namespace

common::Language LanguageOf(const QLocale& locale) {
    return locale.language() == QLocale::French ? common::Language::French
                                                : common::Language::English;
}

common::Language SystemLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    return LanguageOf(languages.isEmpty() ? QLocale::system() : QLocale(languages.first()));
}

bool UseLanguage(common::Language language) {
    QCoreApplication::removeTranslator(&QtTexts());
    QCoreApplication::removeTranslator(&VentroseTexts());
    const QString code = QString::fromUtf8(common::LanguageCode(language));
    // Without the translations installed Qt's own texts stay in English.
    if (QtTexts().load(QStringLiteral("qtbase_") + code,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&QtTexts());
    // Installed in French too, where common::Tr never asks it: a language changed while the
    // windows are open reads what their captions said in English (Runtime::retranslate).
    const bool ours = VentroseTexts().load(QStringLiteral(":/translations/ventrose_en.qm"));
    if (ours) QCoreApplication::installTranslator(&VentroseTexts());
    common::InstallTranslator(TranslateWithQt);
    common::SetCurrentLanguage(language);
    return ours;
}

bool ChangeLanguage(platform::Runtime& runtime, common::Language language) {
    const common::Language previous = common::CurrentLanguage();
    if (language == previous) return true;
    const bool ours = UseLanguage(language);
    runtime.retranslate(previous);
    return ours;
}

}  // namespace ventrose::translations
