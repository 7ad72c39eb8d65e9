// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <sstream>

namespace ventrose::app {
namespace {

using preferences::Palette;
using preferences::Preferences;

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() : file_(folder_.path() + QStringLiteral("/Ventrose/Ventrose.conf")) {}

    void writeFile(const QByteArray& bytes) const {
        QDir().mkpath(folder_.path() + QStringLiteral("/Ventrose"));
        QFile out(file_);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }

    QByteArray readFile() const {
        QFile in(file_);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    // What a fresh start reads, and what it says.
    Preferences readFresh(std::string* said = nullptr) const {
        std::ostringstream errors;
        SettingsStore store(errors, file_);
        const Preferences read = store.Read();
        if (said != nullptr) *said = errors.str();
        return read;
    }

    static Preferences chosen() {
        Preferences p;
        p.onTop = true;
        p.palette = Palette::NuitRouge;
        p.windowPositions["frmMainCalc"] = {-1200, 40};
        p.windowPositions["frmVitesse"] = {300, 210};
        return p;
    }

    QTemporaryDir folder_;
    QString file_;
};

TEST_F(SettingsStoreTest, NoFileIsTheDefaultsSaidNothing) {
    std::string said;
    EXPECT_EQ(readFresh(&said), Preferences{});
    EXPECT_EQ(said, "");
}

TEST_F(SettingsStoreTest, WhatIsSavedIsReadAtTheNextStart) {
    std::ostringstream errors;
    SettingsStore(errors, file_).Write(chosen());
    std::string said;
    EXPECT_EQ(readFresh(&said), chosen());
    EXPECT_EQ(said + errors.str(), "");
    EXPECT_TRUE(readFile().contains("palette=nuit-rouge")) << readFile().toStdString();
}

std::ptrdiff_t Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

QByteArray Garbage(std::size_t size) {
    std::mt19937 random(20261207);
    QByteArray bytes;
    for (std::size_t i = 0; i < size; ++i) bytes.append(static_cast<char>(random() & 0xFF));
    return bytes;
}

struct BadFile {
    const char* name;
    QByteArray contents;
    std::vector<const char*> said;  // each in what is said, one line apiece
};

// Whatever the file holds, the program starts with the defaults, each value it cannot use named
// on standard error.
TEST_F(SettingsStoreTest, ABadFileGivesTheDefaults) {
    const BadFile files[] = {
        {"empty", "", {}},
        {"binary garbage", Garbage(4096), {"n'est pas un fichier de réglages de ce programme"}},
        {"garbage with the keys' names",
         "[display]\x01\x02onTop=\xff\xfe\x00palette\n\x7f",
         {"(ligne 1 : un octet qui n'est pas de l'ASCII imprimable)"}},
        // Qt's INI reader would decode it, recursing once a level, until the stack overflows.
        {"a value of Qt's own types nested 30,000 deep",
         "[windows]\nfrmMainCalc\\x=1,2\n[display]\npalette=@Variant(" +
             QByteArray("\\0\\0\\0\\t\\0\\0\\0\\x1").repeated(30000) + ")\n",
         {"(ligne 4 : plus longue que 512 octets)"}},
        {"out of range",
         "[windows]\nfrmVitesse\\x=100001\nfrmVitesse\\y=-999999999999999999999\n",
         {"windows/frmVitesse/x : hors des limites", "windows/frmVitesse/y : hors des limites"}},
        {"unknown words",
         "[display]\nonTop=peut-etre\npalette=bleu\n",
         {"display/onTop : ni « true » ni « false » : \"peut-etre\"",
          "display/palette : ni « jour », ni « nuit », ni « nuit-rouge » : \"bleu\""}},
        {"one coordinate", "[windows]\nfrmQuit\\x=10\n", {"windows/frmQuit/y : absente"}},
        {"too long a value",
         "[display]\npalette=" + QByteArray(300, 'n') + "\n",
         {"display/palette : plus longue que 256 octets"}},
    };
    for (const BadFile& bad : files) {
        writeFile(bad.contents);
        std::string said;
        EXPECT_EQ(readFresh(&said), Preferences{}) << bad.name;
        for (const char* expected : bad.said)
            EXPECT_NE(said.find(expected), std::string::npos) << bad.name << ": " << said;
        if (!bad.said.empty()) {
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'),
                      static_cast<std::ptrdiff_t>(bad.said.size()))
                << bad.name << ": " << said;
        }

        std::ostringstream errors;
        SettingsStore store(errors, file_);
        store.Read();
        store.Write(chosen());
        EXPECT_EQ(readFresh(), chosen()) << bad.name << ": the next save is read again";
    }
}

TEST_F(SettingsStoreTest, AFileTooLargeIsNotReadAndTheNextSaveReplacesIt) {
    writeFile(QByteArray(SettingsStore::kMaxFileBytes + 1, 'x'));
    std::ostringstream errors;
    SettingsStore store(errors, file_);
    EXPECT_EQ(store.Read(), Preferences{});
    EXPECT_NE(errors.str().find("dépasse 1 Mio"), std::string::npos) << errors.str();
    store.Write(chosen());
    EXPECT_LT(readFile().size(), 1000);
    EXPECT_EQ(readFresh(), chosen());
}

TEST_F(SettingsStoreTest, KeysOfALaterVersionAreKept) {
    writeFile("[display]\npalette=nuit\ncompass=rose\n[network]\nport=49000\n");
    std::ostringstream errors;
    SettingsStore store(errors, file_);
    EXPECT_EQ(store.Read().palette, Palette::Nuit);
    store.Write(chosen());
    EXPECT_TRUE(readFile().contains("port=49000")) << readFile().toStdString();
    EXPECT_EQ(errors.str(), "");
}

// A text editor may begin the file with one; QSettings would take the whole file for garbage.
TEST_F(SettingsStoreTest, AByteOrderMarkIsReadAndTheNextSaveLeavesItOut) {
    writeFile("\xEF\xBB\xBF[display]\npalette=nuit\n");
    std::ostringstream errors;
    SettingsStore store(errors, file_);
    Preferences read = store.Read();
    EXPECT_EQ(read.palette, Palette::Nuit);
    read.onTop = true;
    store.Write(read);
    EXPECT_EQ(readFresh(), read);
    EXPECT_FALSE(readFile().startsWith("\xEF\xBB\xBF")) << readFile().toStdString();
    EXPECT_EQ(errors.str(), "");
}

// Opening a pipe for reading waits for a writer: the start would hang.
TEST_F(SettingsStoreTest, ANamedPipeIsNeverOpenedNorReplaced) {
    QDir().mkpath(folder_.path() + QStringLiteral("/Ventrose"));
    ASSERT_EQ(mkfifo(QFile::encodeName(file_).constData(), 0600), 0);
    std::ostringstream errors;
    SettingsStore store(errors, file_);
    EXPECT_EQ(store.Read(), Preferences{});
    store.Write(chosen());
    SettingsStore(errors, file_).Reset(chosen());  // --reset-settings
    const std::string said = errors.str();
    EXPECT_EQ(Lines(said), 2) << said;
    EXPECT_NE(said.find("(ce n'est pas un fichier ordinaire)"),
              said.rfind("(ce n'est pas un fichier ordinaire)"))
        << said;
    EXPECT_FALSE(QFileInfo(file_).isFile());
}

// A directory where the file should be cannot be read, even by root.
TEST_F(SettingsStoreTest, AnUnreadableFileGivesTheDefaultsAndIsLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(file_));
    std::ostringstream errors;
    SettingsStore store(errors, file_);
    EXPECT_EQ(store.Read(), Preferences{});
    store.Write(chosen());
    store.Write(chosen());
    EXPECT_NE(errors.str().find("impossible de lire"), std::string::npos);
    EXPECT_EQ(Lines(errors.str()), 1) << errors.str();
    EXPECT_TRUE(QFileInfo(file_).isDir());
}

