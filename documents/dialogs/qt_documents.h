// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "documents/qt_document_files.h"
#include "platform/documents.h"

class QWidget;

namespace ventrose::documents {

// The program's documents: real file dialogs, the print dialog (a printer, or a PDF file) and
// message boxes with French buttons, each owned by the window that asks (so that it stays above
// it, as the message boxes of the forms do); files and PDF files through the shared part.
class QtDocuments : public platform::Documents {
public:
    explicit QtDocuments(platform::DocumentFiles& files);

    // The window taking input when a dialog opens, or null: the dialog is owned by it. Set once
    // the windows exist, as QtHost::setWindowOf is.
    void setOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }

    std::optional<std::string> AskFileName(const platform::FileDialogRequest& request) override;
    ReadResult ReadFile(const std::string& path, std::size_t maxBytes) override;
    std::optional<std::string> WriteFileAtomic(const std::string& path,
                                               std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
    std::string RecoveryPath(std::string_view name) override;
    std::optional<std::string> Print(const common::PrintJob& job) override;
    platform::SaveChangesAnswer AskSaveChanges(std::string_view documentName) override;
    bool AskYesNo(std::string_view prompt, std::string_view title) override;

private:
    QWidget* owner() const { return owner_ ? owner_() : nullptr; }

    platform::DocumentFiles& files_;
    std::function<QWidget*()> owner_;
    QString folder_;  // where the last file dialog ended, where the next one starts
};

// The suffix a dialog's filter names first, "vlog" for "Log de navigation (*.vlog)"; empty when
// it names none.
QString DefaultSuffix(const QString& filter);

}  // namespace ventrose::documents
