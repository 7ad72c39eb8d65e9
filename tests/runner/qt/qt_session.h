// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "documents/qt_document_files.h"
#include "platform/document_files.h"
#include "tests/runner/scenario.h"

class QGuiApplication;

namespace ventrose::scenario {

// The Qt side of the runner for one process: the QApplication (made only in the --qt mode, so
// that the headless mode needs no display), one fresh application per file, and the program's
// own files and PDF writer for both modes.
class QtSession {
public:
    QtSession(int& argc, char** argv, bool qt);
    ~QtSession();
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

    // Plays one file on the real widgets (--qt), or headless; either way with the fake
    // simulators for the sim- steps.
    bool run(const std::string& file, const Scenario& scenario, std::ostream& out);
    bool runHeadless(const std::string& file, const Scenario& scenario, std::ostream& out);

    platform::DocumentFiles& files() { return files_; }

private:
    // The headless mode has no QApplication; printing (fonts) and the simulator's sockets (an
    // event loop) start an off-screen QGuiApplication, kept for the rest of the run.
    void ensureApplication();
    // Speaks the file's language (ScenarioLanguage) before its application is made.
    void speak(const Scenario& scenario);

    // The program's files.
    class Files : public platform::DocumentFiles {
    public:
        explicit Files(QtSession& session) : session_(session) {}
        platform::Documents::ReadResult ReadFile(const std::string& path,
                                                 std::size_t maxBytes) override {
            return files_.ReadFile(path, maxBytes);
        }
        std::optional<std::string> WriteFileAtomic(const std::string& path,
                                                   std::string_view bytes) override {
            return files_.WriteFileAtomic(path, bytes);
        }
        bool FileExists(const std::string& path) override { return files_.FileExists(path); }
        void RemoveFile(const std::string& path) override { files_.RemoveFile(path); }
        std::optional<std::string> PrintToPdf(const common::PrintJob& job,
                                              const std::string& path) override;

    private:
        QtSession& session_;
        documents::QtDocumentFiles files_;
    };

    int& argc_;
    char** argv_;
    std::unique_ptr<QGuiApplication> application_;
    Files files_{*this};
};

}  // namespace ventrose::scenario
