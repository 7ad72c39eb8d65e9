// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/print_job.h"

class QPagedPaintDevice;
class QPainter;

namespace ventrose::documents {

// Sets the device's page to the job's size and orientation, with no margin: the job places
// everything from the paper's corner.
void SetUpPage(const common::PrintJob& job, QPagedPaintDevice& device);

// Paints every page of the job on a painter begun on `device` (a printer or a PDF writer),
// millimetres turned into the device's units. A text wider than its box is drawn smaller, down
// to half its size (a figure must be read whole), then cut with an ellipsis: nothing spills into
// the next column. False when the device refused a new page.
bool PaintJob(const common::PrintJob& job, QPagedPaintDevice& device, QPainter& painter);

}  // namespace ventrose::documents
