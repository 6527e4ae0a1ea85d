#include "reports/PdfReport.h"

#include <QMarginsF>
#include <QPageSize>

#include "platform/CodePage.h"
#include "platform/FileError.h"

namespace tavo {
namespace {

constexpr int kPdfDotsPerInch = 1200;

FileError WriteError(const std::string& path, const QString& reason) {
    return FileError("Cannot write file \"" + PathInMessage(path) +
                     "\": " + Utf8ToCp1252(reason.toStdString()));
}

}  // namespace

QPageLayout ReportPageLayout(const ReportLayout& layout) {
    const bool landscape = layout.Page.Orientation == PaperOrientation::Landscape;
    return QPageLayout(QPageSize(QPageSize::A4),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

PdfReport::PdfReport(const std::string& path, const std::string& title) : path_(path), file_(path) {
    bytes_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&bytes_);
    writer_->setResolution(kPdfDotsPerInch);
    writer_->setTitle(QString::fromStdString(Cp1252ToUtf8(title)));
    writer_->setCreator(QStringLiteral("Tavo Calculator"));
}

PdfReport::~PdfReport() {
    // Without Finish the temporary file goes and the old file stays.
    if (painter_) painter_->end();
}

void PdfReport::Add(ReportRun& run, const ReportLayout& layout, ReportPainter& painter,
                    const std::function<void(int page)>& afterPage) {
    writer_->setPageLayout(ReportPageLayout(layout));
    for (int page = 1; page <= run.PageCount(); ++page) {
        if (!painter_) {
            painter_ = std::make_unique<QPainter>();
            if (!painter_->begin(writer_.get()))
                throw WriteError(path_, QStringLiteral("the PDF cannot be started"));
        } else if (anyPage_ && !writer_->newPage()) {
            throw WriteError(path_, QStringLiteral("no new page"));
        }
        anyPage_ = true;
        painter.Paint(*painter_, run.LayOut(page), kPdfDotsPerInch);
        if (afterPage) afterPage(page);
    }
}

void PdfReport::Finish() {
    if (painter_) painter_->end();
    painter_.reset();
    writer_.reset();
    const QByteArray& pdf = bytes_.data();
    file_.Write(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    bytes_.close();
    file_.Commit();
}

}  // namespace tavo
