// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/dialogs/qt_documents.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

#include "common/tr.h"
#include "documents/print_painter.h"

namespace ventrose::documents {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text in the current language as a QString (lupdate reads QTr as it reads common::Tr).
QString QTr(const char* context, const char* french) {
    return QString::fromStdString(common::Tr(context, french));
}

// A question's title is the asking window's own, as a person reads which window asks.
QString TitleOf(QWidget* owner) {
    return owner != nullptr && !owner->windowTitle().isEmpty() ? owner->windowTitle()
                                                               : QStringLiteral("Ventrose");
}

}  // namespace

QString DefaultSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QtDocuments::QtDocuments(platform::DocumentFiles& files)
    : files_(files), folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {}

std::optional<std::string> QtDocuments::AskFileName(const platform::FileDialogRequest& request) {
    const bool save = request.mode == platform::FileDialogRequest::Mode::Save;
    // A folder that is not there (no Documents folder in this account) would be offered as a
    // file name in the dialog's name box: the dialog starts at home instead.
    const QString folder = QFileInfo(folder_).isDir() ? folder_ : QDir::homePath();
    QFileDialog dialog(owner(), QString::fromStdString(request.title), folder,
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without its suffix gets it, and the dialog asks before replacing that file.
    // Not when opening: a file is opened by the name it has, and a flight plan may have none.
    if (save) dialog.setDefaultSuffix(DefaultSuffix(QString::fromStdString(request.filter)));
    if (save && !request.suggestedName.empty())
        dialog.selectFile(QString::fromStdString(request.suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

platform::Documents::ReadResult QtDocuments::ReadFile(const std::string& path,
                                                      std::size_t maxBytes) {
    return files_.ReadFile(path, maxBytes);
}

std::optional<std::string> QtDocuments::WriteFileAtomic(const std::string& path,
                                                        std::string_view bytes) {
    return files_.WriteFileAtomic(path, bytes);
}

bool QtDocuments::FileExists(const std::string& path) { return files_.FileExists(path); }

void QtDocuments::RemoveFile(const std::string& path) { files_.RemoveFile(path); }

std::string QtDocuments::RecoveryPath(std::string_view name) { return UserRecoveryPath(name); }

// A PDF file chosen in the dialog is written by the shared part, atomically; a printer gets the
// pages painted on it.
std::optional<std::string> QtDocuments::Print(const common::PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(job.title));
    printer.setCreator(QStringLiteral("Ventrose"));
    printer.setFullPage(true);
    SetUpPage(job, printer);
    QPrintDialog dialog(&printer, owner());
    dialog.setWindowTitle(
        QTr("Documents", "Imprimer « %1 »").arg(QString::fromStdString(job.title)));
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QString path = printer.outputFileName();
        if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
        return files_.PrintToPdf(job, path.toStdString());
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return common::Arg(
            common::Tr("Documents", "L'imprimante « %1 » n'a pas pu commencer l'impression."),
            {printer.printerName().toStdString()});
    if (!PaintJob(job, printer, painter)) {
        painter.end();
        return common::Tr("Documents", "L'impression a été interrompue.");
    }
    painter.end();
    return std::nullopt;
}

platform::SaveChangesAnswer QtDocuments::AskSaveChanges(std::string_view documentName) {
    QWidget* parent = owner();
    QMessageBox box(QMessageBox::Warning, TitleOf(parent),
                    QTr("Documents", "Enregistrer les modifications de « %1 » avant de fermer ?")
                        .arg(Text(documentName)),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(QTr("Documents", "Enregistrer"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QTr("Documents", "Ne pas enregistrer"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QTr("Documents", "Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return platform::SaveChangesAnswer::Save;
    if (box.clickedButton() == discard) return platform::SaveChangesAnswer::Discard;
    return platform::SaveChangesAnswer::Cancel;
}

bool QtDocuments::AskYesNo(std::string_view prompt, std::string_view title) {
    QMessageBox box(QMessageBox::Question, Text(title), Text(prompt), QMessageBox::NoButton,
                    owner());
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QTr("Documents", "Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QTr("Documents", "Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace ventrose::documents
