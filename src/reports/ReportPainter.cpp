#include "reports/ReportPainter.h"

#include <QFontMetricsF>
#include <QTextOption>
#include <vector>

#include "components/QtText.h"
#include "platform/BinaryFile.h"
#include "reports/JpegImage.h"
#include "reports/QtTextMetrics.h"

namespace tavo {
namespace {

constexpr std::size_t kMaxShapedTexts = 1u << 15;
constexpr double kLayoutDotsPerInch = 1200.0;  // the resolution QtTextMetrics measures at

QRectF ToDots(const Box& box, double dotsPerMicrometre) {
    return {box.Left * dotsPerMicrometre, box.Top * dotsPerMicrometre,
            box.Width * dotsPerMicrometre, box.Height * dotsPerMicrometre};
}

std::string FontKey(const TextFont& font) {
    return font.Family + '\0' + std::to_string(font.Points) + (font.Bold ? "b" : "r");
}

}  // namespace

ReportPainter::ReportPainter(QImage logo) : logo_(std::move(logo)) {}

const ReportPainter::Shaped& ReportPainter::Shape(const ReportItem& item, const std::string& text,
                                                  double boxWidth, double dotsPerInch,
                                                  const QFont& font) {
    if (shapedAt_ != dotsPerInch || shaped_.size() >= kMaxShapedTexts) {
        shaped_.clear();
        shapedAt_ = dotsPerInch;
    }
    std::string key = FontKey(item.Font) + '\0' + std::to_string(static_cast<long>(boxWidth));
    key += '\0';
    key += text;
    if (const auto found = shaped_.find(key); found != shaped_.end()) return found->second;
    // The text is cut at its box: whole characters that fit, measured as the layout measured
    // them (at 1200 dots per inch), so that a screen's coarser fonts cut nothing the layout
    // gave room for.
    const auto device = [](double dotsPerInch) {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(dotsPerInch / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    };
    static const QImage layoutDevice = device(kLayoutDotsPerInch);
    const QImage paintDevice = device(dotsPerInch);
    const QFontMetricsF layoutMetrics(font, &layoutDevice);
    const QFontMetricsF metrics(font, &paintDevice);
    const double boxAtLayout = boxWidth * kLayoutDotsPerInch / dotsPerInch;
    QString shown = ToQt(text);
    while (!shown.isEmpty() && layoutMetrics.horizontalAdvance(shown) > boxAtLayout + 0.5)
        shown.chop(1);
    Shaped shaped;
    shaped.Text = QStaticText(shown);
    shaped.Text.setTextFormat(Qt::PlainText);
    shaped.Text.setPerformanceHint(QStaticText::AggressiveCaching);
    shaped.Text.prepare(QTransform(), font);
    shaped.Width = metrics.horizontalAdvance(shown);
    return shaped_.emplace(std::move(key), std::move(shaped)).first->second;
}

void ReportPainter::Paint(QPainter& painter, const Page& page, double dotsPerInch) {
    const double dotsPerMicrometre = dotsPerInch / 25400.0;
    std::vector<QRectF> strokes;
    painter.save();
    painter.setPen(Qt::black);
    for (const Placed& placed : page.Items) {
        const QRectF box = ToDots(placed.Place, dotsPerMicrometre);
        switch (placed.Kind) {
            case PlacedKind::HorizontalLine:
            case PlacedKind::VerticalLine:
                strokes.push_back(box);
                break;
            case PlacedKind::Picture:
                if (placed.Text == "logo" && !logo_.isNull()) painter.drawImage(box, logo_);
                break;
            case PlacedKind::Text: {
                if (placed.Item == nullptr) break;
                auto font = fonts_.find(FontKey(placed.Item->Font));
                if (font == fonts_.end())
                    font = fonts_.emplace(FontKey(placed.Item->Font), ReportFont(placed.Item->Font))
                               .first;
                if (painter.font() != font->second) painter.setFont(font->second);
                const Shaped& shaped =
                    Shape(*placed.Item, placed.Text, box.width(), dotsPerInch, font->second);
                const double left =
                    placed.Item->RightAligned ? box.right() - shaped.Width : box.left();
                painter.drawStaticText(QPointF(left, box.top()), shaped.Text);
                break;
            }
        }
    }
    if (!strokes.empty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawRects(strokes.data(), static_cast<int>(strokes.size()));
    }
    painter.restore();
}

QImage LoadReportLogo(const std::string& path) {
    std::optional<FileBytes> bytes;
    try {
        bytes = ReadWholeFileIfExists(path);
    } catch (const std::exception&) {
        return {};
    }
    if (!bytes) return {};
    const JpegImage image = DecodeJpeg(bytes->View());
    if (!image.Error.empty()) return {};
    QImage rgb(image.Rgb.data(), image.Width, image.Height, image.Width * 3, QImage::Format_RGB888);
    return rgb.copy();  // the pixels outlive the decoded picture
}

}  // namespace tavo
