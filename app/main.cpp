// SPDX-License-Identifier: GPL-3.0-or-later
// ventrose: the flight computer on the screen.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <QMenu>
#include <QSize>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "app/application.h"
#include "app/command_line.h"
#include "app/language_menu.h"
#include "app/settings_store.h"
#include "app/sim_link_loader.h"
#include "app/sim_menu.h"
#include "common/tr.h"
#include "documents/dialogs/qt_documents.h"
#include "platform/form.h"
#include "platform/qt/display_menu.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_view.h"
#include "platform/runtime.h"
#include "translations/language.h"

namespace {

// Qt alone would abort with a long message about plugins; a person needs one line.
bool hasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/%1/ventrose.png").arg(size), QSize(size, size));
    return icon;
}

// The language of the command line's own texts (--help, its errors), before the settings are
// read: the one --langue names when it names one, else the system's.
ventrose::common::Language CommandLineLanguage(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == QLatin1String("--langue") && i + 1 < arguments.size())
            value = arguments[i + 1];
        else if (arguments[i].startsWith(QLatin1String("--langue=")))
            value = arguments[i].mid(9);
        else
            continue;
        if (const auto asked = ventrose::common::LanguageNamed(value.toStdString())) return *asked;
    }
    return ventrose::translations::SystemLanguage();
}

}  // namespace

int main(int argc, char** argv) {
    using ventrose::app::ReadCommandLine;
    using ventrose::app::StartUp;
    if (!hasDisplay()) {
        // --help and --version need no display.
        const QCoreApplication core(argc, argv);
        ventrose::app::NameTheApplication();
        ventrose::translations::UseLanguage(CommandLineLanguage(QCoreApplication::arguments()));
        const StartUp start = ReadCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
        if (!start.options) return start.exitStatus;
        std::cerr << "ventrose: "
                  << ventrose::common::Tr(
                         "Startup",
                         "pas d'écran (ni DISPLAY ni WAYLAND_DISPLAY n'est défini) : lancer "
                         "Ventrose sur un bureau, ou sous `xvfb-run ventrose`, ou avec "
                         "`QT_QPA_PLATFORM=vnc ventrose`")
                  << '\n';
        return 1;
    }
    QApplication qtApplication(argc, argv);
    ventrose::app::NameTheApplication();
    ventrose::translations::UseLanguage(CommandLineLanguage(QCoreApplication::arguments()));
    const StartUp start = ReadCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
    if (!start.options) return start.exitStatus;
    // On Wayland the compositor finds the icon through the launcher, named after the desktop file.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ventrose.Ventrose"));
    // Only the model ends the application (its main window's unloading, or Quitter).
    QApplication::setQuitOnLastWindowClosed(false);

    // Its warnings while the settings are read speak the command line's language, else the
    // system's: the one the settings may name is not known yet.
    ventrose::app::SettingsStore settings(std::cerr);
    const bool reset = start.options->resetSettings;
    const ventrose::preferences::Preferences preferences = ventrose::preferences::Apply(
        *start.options, reset ? ventrose::preferences::Preferences{} : settings.Read());
    // Forgotten at once, not only at the next save, and never read: whatever the file holds.
    if (reset) settings.Reset(preferences);
    // Every window speaks the language chosen (on the command line, in the settings or in the
    // menu), else the system's when it is French or English, else English; Qt's own dialogs and
    // buttons (files, printing) speak it too.
    if (!ventrose::translations::UseLanguage(
            preferences.language.value_or(ventrose::translations::SystemLanguage())))
        std::cerr << "ventrose: "
                  << ventrose::common::Tr("Startup",
                                          "la traduction anglaise n'a pas pu être lue : les "
                                          "fenêtres restent en français")
                  << '\n';
    if (start.options->onTop && !ventrose::platform::qt::CanKeepOnTop())
        std::cerr << "ventrose: "
                  << ventrose::common::Tr("Startup",
                                          "--on-top : sous Wayland, une fenêtre ne peut pas se "
                                          "garder au-dessus des autres ; lancer Ventrose avec "
                                          "QT_QPA_PLATFORM=xcb pour cela")
                  << '\n';

    ventrose::platform::qt::QtHost host;
    // The log window's files, dialogs and printing.
    ventrose::documents::QtDocumentFiles files;
    ventrose::documents::QtDocuments documents(files);
    ventrose::app::Application application(host, documents);
    ventrose::platform::qt::QtView view(application.runtime());
    host.setWindowOf([&](const std::string& name) -> QWidget* {
        const ventrose::platform::Form* form = application.runtime().form(name);
        return form != nullptr ? view.windowOf(*form) : nullptr;
    });
    documents.setOwner([&]() -> QWidget* {
        const ventrose::platform::Form* form = application.runtime().activeForm();
        return form != nullptr ? view.windowOf(*form) : nullptr;
    });
    view.setPreferences(preferences);

    // The simulator link: chosen on the command line, in the settings or in any window's menu,
    // and remembered with the rest. No socket exists until a link is chosen.
    std::optional<ventrose::simlink::LinkChoice> simLink = preferences.simLink;
    // The language chosen, kept likewise; none while the system's is followed.
    std::optional<ventrose::common::Language> language = preferences.language;
    const auto save = [&] {
        ventrose::preferences::Preferences kept = view.preferences();
        kept.simLink = simLink;
        kept.language = language;
        settings.Write(kept);
    };
    view.onPreferencesChanged = save;
    // Made only once a link is chosen, from its module: a start without a link loads no network
    // library at all.
    std::unique_ptr<ventrose::app::SimLink> link;
    const auto problem = [&application](const std::string& message) {
        std::cerr << "ventrose: " << message << '\n';
        // Out of the resolver's callback, from the event loop itself.
        QTimer::singleShot(0, [&application, message] {
            if (!application.runtime().ended())
                application.runtime().MsgBox(message, 48, "Ventrose");
        });
    };
    const auto setLink = [&](const std::optional<ventrose::simlink::LinkChoice>& chosen) {
        if (!link && !chosen) return;
        if (!link) {
            auto loaded = ventrose::app::LoadSimLink(application.simFeed());
            if (const auto* why = std::get_if<std::string>(&loaded)) {
                problem(*why);
                return;
            }
            link = std::move(std::get<std::unique_ptr<ventrose::app::SimLink>>(loaded));
            link->setOnHostNotFound(
                [problem](const std::string& host) { problem(ventrose::app::HostNotFound(host)); });
        }
        link->setLink(chosen);
    };
    ventrose::app::SimMenu simMenu;
    simMenu.show(simLink);
    // Any window's «Langue / Language» applies at once to every window, open or not.
    ventrose::app::LanguageMenu languageMenu;
    languageMenu.languageChosen = [&](ventrose::common::Language chosen) {
        language = chosen;
        languageMenu.show(chosen);
        ventrose::translations::ChangeLanguage(application.runtime(), chosen);
        // The display's entries follow through the view; the simulator's are the menu's own.
        simMenu.show(simLink);
        save();
    };
    view.displayMenu().moreEntries = [&](QMenu& menu) {
        simMenu.fill(menu);
        languageMenu.fill(menu);
    };
    simMenu.linkChosen = [&](const std::optional<ventrose::simlink::LinkChoice>& chosen) {
        simLink = chosen;
        simMenu.show(simLink);
        setLink(simLink);
        save();
    };

    application.Start();
    setLink(simLink);
    // Reading the icon's pictures costs a few milliseconds: the main window is shown first, and
    // every title bar gets the icon as soon as the event loop runs.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(ApplicationIcon()); });
    if (!application.runtime().ended()) QApplication::exec();
    return 0;
}
