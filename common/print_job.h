// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace ventrose::common {

// Printed pages described without any toolkit: texts and strokes placed in millimetres from
// the top left corner of an A5 or A4 page. The window's own layout code builds it; the adapter
// paints it on a printer or into a PDF file.
struct PrintText {
    double x = 0, y = 0;           // the text's box, mm
    double width = 0, height = 0;  // mm
    std::string text;              // UTF-8
    double pointSize = 9;
    bool bold = false;
    enum class Align { Left, Centre, Right } align = Align::Left;
};

struct PrintStroke {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // mm
    double widthMm = 0.2;
};

struct PrintPage {
    std::vector<PrintText> texts;
    std::vector<PrintStroke> strokes;
};

struct PrintJob {
    std::string title;  // the document's name, for the print queue and the PDF's title
    enum class PageSize { A4, A5 } pageSize = PageSize::A5;
    bool landscape = false;
    std::vector<PrintPage> pages;
};

}  // namespace ventrose::common
