#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <functional>

#include "reports/ReportPainter.h"
#include "reports/ReportRun.h"

namespace tavo {

// The report on the screen: a modal window that lays out and paints the page shown when it is
// shown, with buttons to page through the report, a zoom, Print and Save as PDF.
class TReportPreview : public QDialog {
    Q_OBJECT
  public:
    TReportPreview(ReportRun& run, const ReportLayout& layout, ReportPainter& painter,
                   QWidget* parent = nullptr);

    // What Print and Save as PDF do; the program sets them.
    std::function<void()> PrintRequested;
    std::function<void()> SaveRequested;

    int CurrentPage() const { return page_; }
    void ShowPage(int page);
    // Zoom in per cent of the paper's real size; 0 fits the page's width, -1 the whole page.
    void SetZoom(int percent);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class PageView;
    void Resize();

    ReportRun& run_;
    const ReportLayout& layout_;
    ReportPainter& painter_;
    int page_ = 1;
    int zoom_ = 0;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
};

}  // namespace tavo
