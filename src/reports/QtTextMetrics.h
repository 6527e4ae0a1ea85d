#pragma once

#include <QFont>
#include <QImage>
#include <memory>
#include <string>
#include <unordered_map>

#include "reports/ReportLayout.h"
#include "reports/TextMetrics.h"

namespace tavo {

// The font a report item is painted in. Arial is drawn with Liberation Sans, which has its
// metrics.
QFont ReportFont(const TextFont& font);

// Text measured with the fonts the reports are painted in, at 1200 dots per inch, so that a
// page is laid out alike on the screen, in a PDF and on any printer. Widths are kept per font
// and text: a long report measures the same few texts many times.
class QtTextMetrics final : public TextMetrics {
  public:
    QtTextMetrics();
    Micrometres Width(std::string_view text, const TextFont& font) const override;
    Micrometres LineHeight(const TextFont& font) const override;

  private:
    QImage device_;
    mutable std::unordered_map<std::string, Micrometres> widths_;
};

}  // namespace tavo
