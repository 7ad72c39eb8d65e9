// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/qt_document_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>

#include "common/tr.h"
#include "documents/print_painter.h"

namespace ventrose::documents {

namespace {

QString PathOf(const std::string& path) { return QString::fromStdString(path); }

// «route.vlog», as a message names a file.
std::string Named(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return common::Arg(common::Tr("DocumentFiles", "« %1 »"),
                       {(name.isEmpty() ? path : name).toStdString()});
}

// Qt's own error texts are English whatever the language; a person reads why in theirs.
std::string Why(QFileDevice::FileError error) {
    switch (error) {
        case QFileDevice::PermissionsError: return common::Tr("DocumentFiles", "accès refusé");
        case QFileDevice::ResourceError:
            return common::Tr("DocumentFiles",
                              "le disque est plein ou le système à court de place");
        case QFileDevice::OpenError:
            return common::Tr("DocumentFiles", "il ne peut pas être ouvert");
        case QFileDevice::ReadError: return common::Tr("DocumentFiles", "la lecture a échoué");
        case QFileDevice::WriteError:
            return common::Tr("DocumentFiles", "l'écriture a échoué (disque plein ?)");
        case QFileDevice::RenameError:
            return common::Tr("DocumentFiles", "il n'a pas pu remplacer le précédent");
        case QFileDevice::AbortError:
            return common::Tr("DocumentFiles", "l'écriture a été interrompue");
        default: return common::Tr("DocumentFiles", "erreur du système de fichiers");
    }
}

std::string NotSaved(const QString& path, const std::string& why) {
    return common::Arg(common::Tr("DocumentFiles",
                                  "Le fichier %1 n'a pas pu être enregistré : %2. Le fichier "
                                  "précédent, s'il existait, est intact."),
                       {Named(path), why});
}

// A limit as a person reads it: whole mebibytes as «1 Mo», else in bytes.
std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kMo = 1024 * 1024;
    if (bytes >= kMo && bytes % kMo == 0)
        return common::Arg(common::Tr("DocumentFiles", "%1 Mo"), {std::to_string(bytes / kMo)});
    return common::Arg(common::Tr("DocumentFiles", "%1 octets"), {std::to_string(bytes)});
}

}  // namespace

platform::Documents::ReadResult QtDocumentFiles::ReadFile(const std::string& path,
                                                          std::size_t maxBytes) {
    const QString name = PathOf(path);
    const QFileInfo info(name);
    // `why` names the file as %1: each language puts the name where its sentence needs it.
    auto refused = [&](const std::string& why) {
        return platform::Documents::ReadResult{std::nullopt, common::Arg(why, {Named(name)})};
    };
    if (!info.exists()) return refused(common::Tr("DocumentFiles", "Le fichier %1 n'existe pas."));
    if (info.isDir()) return refused(common::Tr("DocumentFiles", "Le fichier %1 est un dossier."));
    if (!info.isFile()) {
        return refused(
            common::Tr("DocumentFiles", "Le fichier %1 n'est pas un fichier ordinaire."));
    }
    const auto tooLarge = [&] {
        return refused(common::Arg(common::Tr("DocumentFiles",
                                              "Le fichier %1 est trop grand (plus de %2) ; il "
                                              "n'a pas été lu."),
                                   {"%1", SizeText(maxBytes)}));
    };
    const auto unreadable = [&](QFileDevice::FileError error) {
        return refused(
            common::Arg(common::Tr("DocumentFiles", "Le fichier %1 ne peut pas être lu : %2."),
                        {"%1", Why(error)}));
    };
    if (static_cast<unsigned long long>(info.size()) > maxBytes) return tooLarge();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return unreadable(file.error());
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) return unreadable(file.error());
    if (static_cast<std::size_t>(bytes.size()) > maxBytes) return tooLarge();
    return {bytes.toStdString(), {}};
}

std::optional<std::string> QtDocumentFiles::WriteFileAtomic(const std::string& path,
                                                            std::string_view bytes) {
    const QString name = PathOf(path);
    if (QFileInfo(name).isDir())
        return NotSaved(name, common::Tr("DocumentFiles", "c'est un dossier"));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return NotSaved(name, Why(file.error()));
    const auto size = static_cast<qint64>(bytes.size());
    // A full disk (or a file size limit) may cut a write short without any error: the file
    // is then incomplete and must not replace the previous one.
    if (file.write(bytes.data(), size) != size) {
        const std::string why = file.error() == QFileDevice::NoError
                                    ? common::Tr("DocumentFiles",
                                                 "l'écriture s'est arrêtée en cours (disque "
                                                 "plein ?)")
                                    : Why(file.error());
        file.cancelWriting();
        return NotSaved(name, why);
    }
    if (!file.commit()) return NotSaved(name, Why(file.error()));
    return std::nullopt;
}

bool QtDocumentFiles::FileExists(const std::string& path) {
    return QFileInfo(PathOf(path)).isFile();
}

void QtDocumentFiles::RemoveFile(const std::string& path) { QFile::remove(PathOf(path)); }

std::optional<std::string> QtDocumentFiles::PrintToPdf(const common::PrintJob& job,
                                                       const std::string& path) {
    const QString name = PathOf(path);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return NotSaved(name,
                        common::Tr("DocumentFiles", "l'impression demande l'interface graphique"));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return NotSaved(name, Why(file.error()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(job.title));
        writer.setCreator(QStringLiteral("Ventrose"));
        writer.setResolution(600);
        SetUpPage(job, writer);
        QPainter painter;
        if (!painter.begin(&writer) || !PaintJob(job, writer, painter)) {
            file.cancelWriting();
            return NotSaved(name, common::Tr("DocumentFiles", "le PDF n'a pas pu être dessiné"));
        }
        painter.end();
    }
    if (!file.commit()) return NotSaved(name, Why(file.error()));
    return std::nullopt;
}

std::string UserRecoveryPath(std::string_view name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.local/share/Ventrose");
    QDir().mkpath(folder);
    std::string safe(name);
    for (char& c : safe) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        if (!plain) c = '_';
    }
    if (safe.empty() || safe == "." || safe == "..") safe = "recovery";
    return (folder + QLatin1Char('/') + QString::fromStdString(safe)).toStdString();
}

}  // namespace ventrose::documents
