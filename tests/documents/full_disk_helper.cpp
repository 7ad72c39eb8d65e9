// SPDX-License-Identifier: GPL-3.0-or-later
// full-disk-helper PATH BYTES: saves BYTES bytes over PATH through the documents adapter, as the
// window saves a log, and prints what the adapter said. Run under a file size limit, it is a
// disk that fills up in the middle of a save. Exit status: 0 when the save was refused, 1 when
// it went through, 2 on a wrong command line.
#include <cstdlib>
#include <iostream>
#include <string>

#include "documents/qt_document_files.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: full-disk-helper PATH BYTES\n";
        return 2;
    }
    const std::string bytes(std::strtoul(argv[2], nullptr, 10), 'N');
    ventrose::documents::QtDocumentFiles files;
    const auto error = files.WriteFileAtomic(argv[1], bytes);
    if (!error) return 1;
    std::cout << *error << "\n";
    return 0;
}
