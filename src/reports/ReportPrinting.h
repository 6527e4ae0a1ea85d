#pragma once

#include <QWidget>
#include <string>

#include "reports/ReportPainter.h"
#include "reports/ReportRun.h"

namespace tavo {

// Prints every page of run on the printer named, as a job named after the report, on the
// report's paper in its orientation. While it prints, the engine's own dialog shows "Printing
// page k of n" with a Cancel button, unless cancelDialog is false. Returns false when Cancel
// was pressed (the job is withdrawn); throws FileError when the printer cannot be opened.
bool PrintReportRun(ReportRun& run, const ReportLayout& layout, ReportPainter& painter,
                    const std::string& printerName, bool cancelDialog, QWidget* parent);

}  // namespace tavo