// A folder under a regular file can be made by nobody, root included.
TEST_F(SettingsStoreTest, AFolderThatCannotBeWrittenIsSaidOnce) {
    QFile blocker(folder_.path() + QStringLiteral("/Ventrose"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    std::ostringstream errors;
    SettingsStore store(errors, file_);
    EXPECT_EQ(store.Read(), Preferences{});
    for (int i = 0; i < 3; ++i) store.Write(chosen());
    EXPECT_NE(errors.str().find("impossible d'enregistrer les réglages"), std::string::npos)
        << errors.str();
    EXPECT_EQ(Lines(errors.str()), 1) << errors.str();
}

TEST_F(SettingsStoreTest, AReadOnlyFolderKeepsItsFileAsItWas) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes in a read-only folder all the same";
    std::ostringstream errors;
    SettingsStore(errors, file_).Write(Preferences{});
    const QByteArray before = readFile();
    const QString folder = folder_.path() + QStringLiteral("/Ventrose");
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    SettingsStore store(errors, file_);
    store.Read();
    store.Write(chosen());
    store.Write(chosen());
    chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_EQ(readFile(), before);
    EXPECT_EQ(Lines(errors.str()), 1) << errors.str();
}

// A save writes a new file and renames it over the old one: whoever reads the old file (or a
// program killed halfway) sees it whole, never half written.
TEST_F(SettingsStoreTest, ASaveReplacesTheFileWholeAtOnce) {
    std::ostringstream errors;
    SettingsStore store(errors, file_);
    store.Write(Preferences{});
    const QByteArray before = readFile();
    struct stat old {};
    ASSERT_EQ(stat(QFile::encodeName(file_).constData(), &old), 0);
    QFile reader(file_);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));

    store.Write(chosen());
    struct stat now {};
    ASSERT_EQ(stat(QFile::encodeName(file_).constData(), &now), 0);
    EXPECT_NE(now.st_ino, old.st_ino) << "a new file took the old one's name";
    EXPECT_EQ(reader.readAll(), before) << "the old file is untouched";
    EXPECT_EQ(readFresh(), chosen());
    const QStringList left =
        QDir(folder_.path() + QStringLiteral("/Ventrose")).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{QStringLiteral("Ventrose.conf")}) << "no temporary file is left";
}

}  // namespace
}  // namespace ventrose::app
