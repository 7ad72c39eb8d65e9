// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <string>
#include <variant>

#include "documents/qt_document_files.h"
#include "navlog/logfile.h"

namespace ventrose::documents {
namespace {

using navlog::LogNav;

std::string In(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
}

std::string Contents(const std::string& path) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll().toStdString();
}

// Random logs saved over one another into one file and opened again, as the window does it:
// each comes back equal, and nothing is left beside the file.
TEST(QtDocumentFiles, RandomLogsSaveAndOpenEqual) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtDocumentFiles files;
    const std::string path = In(dir, "Vol de nuit é ;.vlog");
    std::mt19937 random(7);
    const auto whole = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int n = 0; n < 40; ++n) {
        LogNav log;
        log.Vp = whole(navlog::kVpMin, navlog::kVpMax);
        log.departure = whole(0, 1439);
        log.fuelUnit = static_cast<navlog::UniteCarbu>(whole(0, 3));
        log.fuelAtDeparture = whole(0, 1000000) / 10.0;
        log.fuelPerHour = whole(0, 5000) / 10.0;
        log.finalReserve = whole(0, 500) / 10.0;
        log.etapes.resize(static_cast<std::size_t>(whole(0, 100)));
        for (navlog::Etape& e : log.etapes) {
            e = {"Repère « " + std::to_string(whole(0, 999)) + " »",
                 whole(0, 360),
                 whole(0, 400),
                 whole(0, 360),
                 whole(0, 360),
                 {}};
            if (whole(0, 1)) e.HR = whole(0, 1439);
        }
        ASSERT_EQ(files.WriteFileAtomic(path, navlog::WriteLog(log)), std::nullopt);
        const auto read = files.ReadFile(path, navlog::kMaxFichier);
        ASSERT_TRUE(read.bytes) << read.error;
        const auto opened = navlog::ReadLog(*read.bytes);
        ASSERT_TRUE(std::holds_alternative<LogNav>(opened));
        ASSERT_EQ(std::get<LogNav>(opened), log);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// What cannot be read is refused with a message naming the file, before anything is read.
TEST(QtDocumentFiles, ReadRefusals) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtDocumentFiles files;
    const std::size_t bound = 1000;
    ASSERT_EQ(files.WriteFileAtomic(In(dir, "juste.vlog"), std::string(bound, 'x')), std::nullopt);
    ASSERT_EQ(files.WriteFileAtomic(In(dir, "gros.vlog"), std::string(bound + 1, 'x')),
              std::nullopt);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.vlog")));
    const struct {
        const char* what;
        std::string path;
        const char* message;  // empty when the file is read
    } rows[] = {
        {"at the bound", In(dir, "juste.vlog"), ""},
        {"one byte over", In(dir, "gros.vlog"),
         "Le fichier « gros.vlog » est trop grand (plus de 1000 octets) ; il n'a pas "
         "été lu."},
        {"missing", In(dir, "absent.vlog"), "Le fichier « absent.vlog » n'existe pas."},
        {"a folder", In(dir, "dossier.vlog"), "Le fichier « dossier.vlog » est un dossier."},
        {"a device that never ends", "/dev/zero",
         "Le fichier « zero » n'est pas un fichier ordinaire."},
    };
    for (const auto& row : rows) {
        const auto read = files.ReadFile(row.path, bound);
        EXPECT_EQ(read.error, row.message) << row.what;
        EXPECT_EQ(read.bytes.has_value(), *row.message == '\0') << row.what;
    }
}

// A save that cannot happen says why, naming the file, and leaves what was there.
TEST(QtDocumentFiles, FailedSavesChangeNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtDocumentFiles files;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.vlog")));
    const struct {
        const char* what;
        std::string path;
        const char* starts;
    } rows[] = {
        {"into a missing folder", In(dir, "absent/log.vlog"),
         "Le fichier « log.vlog » n'a pas pu être enregistré : "},
        {"over a folder", In(dir, "dossier.vlog"),
         "Le fichier « dossier.vlog » n'a pas pu être enregistré : c'est un dossier."},
    };
    for (const auto& row : rows) {
        const auto error = files.WriteFileAtomic(row.path, "{}");
        ASSERT_TRUE(error) << row.what;
        EXPECT_EQ(error->rfind(row.starts, 0), 0u) << *error;
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("dossier.vlog"))).isDir());
    EXPECT_FALSE(files.FileExists(In(dir, "absent/log.vlog")));
}

TEST(QtDocumentFiles, RemoveAndExist) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtDocumentFiles files;
    const std::string path = In(dir, "a.vlog");
    ASSERT_EQ(files.WriteFileAtomic(path, "x"), std::nullopt);
    EXPECT_TRUE(files.FileExists(path));
    EXPECT_EQ(Contents(path), "x");
    files.RemoveFile(path);
    EXPECT_FALSE(files.FileExists(path));
    EXPECT_FALSE(files.FileExists(dir.path().toStdString()));
}

TEST(QtDocumentFiles, RecoveryPathInTheUsersDataFolder) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const std::string path = UserRecoveryPath("log/../secours.vlog");
    EXPECT_EQ(path,
              home.filePath(QStringLiteral("Ventrose/Ventrose/log_.._secours.vlog")).toStdString());
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("Ventrose/Ventrose"))).isDir());
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace ventrose::documents
