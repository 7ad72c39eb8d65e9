// SPDX-License-Identifier: GPL-3.0-or-later
// The program's dialogs, answered as a person answers them: the buttons a person reads, what
// each gives back, the suffix a file name gets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "documents/dialogs/qt_documents.h"

namespace ventrose::documents {
namespace {

// Runs `answer` on the next modal dialog, once it is shown.
void AnswerNextDialog(std::function<void(QWidget&)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start(5);
}

QStringList ButtonTexts(QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) texts << button->text();
    texts.sort();
    return texts;
}

void Click(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons())
        if (button->text() == text) return button->click();
    ADD_FAILURE() << "no button " << text.toStdString();
}

struct Fixture {
    QWidget window;
    QtDocumentFiles files;
    QtDocuments documents{files};
    Fixture() {
        window.setWindowTitle(QStringLiteral("Log de navigation"));
        documents.setOwner([this] { return &window; });
    }
};

TEST(QtDocuments, SaveChangesAnswers) {
    const struct {
        const char* button;
        platform::SaveChangesAnswer answer;
    } rows[] = {
        {"Enregistrer", platform::SaveChangesAnswer::Save},
        {"Ne pas enregistrer", platform::SaveChangesAnswer::Discard},
        {"Annuler", platform::SaveChangesAnswer::Cancel},
    };
    for (const auto& row : rows) {
        Fixture f;
        AnswerNextDialog([&](QWidget& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Log de navigation"));
            EXPECT_EQ(box.parentWidget(), &f.window);
            EXPECT_EQ(ButtonTexts(box),
                      (QStringList{QStringLiteral("Annuler"), QStringLiteral("Enregistrer"),
                                   QStringLiteral("Ne pas enregistrer")}));
            EXPECT_TRUE(box.text().contains(QStringLiteral("route.vlog")));
            Click(box, QString::fromUtf8(row.button));
        });
        EXPECT_EQ(f.documents.AskSaveChanges("route.vlog"), row.answer) << row.button;
    }
}

TEST(QtDocuments, YesNoAnswers) {
    for (const bool yes : {true, false}) {
        Fixture f;
        AnswerNextDialog([&](QWidget& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Récupération"));
            EXPECT_EQ(ButtonTexts(box),
                      (QStringList{QStringLiteral("Non"), QStringLiteral("Oui")}));
            Click(box, yes ? QStringLiteral("Oui") : QStringLiteral("Non"));
        });
        EXPECT_EQ(f.documents.AskYesNo("Reprendre le log ?", "Récupération"), yes);
    }
}

// A name typed without its suffix gets the filter's; a cancelled dialog gives nothing.
TEST(QtDocuments, SaveDialogAddsTheSuffix) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Fixture f;
    const platform::FileDialogRequest request{platform::FileDialogRequest::Mode::Save,
                                              "Enregistrer le log de navigation",
                                              "Log de navigation (*.vlog)", "route"};
    AnswerNextDialog([&](QWidget& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        EXPECT_EQ(files.windowTitle(), QStringLiteral("Enregistrer le log de navigation"));
        files.setDirectory(dir.path());
        files.selectFile(QStringLiteral("route"));
        static_cast<QDialog&>(files).accept();
    });
    EXPECT_EQ(f.documents.AskFileName(request),
              dir.filePath(QStringLiteral("route.vlog")).toStdString());
    AnswerNextDialog([](QWidget& dialog) { dynamic_cast<QFileDialog&>(dialog).reject(); });
    EXPECT_EQ(f.documents.AskFileName(request), std::nullopt);
}

// An account without a Documents folder: the first dialog starts at home with an empty name,
// not with "Documents" offered as the file's name.
TEST(QtDocuments, AFirstDialogWithoutADocumentsFolderStartsAtHomeWithNoName) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    QString folder, name = QStringLiteral("(no box)");
    {
        Fixture f;
        AnswerNextDialog([&](QWidget& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            folder = files.directory().absolutePath();
            if (auto* box = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name = box->text();
            files.reject();
        });
        f.documents.AskFileName({platform::FileDialogRequest::Mode::Open,
                                 "Ouvrir un log de navigation", "Log de navigation (*.vlog)", ""});
    }
    qputenv("HOME", savedHome);
    EXPECT_EQ(folder, home.path());
    EXPECT_EQ(name, QString());
}

TEST(QtDocuments, DefaultSuffixOfAFilter) {
    const struct {
        const char* filter;
        const char* suffix;
    } rows[] = {
        {"Log de navigation (*.vlog)", "vlog"},
        {"CSV (*.csv);;Tous les fichiers (*)", "csv"},
        {"PDF (*.pdf *.PDF)", "pdf"},
        {"Tous les fichiers (*)", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DefaultSuffix(QString::fromUtf8(row.filter)), QString::fromUtf8(row.suffix))
            << row.filter;
}

}  // namespace
}  // namespace ventrose::documents

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
