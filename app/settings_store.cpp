// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <vector>

#include "preferences/settings.h"

namespace ventrose::app {

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// A value as the core reads it. INI files keep strings; an unquoted comma makes a list, which
// comes back as the person wrote it, and a value stored as another type (@Point(...), @Variant)
// is named by its type, so that the core reports it rather than reads it.
std::string TextOf(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QString: return Utf8(value.toString());
        case QMetaType::QStringList: return Utf8(value.toStringList().join(QLatin1Char(',')));
        case QMetaType::QByteArray: return value.toByteArray().toStdString();
        default: break;
    }
    return "<" + std::string(value.metaType().isValid() ? value.typeName() : "invalid") + ">";
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
    const QFileInfo info(file_);
    if (!info.exists()) return {};
    if (info.isFile() && info.size() > kMaxFileBytes) {
        errors_ << "ventrose: " << Utf8(file_) << " is larger than 1 MiB, not a settings file of "
                << "this program: starting with the defaults\n";
        replaceWhole_ = true;
        return {};
    }
    QSettings& s = settings();
    // QSettings reads the file when first asked, and tells what went wrong only then.
    std::vector<preferences::Setting> pairs;
    {
        // Qt's own warnings about a value it cannot decode (an unknown type in @Variant) would
        // say again what the core says of the value, in Qt's words.
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        for (const QString& key : s.allKeys()) pairs.push_back({Utf8(key), TextOf(s.value(key))});
        qInstallMessageHandler(previous);
    }
    switch (s.status()) {
        case QSettings::NoError: break;
        case QSettings::AccessError:
            // Whoever made it unreadable may mean it: it is left as it is.
            errors_ << "ventrose: cannot read " << Utf8(file_)
                    << ": starting with the defaults, and nothing will be saved there\n";
            unreadable_ = true;
            return {};
        case QSettings::FormatError:
            errors_ << "ventrose: " << Utf8(file_)
                    << " is not a settings file: starting with the defaults\n";
            replaceWhole_ = true;
            return {};
    }
    preferences::ReadResult result = preferences::ReadSettings(pairs);
    for (const preferences::SettingWarning& warning : result.warnings) {
        errors_ << "ventrose: " << Utf8(file_) << ": "
                << (warning.key.empty() ? std::string() : warning.key + ": ") << warning.reason
                << ", so it is not used\n";
    }
    return result.preferences;
}

void SettingsStore::Write(const preferences::Preferences& preferences) {
    if (unreadable_) return;
    // A fresh QSettings for each save: its status tells only what happens from now on (QSettings
    // keeps the first error it meets), and it reads the file as it is now, so that what another
    // run saved meanwhile is merged rather than overwritten.
    settings_.reset();
    bool replace = replaceWhole_;
    if (!replace) {
        settings().allKeys();  // the file is read when first asked
        replace = settings().status() == QSettings::FormatError;
    }
    if (replace) {
        // Nothing of it is kept: a file QSettings cannot parse, or one too large to read.
        settings_.reset();
        QFile::remove(file_);
        replaceWhole_ = false;
    }
    QSettings& s = settings();
    s.remove(QStringLiteral("display"));
    s.remove(QStringLiteral("windows"));
    for (const preferences::Setting& setting : preferences::WriteSettings(preferences))
        s.setValue(QString::fromStdString(setting.key), QString::fromStdString(setting.value));
    s.sync();
    if (s.status() == QSettings::NoError || saveFailureSaid_) return;
    saveFailureSaid_ = true;
    errors_ << "ventrose: cannot save the settings in " << Utf8(file_)
            << " (is its folder read-only?): the windows' places, keeping on top and the colours "
               "will not be remembered\n";
}

}  // namespace ventrose::app
