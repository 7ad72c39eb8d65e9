// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>
#include <cstring>
#include <string>
#include <variant>

#include "common/tr.h"

namespace ventrose::app {

namespace {

QString QTr(const char* context, const char* french) {
    return QString::fromStdString(common::Tr(context, french));
}

std::vector<std::string> Utf8(const QStringList& texts) {
    std::vector<std::string> result;
    for (const QString& text : texts) result.push_back(text.toStdString());
    return result;
}

// The few texts QCommandLineParser writes itself, in French like the rest of the help, for as
// long as the parser is in use; every other text keeps its own language.
class FrenchParserTexts : public QTranslator {
public:
    FrenchParserTexts() { QCoreApplication::installTranslator(this); }
    ~FrenchParserTexts() override { QCoreApplication::removeTranslator(this); }
    FrenchParserTexts(const FrenchParserTexts&) = delete;
    FrenchParserTexts& operator=(const FrenchParserTexts&) = delete;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override {
        static constexpr struct {
            const char* source;
            const char* french;
        } kTexts[] = {
            {"Displays help on commandline options.", "Affiche l'aide des options et s'arrête."},
            {"Displays help including Qt specific options.",
             "Affiche l'aide, options de Qt comprises, et s'arrête."},
            {"Displays version information.", "Affiche la version et s'arrête."},
            {"Usage: %1", "Utilisation : %1"},
            {"Options:", "Options :"},
            {"Arguments:", "Arguments :"},
        };
        if (context == nullptr || std::strcmp(context, "QCommandLineParser") != 0) return {};
        for (const auto& text : kTexts)
            if (std::strcmp(source, text.source) == 0) return QString::fromUtf8(text.french);
        return {};
    }
};

// The parser stops at a value it cannot place: `--palette` or `--sim` last with nothing after it,
// or a value given to a flag (`--on-top=oui`). Unknown options are the core's to report.
std::string ValueProblem(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        for (const char* flag : {"--on-top=", "--reset-settings=", "--help=", "--version="}) {
            if (argument.startsWith(QLatin1String(flag))) {
                const std::string name(flag, std::strlen(flag) - 1);
                return common::Arg(
                    common::Tr("CommandLine",
                               "L'option « %1 » ne prend pas de valeur. Voir ventrose --help."),
                    {name});
            }
        }
    }
    if (!arguments.isEmpty() && arguments.last() == QLatin1String("--sim")) {
        return common::Tr("CommandLine",
                          "L'option « --sim » demande un simulateur : xplane, flightgear ou "
                          "aucun. Voir ventrose --help.");
    }
    if (!arguments.isEmpty() && arguments.last() == QLatin1String("--langue")) {
        return common::Tr("CommandLine",
                          "L'option « --langue » demande une langue : fr ou en. Voir "
                          "ventrose --help.");
    }
    return common::Tr("CommandLine",
                      "L'option « --palette » demande une palette : jour, nuit ou nuit-rouge. "
                      "Voir ventrose --help.");
}

}  // namespace

void NameTheApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Ventrose"));
    QCoreApplication::setApplicationName(QStringLiteral("Ventrose"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VENTROSE_VERSION));
}

StartUp ReadCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& errors) {
    // In English the parser's own texts are already right.
    std::optional<FrenchParserTexts> french;
    if (common::CurrentLanguage() == common::Language::French) french.emplace();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QTr("CommandLine", "Calculateur de vol pour les pilotes de simulateur de vol."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption onTop(
        QStringLiteral("on-top"),
        QTr("CommandLine",
            "Garde les fenêtres de Ventrose au-dessus des autres applications, par "
            "exemple au-dessus du simulateur."));
    const QCommandLineOption palette(
        QStringLiteral("palette"),
        QTr("CommandLine",
            "Dessine les fenêtres en jour (les couleurs du programme), nuit (des "
            "couleurs sombres) ou nuit-rouge (du rouge sur du noir)."),
        QStringLiteral("palette"));
    const QCommandLineOption resetSettings(
        QStringLiteral("reset-settings"),
        QTr("CommandLine",
            "Oublie ce que le programme a retenu des séances précédentes : la place "
            "des fenêtres, le premier plan et les couleurs."));
    const QCommandLineOption sim(
        QStringLiteral("sim"),
        QTr("CommandLine",
            "Suit le simulateur : xplane[:MACHINE[:PORT]] (X-Plane, port UDP 49000 par "
            "défaut), flightgear[:MACHINE[:PORT]] (FlightGear lancé avec "
            "--telnet=5401, port 5401 par défaut) ou aucun. MACHINE : 127.0.0.1 par "
            "défaut. Retenu pour les séances suivantes."),
        QTr("CommandLine", "simulateur"));
    const QCommandLineOption language(
        QStringLiteral("langue"),
        QTr("CommandLine",
            "Parle fr (français) ou en (anglais). Sans cette option : la langue choisie "
            "la dernière fois, sinon celle du système si c'est le français ou l'anglais, "
            "sinon l'anglais. Retenu pour les séances suivantes."),
        QTr("CommandLine", "langue"));
    parser.addOptions({onTop, palette, resetSettings, sim, language});

    const bool parsed = parser.parse(arguments);
    const preferences::CommandLine commandLine{
        .onTop = parser.isSet(onTop),
        .resetSettings = parser.isSet(resetSettings),
        .paletteValues = Utf8(parser.values(palette)),
        .positionalArguments = Utf8(parser.positionalArguments()),
        .unknownOptions = Utf8(parser.unknownOptionNames()),
        .simValues = Utf8(parser.values(sim)),
        .languageValues = Utf8(parser.values(language)),
    };
    if (parsed && parser.isSet(QStringLiteral("help-all"))) {
        // Qt's own options are known only to process(), which prints them and leaves at once.
        parser.process(arguments);
    }
    if (parsed && parser.isSet(help)) {
        out << parser.helpText().toStdString();
        return {std::nullopt, 0};
    }
    if (parsed && parser.isSet(version)) {
        out << (QCoreApplication::applicationName() + QLatin1Char(' ') +
                QCoreApplication::applicationVersion())
                   .toStdString()
            << '\n';
        return {std::nullopt, 0};
    }
    const auto checked = preferences::ValidateCommandLine(commandLine);
    if (const auto* error = std::get_if<preferences::CommandLineError>(&checked)) {
        errors << "ventrose: " << error->message << '\n';
        return {std::nullopt, 2};
    }
    if (!parsed) {
        errors << "ventrose: " << ValueProblem(arguments) << '\n';
        return {std::nullopt, 2};
    }
    return {std::get<preferences::Options>(checked), 0};
}

}  // namespace ventrose::app
