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
    bool ours = true;
    if (language == common::Language::English) {
        ours = VentroseTexts().load(QStringLiteral(":/translations/ventrose_en.qm"));
        if (ours) QCoreApplication::installTranslator(&VentroseTexts());
    }
    common::InstallTranslator(TranslateWithQt);
    common::SetCurrentLanguage(language);
    return ours;
}

}  // namespace ventrose::translations
