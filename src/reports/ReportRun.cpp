#include "reports/ReportRun.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tavo {

namespace {

// The longest start of text (at least one character) that fits the width.
std::size_t FittingPrefix(std::string_view text, Micrometres width, const TextFont& font,
                          const TextMetrics& metrics) {
    std::size_t fits = 1, tooLong = text.size() + 1;
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        (metrics.Width(text.substr(0, middle), font) <= width ? fits : tooLong) = middle;
    }
    return fits;
}

// Greedy word wrap of one paragraph into at most maxLines more lines. A line breaks at the
// spaces before a word that would not fit; the spaces at the break are dropped. A word wider
// than the width alone is broken where it no longer fits.
void WrapParagraph(std::string_view paragraph, Micrometres width, const TextFont& font,
                   const TextMetrics& metrics, std::size_t maxLines,
                   std::vector<std::string>& lines) {
    if (paragraph.empty()) {
        lines.emplace_back();
        return;
    }
    while (!paragraph.empty() && lines.size() < maxLines) {
        std::size_t end = 0, next = paragraph.size();  // the line's end; where the rest starts
        for (std::size_t at = 0;;) {
            const std::size_t wordStart = paragraph.find_first_not_of(' ', at);
            if (wordStart == std::string_view::npos) break;  // only spaces are left
            std::size_t wordEnd = paragraph.find(' ', wordStart);
            if (wordEnd == std::string_view::npos) wordEnd = paragraph.size();
            if (metrics.Width(paragraph.substr(0, wordEnd), font) > width) {
                if (end == 0) end = FittingPrefix(paragraph, width, font, metrics);
                next = end;
                break;
            }
            end = at = wordEnd;
        }
        lines.emplace_back(paragraph.substr(0, end));
        paragraph.remove_prefix(next);
        paragraph.remove_prefix(std::min(paragraph.find_first_not_of(' '), paragraph.size()));
    }
}

// The memo's text as lines of the box's width, its own line breaks (CR LF, LF or CR) kept,
// at most maxLines of them.
std::vector<std::string> WrapText(std::string_view text, Micrometres width, const TextFont& font,
                                  const TextMetrics& metrics, std::size_t maxLines) {
    std::vector<std::string> lines;
    while (lines.size() < maxLines) {
        const std::size_t lineEnd = text.find_first_of("\r\n");
        WrapParagraph(text.substr(0, lineEnd), width, font, metrics, maxLines, lines);
        if (lineEnd == std::string_view::npos) break;
        const bool crLf = text.compare(lineEnd, 2, "\r\n") == 0;
        text.remove_prefix(lineEnd + (crLf ? 2 : 1));
    }
    return lines;
}

}  // namespace

std::string PageDescription(int page, int pageCount) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

ReportRun::ReportRun(ReportLayout& layout, ReportFeed& feed, const TextMetrics& metrics,
                     std::string printDateTime)
    : layout_(layout), feed_(feed), metrics_(metrics), printDateTime_(std::move(printDateTime)) {
    if (layout_.BeforePrint) layout_.BeforePrint(layout_);
    const PageSetup& page = layout_.Page;
    const Micrometres body = page.PaperHeight - page.TopMargin - page.BottomMargin -
                             layout_.Header.Height - layout_.Footer.Height;
    recordsPerPage_ = std::max(1, body / std::max(1, layout_.Detail.Height));

    feed_.OpenDataSet();
    try {
        const bool currentOnly = feed_.Settings.Range == FeedRange::CurrentRecordOnly;
        if (!currentOnly) feed_.GotoFirstRecord();
        const int bound = currentOnly ? 1 : feed_.Settings.RecordCountBound;
        const int first = feed_.GetBookmark();
        while (records_ < bound && !feed_.CheckEOF()) {
            if (records_ % recordsPerPage_ == 0) pageStarts_.push_back(feed_.GetBookmark());
            ++records_;
            feed_.TraverseBy(1);
        }
        if (records_ == 0 && !feed_.Settings.SkipWhenEmpty) pageStarts_.push_back(first);
        if (layout_.Passes >= 2)
            for (int number = 1; number <= PageCount(); ++number) Produce(number, nullptr);
    } catch (...) {
        feed_.CloseDataSet();
        throw;
    }
}

ReportRun::~ReportRun() {
    feed_.CloseDataSet();
}

Page ReportRun::LayOut(int page) {
    Page laidOut;
    if (page < 1 || page > PageCount()) return laidOut;
    laidOut.Number = page;
    Produce(page, &laidOut);
    return laidOut;
}

// One page with every field request and event; placed into out unless it is null.
void ReportRun::Produce(int page, Page* out) {
    pageDescription_ = PageDescription(page, PageCount());
    for (Band* band : {&layout_.Header, &layout_.Detail, &layout_.Footer})
        for (ReportItem& item : band->Items)
            if (item.Kind == ItemKind::SystemVariable) item.CurrentText = VariableText(item);

    feed_.GotoBookmark(pageStarts_[static_cast<std::size_t>(page - 1)]);
    const PageSetup& setup = layout_.Page;
    std::vector<PendingLine> verticals;
    Micrometres top = setup.TopMargin;
    LayOutBand(layout_.Header, Part::Header, top, out, verticals);
    top += layout_.Header.Height;
    const int records = std::min(recordsPerPage_, records_ - (page - 1) * recordsPerPage_);
    for (int laid = 0; laid < records; ++laid) {
        if (laid > 0) feed_.TraverseBy(1);
        if (feed_.CheckEOF()) break;
        LayOutBand(layout_.Detail, Part::Detail, top, out, verticals);
        top += layout_.Detail.Height;
    }
    const Micrometres footerTop = setup.PaperHeight - setup.BottomMargin - layout_.Footer.Height;
    LayOutBand(layout_.Footer, Part::Footer, footerTop, out, verticals);
    if (out != nullptr)
        FinishLines(verticals, page == PageCount() ? top : footerTop,
                    footerTop + layout_.Footer.Height, *out);
}

