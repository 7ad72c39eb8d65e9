// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <ostream>

#include "preferences/preferences.h"

class QSettings;

namespace ventrose::app {

// The preferences in the platform's usual settings place: the file QSettings keeps for
// organisation and application "Ventrose", $XDG_CONFIG_HOME/Ventrose/Ventrose.conf (usually
// ~/.config/Ventrose/Ventrose.conf). What the file holds is read and written as the preferences
// core's key/value strings, which decide what each value means.
//
// Nothing here fails: a missing, empty, unreadable, oversized or corrupt file, or a value that
// cannot be used, leaves the defaults, and each is said in one line on `errors`, in the current
// language. The file is checked as bytes (preferences/settings_file.h) before anything parses it,
// and QSettings is only ever given one that passed. An unreadable file, or anything but a regular
// file (a directory, a named pipe), is left alone and never opened; an oversized or refused one
// is replaced by the first save. A save that cannot be made (a read-only folder) is said once,
// however often the program saves. Every save replaces the whole file at once (a new file renamed
// over the old one), so that a program killed while saving leaves the previous file whole.
class SettingsStore {
public:
    // A larger file is not one this program wrote (it writes a few hundred bytes): it is not
    // read, and the first save replaces it.
    static constexpr std::int64_t kMaxFileBytes = 1 << 20;

    // Reads and writes `file`; by default the usual place above, which the organisation and
    // application names of QCoreApplication must already name.
    explicit SettingsStore(std::ostream& errors, QString file = UsualFile());
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString UsualFile();
    const QString& file() const { return file_; }

    preferences::Preferences Read();
    // Keeps the keys a later version may have added; ours are written afresh.
    void Write(const preferences::Preferences& preferences);
    // Forgets what the file holds, without reading it, and writes `preferences` in its place.
    void Reset(const preferences::Preferences& preferences);

private:
    QSettings& settings();
    void save(const preferences::Preferences& preferences, bool replaceWhole);
    void saveFailed();

    std::ostream& errors_;
    QString file_;
    std::unique_ptr<QSettings> settings_;
    bool unreadable_ = false;
    bool saveFailureSaid_ = false;
};

}  // namespace ventrose::app
