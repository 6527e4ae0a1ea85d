#include "reports/QtTextMetrics.h"

#include <QFontMetricsF>
#include <cmath>

#include "components/QtText.h"

namespace tavo {
namespace {

constexpr double kDotsPerInch = 1200.0;
constexpr double kMicrometresPerInch = 25400.0;
constexpr std::size_t kMaxKeptWidths = 1u << 16;

Micrometres ToMicrometres(double dots) {
    return static_cast<Micrometres>(std::lround(dots * kMicrometresPerInch / kDotsPerInch));
}

}  // namespace

QFont ReportFont(const TextFont& font) {
    QFont qt(font.Family == "Arial" ? QStringLiteral("Liberation Sans")
                                    : QString::fromStdString(font.Family));
    qt.setPointSize(font.Points);
    qt.setBold(font.Bold);
    return qt;
}

QtTextMetrics::QtTextMetrics() : device_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMetre = static_cast<int>(std::lround(kDotsPerInch / 0.0254));
    device_.setDotsPerMeterX(dotsPerMetre);
    device_.setDotsPerMeterY(dotsPerMetre);
}

Micrometres QtTextMetrics::Width(std::string_view text, const TextFont& font) const {
    std::string key = font.Family + '\0' + std::to_string(font.Points) + (font.Bold ? "b" : "r");
    key.append(text);
    if (const auto found = widths_.find(key); found != widths_.end()) return found->second;
    if (widths_.size() >= kMaxKeptWidths) widths_.clear();
    const QFontMetricsF metrics(ReportFont(font), &device_);
    const Micrometres width = ToMicrometres(metrics.horizontalAdvance(ToQt(std::string(text))));
    widths_.emplace(std::move(key), width);
    return width;
}

Micrometres QtTextMetrics::LineHeight(const TextFont& font) const {
    return ToMicrometres(QFontMetricsF(ReportFont(font), &device_).lineSpacing());
}

}  // namespace tavo