void ReportRun::LayOutBand(Band& band, Part part, Micrometres top, Page* out,
                           std::vector<PendingLine>& verticals) {
    const Micrometres left = layout_.Page.LeftMargin;
    for (ReportItem& item : band.Items) {
        if (item.OnPrint) item.OnPrint(item);
        if (!item.Visible) continue;
        const Box& at = item.Place;
        switch (item.Kind) {
            case ItemKind::Label:
            case ItemKind::DataText:
            case ItemKind::Memo:
            case ItemKind::SystemVariable: {
                std::string text = item.Kind == ItemKind::Label ? item.Caption
                                   : item.Kind == ItemKind::SystemVariable
                                       ? VariableText(item)
                                       : feed_.GetFieldAsString(item.Field);
                if (item.OnGetText) item.OnGetText(item, text);
                if (out != nullptr) PlaceText(item, left, top, text, *out);
                item.CurrentText = std::move(text);
                break;
            }
            case ItemKind::Picture:
                if (out != nullptr)
                    out->Items.push_back({PlacedKind::Picture,
                                          {left + at.Left, top + at.Top, at.Width, at.Height},
                                          item.Image,
                                          &item});
                break;
            case ItemKind::Line:
                if (out == nullptr) break;
                if (item.Direction == LineDirection::Horizontal) {
                    out->Items.push_back({PlacedKind::HorizontalLine,
                                          {left + at.Left, top + at.Top, at.Width, kLineWidth},
                                          {},
                                          &item});
                } else {
                    const Micrometres length = item.ParentHeight ? band.Height - at.Top : at.Height;
                    verticals.push_back({part,
                                         {PlacedKind::VerticalLine,
                                          {left + at.Left, top + at.Top, kLineWidth, length},
                                          {},
                                          &item}});
                }
                break;
        }
    }
}

void ReportRun::PlaceText(const ReportItem& item, Micrometres left, Micrometres top,
                          const std::string& text, Page& out) const {
    Box box{left + item.Place.Left, top + item.Place.Top, item.Place.Width, item.Place.Height};
    if (item.Kind == ItemKind::Memo) {
        const Micrometres lineHeight = std::max(1, metrics_.LineHeight(item.Font));
        const auto maxLines = static_cast<std::size_t>(std::max(0, box.Height / lineHeight));
        Micrometres lineTop = box.Top;
        for (std::string& line : WrapText(text, box.Width, item.Font, metrics_, maxLines)) {
            if (!line.empty())
                out.Items.push_back({PlacedKind::Text,
                                     {box.Left, lineTop, box.Width, lineHeight},
                                     std::move(line),
                                     &item});
            lineTop += lineHeight;
        }
        return;
    }
    if (text.empty()) return;
    if (item.AutoSize) {
        const Micrometres width = metrics_.Width(text, item.Font);
        if (item.RightAligned) box.Left += box.Width - width;
        box.Width = width;
    }
    out.Items.push_back({PlacedKind::Text, box, text, &item});
}

// Clips the page's vertical lines to where they may reach, ends them at the horizontal lines
// that close them, joins those that meet and places them after everything else.
void ReportRun::FinishLines(std::vector<PendingLine>& verticals, Micrometres bodyEnd,
                            Micrometres footerEnd, Page& out) const {
    std::vector<Box> horizontals;
    for (const Placed& placed : out.Items)
        if (placed.Kind == PlacedKind::HorizontalLine) horizontals.push_back(placed.Place);
    std::vector<Placed> lines;
    for (PendingLine& pending : verticals) {
        Box& line = pending.Line.Place;
        Micrometres bottom =
            std::min(line.Bottom(), pending.From == Part::Footer ? footerEnd : bodyEnd);
        for (const Box& closing : horizontals)
            if (closing.Left <= line.Left && line.Left < closing.Right() &&
                line.Top < closing.Top && closing.Top < bottom)
                bottom = std::min(bottom, closing.Bottom());
        line.Height = bottom - line.Top;
        if (line.Height > 0) lines.push_back(std::move(pending.Line));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Placed& a, const Placed& b) {
        return a.Place.Left != b.Place.Left ? a.Place.Left < b.Place.Left
                                            : a.Place.Top < b.Place.Top;
    });
    for (Placed& line : lines) {
        Placed* joined = out.Items.empty() ? nullptr : &out.Items.back();
        if (joined != nullptr && joined->Kind == PlacedKind::VerticalLine &&
            joined->Place.Left == line.Place.Left && line.Place.Top <= joined->Place.Bottom())
            joined->Place.Height =
                std::max(joined->Place.Bottom(), line.Place.Bottom()) - joined->Place.Top;
        else
            out.Items.push_back(std::move(line));
    }
}

std::string ReportRun::VariableText(const ReportItem& item) const {
    return item.Variable == SystemValue::PageDescription ? pageDescription_ : printDateTime_;
}

}  // namespace tavo
