#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <functional>
#include <memory>
#include <string>

#include "platform/TextFile.h"
#include "reports/ReportPainter.h"
#include "reports/ReportRun.h"

namespace tavo {

// The page layout of a report as designed: its paper, its orientation, no printer margins
// (the layout's own margins are part of its bands' positions).
QPageLayout ReportPageLayout(const ReportLayout& layout);

// A PDF file of reports, one after another: written whole by Finish, through a temporary file
// beside path, so that a failure leaves whatever was at path as it was.
class PdfReport {
  public:
    PdfReport(const std::string& path, const std::string& title);
    ~PdfReport();
    PdfReport(const PdfReport&) = delete;
    PdfReport& operator=(const PdfReport&) = delete;

    // Paints every page of run; pages follow those of earlier reports; afterPage, when given,
    // hears of each page painted. Throws FileError when the file cannot be written.
    void Add(ReportRun& run, const ReportLayout& layout, ReportPainter& painter,
             const std::function<void(int page)>& afterPage = {});
    // Closes the file and puts it in place. Throws FileError.
    void Finish();

  private:
    std::string path_;
    AtomicWriter file_;
    QBuffer bytes_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    bool anyPage_ = false;
};

}  // namespace tavo
