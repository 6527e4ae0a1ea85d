#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <string>
#include <unordered_map>

#include "reports/ReportRun.h"

namespace tavo {

// Paints laid-out pages with a QPainter: on a printer, into a PDF or on the screen. All the
// lines of a page are filled in one call, and each distinct text is shaped once and drawn
// again from then on, so that a report of thousands of pages paints quickly.
class ReportPainter {
  public:
    // logo: the picture of the reports' "logo" items (a null image paints nothing there).
    explicit ReportPainter(QImage logo);

    // Paints page on painter, whose device has dotsPerInch; the page's top-left corner at the
    // device's origin.
    void Paint(QPainter& painter, const Page& page, double dotsPerInch);

  private:
    struct Shaped {
        QStaticText Text;
        double Width = 0;  // in device dots
    };
    const Shaped& Shape(const ReportItem& item, const std::string& text, double boxWidth,
                        double dotsPerInch, const QFont& font);

    QImage logo_;
    std::unordered_map<std::string, Shaped> shaped_;
    std::unordered_map<std::string, QFont> fonts_;
    double shapedAt_ = 0;  // the resolution the shaped texts are for
};

// The reports' logo: TavoLogo.jpg as found for this run, decoded; a null image when it cannot
// be read.
QImage LoadReportLogo(const std::string& path);

}  // namespace tavo
