#pragma once

#include <string>
#include <vector>

#include "reports/ReportFeed.h"
#include "reports/ReportLayout.h"
#include "reports/TextMetrics.h"

namespace tavo {

enum class PlacedKind { Text, HorizontalLine, VerticalLine, Picture };

// One thing to paint, with its box on the page, measured from the paper's top-left corner.
// A text is painted in the item's font, left- or right-aligned in its box as the item says,
// and cut at its box. A line's box is its stroke, kLineWidth thick, inside the designed box
// along its top (horizontal) or left (vertical) edge. A picture's image is stretched to fill
// its box.
struct Placed {
    PlacedKind Kind = PlacedKind::Text;
    Box Place;
    std::string Text;                  // the text; the picture's image id
    const ReportItem* Item = nullptr;  // its font, alignment and name; lives with the layout
    bool operator==(const Placed&) const = default;
};

struct Page {
    int Number = 0;  // 1 to the page count; 0 for a page that does not exist
    std::vector<Placed> Items;
};

// "Page 3 of 7": the text of a page-description variable.
std::string PageDescription(int page, int pageCount);

// Lays a layout out over a feed into pages.
//
// Pages: the header band at the top of every page, inside the top margin; as many detail
// bands as fit between it and the footer band, one per record; the footer band at the foot of
// every page, inside the bottom margin. A page holds at least one detail band. The feed runs
// from its first record until CheckEOF, or gives its current record only. A feed without
// records gives one page of header and footer, or none when the feed skips empty reports.
// The footer is laid out with the feed on the page's last record.
//
// Passes: the constructor raises BeforePrint, opens the feed and walks it once, counting the
// pages and keeping a bookmark of each page's first record; that walk only navigates. A
// two-pass report is then laid out once in full without painting (every field request and
// event of every page happens, as they will again when the pages are laid out for painting).
// So PageCount(), and with it the page description "Page k of n", is known before the first
// page is shown, for one- and two-pass reports alike. Pages are laid out on demand, in any
// order and as often as asked, from their bookmarks; the run never holds more than one page.
// Events may change items of the layout (visibility, parent height, captions); that state
// stays in the layout, so handlers set it afresh for each record, as the program's do.
//
// Lines: a line is never drawn below the body of its page (the footer's top, for lines of
// the header and detail bands; on the page where the feed ends, the foot of the last band
// before the footer) nor below the footer (for its lines). Within that, a line longer than its
// band runs on over the bands that follow, so column lines pass unbroken from band to band;
// a vertical line ends at the foot of the first visible horizontal line below its top that it
// meets, so a ruled table closes at its closing line with nothing sticking out. Vertical
// lines that meet at one x become one line.
//
// Texts: auto-sized items take the width their text needs, keeping their right edge when
// right-aligned. A memo is wrapped at spaces (a word wider than the box is broken) and its
// explicit line breaks kept, one text per line, as many whole lines as its box holds: the box
// never grows. Empty texts are not placed.
//
// The feed is closed when the run ends. Feed, layout and metrics must outlive the run.
class ReportRun {
  public:
    // printDateTime: the text of the print-date-and-time variables, "09/12/2026 14:05".
    ReportRun(ReportLayout& layout, ReportFeed& feed, const TextMetrics& metrics,
              std::string printDateTime);
    ReportRun(ReportLayout&, ReportFeed&, const TextMetrics&&, std::string) = delete;
    ~ReportRun();
    ReportRun(const ReportRun&) = delete;
    ReportRun& operator=(const ReportRun&) = delete;

    int PageCount() const { return static_cast<int>(pageStarts_.size()); }
    // Page 1 to PageCount(); an empty page (number 0) for any other number.
    Page LayOut(int page);

  private:
    enum class Part { Header, Detail, Footer };
    struct PendingLine {
        Part From;
        Placed Line;
    };

    void Produce(int page, Page* out);
    void LayOutBand(Band& band, Part part, Micrometres top, Page* out,
                    std::vector<PendingLine>& verticals);
    void PlaceText(const ReportItem& item, Micrometres left, Micrometres top,
                   const std::string& text, Page& out) const;
    void FinishLines(std::vector<PendingLine>& verticals, Micrometres bodyEnd,
                     Micrometres footerEnd, Page& out) const;
    std::string VariableText(const ReportItem& item) const;

    ReportLayout& layout_;
    ReportFeed& feed_;
    const TextMetrics& metrics_;
    std::string printDateTime_;
    int recordsPerPage_ = 1;
    int records_ = 0;
    std::string pageDescription_;  // of the page being laid out
    std::vector<int> pageStarts_;  // bookmark of each page's first record
};

}  // namespace tavo
