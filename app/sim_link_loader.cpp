// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sim_link_loader.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>
#include <QStringList>

#include "common/tr.h"

namespace ventrose::app {

std::variant<std::unique_ptr<SimLink>, std::string> LoadSimLink(SimFeed& feed) {
    static MakeSimLink make = nullptr;
    static QString failure;
    // Never unloaded (a QLibrary's end leaves its library loaded): the links it makes live until
    // the program ends.
    static QLibrary module;
    if (make == nullptr && failure.isEmpty()) {
        const QString here = QCoreApplication::applicationDirPath();
        const QStringList places = {here,
                                    here + QStringLiteral("/" VENTROSE_SIM_LINK_MODULE_FROM_BIN)};
        for (const QString& place : places) {
            module.setFileName(place + QStringLiteral("/libventrose-sim-link.so"));
            make = reinterpret_cast<MakeSimLink>(module.resolve(kMakeSimLink));
            if (make != nullptr) break;
            failure = module.errorString();
        }
        if (make != nullptr) failure.clear();
    }
    if (make == nullptr) {
        return common::Arg(common::Tr("SimLink",
                                      "Le lien avec le simulateur n'a pas pu être chargé ; "
                                      "réinstaller Ventrose. (%1)"),
                           {failure.toStdString()});
    }
    return std::unique_ptr<SimLink>(make(feed));
}

std::string HostNotFound(const std::string& host) {
    return common::Arg(common::Tr("SimLink",
                                  "La machine du simulateur « %1 » est introuvable : vérifier son "
                                  "nom, ou donner son adresse IP (Simulateur dans le menu, ou "
                                  "--sim)."),
                       {host});
}

}  // namespace ventrose::app
