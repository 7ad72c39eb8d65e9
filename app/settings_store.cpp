// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <variant>
#include <vector>

#include "common/tr.h"
#include "preferences/settings.h"
#include "preferences/settings_file.h"

namespace ventrose::app {

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// One line of standard error, after the program's name.
std::string Said(const std::string& line) { return "ventrose: " + line + '\n'; }

// What stands at the settings path. Anything but a regular file is never opened: a named pipe
// would block the start until something writes into it.
struct FileBytes {
    enum class Kind { Missing, Regular, TooLarge, NotRegular, Unreadable } kind = Kind::Missing;
    QByteArray bytes;
};

FileBytes ReadBytes(const QString& file) {
    using Kind = FileBytes::Kind;
    const QFileInfo info(file);
    if (!info.exists()) return {};
    if (!info.isFile()) return {Kind::NotRegular, {}};
    if (info.size() > SettingsStore::kMaxFileBytes) return {Kind::TooLarge, {}};
    // Without blocking, and checked again once open, in case a pipe took the file's place since.
    const int descriptor =
        ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) return {Kind::Unreadable, {}};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return {Kind::NotRegular, {}};
    }
    QFile opened;
    if (!opened.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {Kind::Unreadable, {}};
    }
    FileBytes read{Kind::Regular, opened.read(SettingsStore::kMaxFileBytes + 1)};
    if (read.bytes.size() > SettingsStore::kMaxFileBytes) return {Kind::TooLarge, {}};
    return read;
}

std::variant<preferences::SettingsFile, preferences::SettingsFileRefusal> Checked(
    const QByteArray& bytes) {
    return preferences::ReadSettingsFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

SettingsStore::SettingsStore(std::ostream& errors, QString file)
    : errors_(errors), file_(std::move(file)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::UsualFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName() + QStringLiteral(".conf");
}

QSettings& SettingsStore::settings() {
    if (!settings_) {
        settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
        // QSaveFile underneath: the new file is written beside the old one, then renamed over it.
        settings_->setAtomicSyncRequired(true);
    }
    return *settings_;
}

preferences::Preferences SettingsStore::Read() {
    using Kind = FileBytes::Kind;
    const FileBytes file = ReadBytes(file_);
    switch (file.kind) {
        case Kind::Missing: return {};
        case Kind::NotRegular:
        case Kind::Unreadable:
            // Whoever made it unreadable, or put something else there, may mean it: it is left
            // as it is.
            errors_ << Said(common::Arg(
                file.kind == Kind::NotRegular
                    ? common::Tr("Settings",
                                 "impossible de lire « %1 » (ce n'est pas un fichier ordinaire) : "
                                 "démarrage avec les réglages par défaut, et rien n'y sera "
                                 "enregistré")
                    : common::Tr("Settings",
                                 "impossible de lire « %1 » : démarrage avec les réglages par "
                                 "défaut, et rien n'y sera enregistré"),
                {Utf8(file_)}));
            unreadable_ = true;
            return {};
        case Kind::TooLarge:
            errors_ << Said(common::Arg(
                common::Tr("Settings",
                           "« %1 » dépasse 1 Mio, ce n'est pas un fichier de réglages de ce "
                           "programme : démarrage avec les réglages par défaut"),
                {Utf8(file_)}));
            return {};
        case Kind::Regular: break;
    }
    const auto checked = Checked(file.bytes);
    if (const auto* refusal = std::get_if<preferences::SettingsFileRefusal>(&checked)) {
        errors_ << Said(common::Arg(common::Tr("Settings",
                                               "« %1 » n'est pas un fichier de réglages de ce "
                                               "programme (%2) : démarrage avec les réglages par "
                                               "défaut"),
                                    {Utf8(file_), refusal->reason}));
        return {};
    }
    const preferences::ReadResult result =
        preferences::ReadSettings(std::get<preferences::SettingsFile>(checked).settings);
    for (const preferences::SettingWarning& warning : result.warnings) {
        errors_ << Said(
            warning.key.empty()
                ? common::Arg(common::Tr("Settings", "« %1 » : %2"), {Utf8(file_), warning.reason})
                : common::Arg(common::Tr("Settings", "« %1 » : %2 : %3, donc il n'est pas utilisé"),
                              {Utf8(file_), warning.key, warning.reason}));
    }
    return result.preferences;
}

void SettingsStore::Write(const preferences::Preferences& preferences) {
    if (unreadable_) return;
    // QSettings reads the file before writing it, to keep the keys it does not set: it may only
    // read a file that passed the check as it is now (another run may have saved meanwhile).
    using Kind = FileBytes::Kind;
    const FileBytes file = ReadBytes(file_);
    if (file.kind == Kind::NotRegular || file.kind == Kind::Unreadable) {
        saveFailed();
        return;
    }
    bool replace = file.kind == Kind::TooLarge;
    if (file.kind == Kind::Regular) {
        const auto checked = Checked(file.bytes);
        const auto* read = std::get_if<preferences::SettingsFile>(&checked);
        replace = read == nullptr || read->byteOrderMark;
    }
    save(preferences, replace);
}

void SettingsStore::Reset(const preferences::Preferences& preferences) {
    if (unreadable_) return;
    const QFileInfo info(file_);
    if (info.exists() && !info.isFile()) {
        errors_ << Said(common::Arg(common::Tr("Settings",
                                               "impossible de remplacer « %1 » (ce n'est pas un "
                                               "fichier ordinaire) : rien n'y sera enregistré"),
                                    {Utf8(file_)}));
        unreadable_ = true;
        return;
    }
    save(preferences, true);
}

void SettingsStore::save(const preferences::Preferences& preferences, bool replaceWhole) {
    // A fresh QSettings for each save: its status tells only what happens from now on (QSettings
    // keeps the first error it meets), and it reads the file as it is now, so that what another
    // run saved meanwhile is merged rather than overwritten.
    settings_.reset();
    // Nothing of a file replaced whole is kept, nor even read: one that cannot be removed (a
    // read-only folder) is not saved over.
    if (replaceWhole && !QFile::remove(file_) && QFileInfo::exists(file_)) {
        saveFailed();
        return;
    }
    QSettings& s = settings();
    s.remove(QStringLiteral("display"));
    s.remove(QStringLiteral("windows"));
    for (const preferences::Setting& setting : preferences::WriteSettings(preferences))
        s.setValue(QString::fromStdString(setting.key), QString::fromStdString(setting.value));
    s.sync();
    if (s.status() != QSettings::NoError) saveFailed();
}

void SettingsStore::saveFailed() {
    if (saveFailureSaid_) return;
    saveFailureSaid_ = true;
    errors_ << Said(common::Arg(
        common::Tr("Settings",
                   "impossible d'enregistrer les réglages dans « %1 » (son dossier est-il en "
                   "lecture seule ?) : la place des fenêtres, le premier plan et les couleurs ne "
                   "seront pas retenus"),
        {Utf8(file_)}));
}

}  // namespace ventrose::app
