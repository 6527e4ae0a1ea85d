#include "reports/ReportPrinting.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QProgressDialog>
#include <memory>

#include "platform/CodePage.h"
#include "platform/FileError.h"
#include "reports/PdfReport.h"

namespace tavo {

bool PrintReportRun(ReportRun& run, const ReportLayout& layout, ReportPainter& painter,
                    const std::string& printerName, bool cancelDialog, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QString::fromStdString(printerName));
    printer.setDocName(QString::fromStdString(layout.JobName));
    printer.setFullPage(true);
    printer.setPageLayout(ReportPageLayout(layout));
    QPainter device;
    if (!printer.isValid() || !device.begin(&printer))
        throw FileError("Cannot print on \"" + Utf8ToCp1252(printerName) +
                        "\": the printer cannot be opened");
    const int count = run.PageCount();
    std::unique_ptr<QProgressDialog> progress;
    if (cancelDialog) {
        progress = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, count,
                                                     parent);
        progress->setObjectName(QStringLiteral("ReportCancelDialog"));
        progress->setWindowTitle(QStringLiteral("Printing"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    for (int page = 1; page <= count; ++page) {
        if (progress) {
            progress->setValue(page - 1);
            progress->setLabelText(QStringLiteral("Printing page %1 of %2").arg(page).arg(count));
            QCoreApplication::processEvents();
            if (progress->wasCanceled()) {
                printer.abort();
                return false;
            }
        }
        if (page > 1) printer.newPage();
        painter.Paint(device, run.LayOut(page), printer.resolution());
    }
    device.end();
    return true;
}

}  // namespace tavo
