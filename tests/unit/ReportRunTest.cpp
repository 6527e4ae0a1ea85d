#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "reports/ReportLayouts.h"
#include "reports/ReportRun.h"
#include "support/MemoryFeed.h"

namespace tavo {
namespace {

using testing::MemoryFeed;

const TextFont kTen{"Arial", 10, false};  // 2 mm a character, 4 mm a line with the fake metric
const char* const kPrinted = "09/12/2026 14:05";
const FixedPitchMetrics kMetrics;

MemoryFeed Units(int count) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < count; ++row)
        rows.push_back({"Unit " + std::to_string(row), std::to_string(row)});
    return MemoryFeed({"Name", "Qty"}, rows);
}

// A 100 x 90 mm page with 10 mm bands: six detail bands fit between header and footer.
ReportLayout Small() {
    ReportLayout report;
    report.Page = {Mm(100), Mm(90), PaperOrientation::Portrait, Mm(5), Mm(5), Mm(10), Mm(10)};
    report.Header.Height = report.Detail.Height = report.Footer.Height = Mm(10);
    report.Header.Items = {MakeLabel("title", "Title", kTen, {0, 0, Mm(50), Mm(5)}),
                           MakeSystemVariable("page", SystemValue::PageDescription, kTen,
                                              {Mm(50), 0, Mm(30), Mm(5)}, kRight)};
    report.Detail.Items = {MakeDataText("name", "Name", kTen, {0, 0, Mm(40), Mm(5)}),
                           MakeDataText("qty", "Qty", kTen, {Mm(50), 0, Mm(20), Mm(5)}, kRight),
                           MakeLine("rule", LineDirection::Horizontal, {0, Mm(9), Mm(80), Mm(1)})};
    report.Footer.Items = {MakeSystemVariable("date", SystemValue::PrintDateTime, kTen,
                                              {0, Mm(2), Mm(30), Mm(5)}, kFixed)};
    return report;
}

// Each placed item as "name text left top width height" (micrometres), lines without text.
std::vector<std::string> Describe(const Page& page) {
    std::vector<std::string> lines;
    for (const Placed& placed : page.Items) {
        const Box& b = placed.Place;
        lines.push_back(placed.Item->Name + (placed.Text.empty() ? "" : " " + placed.Text) + " " +
                        std::to_string(b.Left) + " " + std::to_string(b.Top) + " " +
                        std::to_string(b.Width) + " " + std::to_string(b.Height));
    }
    return lines;
}

TEST(ReportRun, EveryPageHasHeaderAndFooterAndAsManyRecordsAsFit) {
    ReportLayout report = Small();
    MemoryFeed feed = Units(13);
    {
        ReportRun run(report, feed, kMetrics, kPrinted);
        ASSERT_EQ(run.PageCount(), 3);
        // Auto-sized label and right-aligned variable take their text's width; the variable
        // keeps its right edge at 90 mm. The fixed, right-aligned quantity keeps its box.
        EXPECT_EQ(
            Describe(run.LayOut(3)),
            (std::vector<std::string>{
                "title Title 10000 5000 10000 5000", "page Page 3 of 3 68000 5000 22000 5000",
                "name Unit 12 10000 15000 40000 5000", "qty 12 60000 15000 20000 5000",
                "rule 10000 24000 80000 265", "date 09/12/2026 14:05 10000 77000 30000 5000"}));
        const std::vector<std::string> first = Describe(run.LayOut(1));
        ASSERT_EQ(first.size(), 2 + 6 * 3 + 1u);
        EXPECT_EQ(first[1], "page Page 1 of 3 68000 5000 22000 5000");
        EXPECT_EQ(first[17], "name Unit 5 10000 65000 40000 5000");
        EXPECT_EQ(Describe(run.LayOut(2))[2], "name Unit 6 10000 15000 40000 5000");
        for (int missing : {0, 4}) EXPECT_TRUE(run.LayOut(missing).Items.empty());
        EXPECT_TRUE(feed.IsOpen());
    }
    EXPECT_FALSE(feed.IsOpen());
}

TEST(ReportRun, RecordRangesAndEmptyFeeds) {
    struct Case {
        int Rows, OpenAt;
        FeedSettings Settings;
        int Pages;
        std::vector<std::string> Names;  // of the records on the last page
    };
    const FeedSettings all, skip{FeedRange::FirstToLast, true};
    for (const Case& c : {
             Case{0, 0, all, 1, {}},
             Case{0, 0, skip, 0, {}},
             Case{12, 0, skip, 2, {"Unit 6", "Unit 7", "Unit 8", "Unit 9", "Unit 10", "Unit 11"}},
             Case{5, 3, {FeedRange::CurrentRecordOnly}, 1, {"Unit 3"}},
             Case{5, 3, all, 1, {"Unit 0", "Unit 1", "Unit 2", "Unit 3", "Unit 4"}},
             Case{10, 0, {FeedRange::FirstToLast, false, 2}, 1, {"Unit 0", "Unit 1"}},
         }) {
        ReportLayout report = Small();
        MemoryFeed feed = Units(c.Rows);
        feed.OpenAt = c.OpenAt;
        feed.Settings = c.Settings;
        ReportRun run(report, feed, kMetrics, kPrinted);
        ASSERT_EQ(run.PageCount(), c.Pages) << c.Rows;
        if (c.Pages == 0) continue;
        const Page last = run.LayOut(c.Pages);
        std::vector<std::string> names;
        for (const Placed& placed : last.Items)
            if (placed.Item->Name == "name") names.push_back(placed.Text);
        EXPECT_EQ(names, c.Names) << c.Rows;
        EXPECT_EQ(last.Items.front().Text, "Title");
        EXPECT_EQ(last.Items.back().Text, kPrinted);
    }
}

TEST(ReportRun, EventsSeeTheRecordAndChangeWhatIsLaidOut) {
    for (const int passes : {1, 2}) {
        ReportLayout report = Small();
        report.Passes = passes;
        MemoryFeed feed = Units(7);
        std::vector<std::string> seen;
        report.BeforePrint = [&](ReportLayout& layout) {
            seen.push_back(feed.IsOpen() ? "open" : "before print");
            layout.FindByName("title")->Caption = "Site";
        };
        ReportItem& name = *report.FindByName("name");
        name.OnGetText = [&](ReportItem& sender, std::string& text) {
            EXPECT_EQ(&sender, &name);
            text += " @" + std::to_string(feed.Row());
        };
        report.FindByName("rule")->OnPrint = [&](ReportItem& sender) {
            sender.Visible = feed.Row() >= feed.Count() - 1;
        };
        // A hidden variable still has its page's text; the footer label shows it.
        report.FindByName("page")->Visible = false;
        ReportItem footer = MakeLabel("report", "", kTen, {Mm(40), 0, Mm(40), Mm(5)}, kFixed);
        footer.OnGetText = [&](ReportItem&, std::string& text) {
            text = "Report 2 of 3 " + report.FindByName("page")->CurrentText;
        };
        report.Footer.Items.push_back(footer);

        ReportRun run(report, feed, kMetrics, kPrinted);
        EXPECT_EQ(seen, std::vector<std::string>{"before print"});
        // Field requests of a two-pass report happen once more before any page is shown.
        EXPECT_EQ(feed.Requests, passes == 2 ? 14 : 0);
        const std::vector<std::string> first = Describe(run.LayOut(1));
        const std::vector<std::string> second = Describe(run.LayOut(2));
        EXPECT_EQ(feed.Requests, passes == 2 ? 28 : 14);
        EXPECT_EQ(first[0], "title Site 10000 5000 8000 5000");
        EXPECT_EQ(first[1], "name Unit 0 @0 10000 15000 40000 5000");
        EXPECT_EQ(first.back(), "report Report 2 of 3 Page 1 of 2 50000 75000 40000 5000");
        EXPECT_EQ(second,
                  (std::vector<std::string>{
                      "title Site 10000 5000 8000 5000", "name Unit 6 @6 10000 15000 40000 5000",
                      "qty 6 60000 15000 20000 5000", "rule 10000 24000 80000 265",
                      "date 09/12/2026 14:05 10000 77000 30000 5000",
                      "report Report 2 of 3 Page 2 of 2 50000 75000 40000 5000"}));
        EXPECT_EQ(std::count(first.begin(), first.end(), "rule 10000 24000 80000 265"), 0);
    }
}

TEST(ReportRun, MemoWrapsAtSpacesInsideItsBoxAndNeverGrows) {
    ReportLayout report = Small();
    // 10 characters wide, room for 6 whole lines of 4 mm.
    report.Detail.Height = Mm(60);
    report.Detail.Items = {MakeMemo("notes", "Notes", kTen, {Mm(5), Mm(2), Mm(20), Mm(25)})};
    MemoryFeed feed({"Notes"}, {{"alpha beta gamma\r\n\r\nsupercalifragilistic end and more\n"
                                 "never shown"}});
    ReportRun run(report, feed, kMetrics, kPrinted);
    std::vector<std::string> memo;
    for (const std::string& line : Describe(run.LayOut(1)))
        if (line.starts_with("notes")) memo.push_back(line);
    EXPECT_EQ(memo, (std::vector<std::string>{"notes alpha beta 15000 17000 20000 4000",
                                              "notes gamma 15000 21000 20000 4000",
                                              "notes supercalif 15000 29000 20000 4000",
                                              "notes ragilistic 15000 33000 20000 4000",
                                              "notes end and 15000 37000 20000 4000"}));

    // The project details report stays one page whatever the notes: 13 lines fit its memo.
    ReportLayout details = REPprojectDetail();
    std::string notes;
    for (int line = 0; line < 100; ++line) notes += "Line " + std::to_string(line) + "\r\n";
    MemoryFeed project({"ProjectName", "Notes"}, {{"Harbour", notes}});
    project.Settings.Range = FeedRange::CurrentRecordOnly;
    ReportRun one(details, project, kMetrics, kPrinted);
    ASSERT_EQ(one.PageCount(), 1);
    const Page page = one.LayOut(1);
    EXPECT_EQ(std::count_if(page.Items.begin(), page.Items.end(),
                            [](const Placed& p) { return p.Item->Name == "ppDBMemo1"; }),
              13);
    EXPECT_EQ(page.Items.back().Text, "Page 1 of 1");
}

// The installation report with the program's line handlers: column lines run unbroken from
// the headings to the foot of the table on every page; the last row's closing line ends them.
TEST(ReportRun, InstallationTableLinesCloseAtTheFootOfEachPageAndUnderTheLastRow) {
    const std::vector<double> columns = {0.529,   12.700,  41.275,  71.173,  109.273, 148.167,
                                         192.617, 243.153, 256.382, 271.198, 285.486};
    const std::vector<double> headerTops = {28.575, 28.517, 28.782, 28.517, 28.575, 28.517,
                                            28.575, 28.517, 28.517, 28.575, 28.310};
    const Micrometres left = Mm(5.080), top = Mm(6.350), footerTop = Mm(210 - 6.350 - 13.229);
    for (const int rows : {0, 30}) {
        ReportLayout report = REPinstallation();
        std::vector<std::vector<std::string>> data(static_cast<std::size_t>(rows), {"3", "1F"});
        MemoryFeed feed({"Network", "UnitAddressHex"}, data);
        for (ReportItem* decimal : report.FindByTag(8)) decimal->Visible = false;
        report.FindByName("pptNetWork")->OnGetText = [](ReportItem&, std::string& text) {
            text = "Network " + text;
        };
        const auto lastRow = [&feed] { return feed.Row() >= feed.Count() - 1; };
        for (ReportItem& item : report.Footer.Items)
            if (item.Kind == ItemKind::Line)
                item.OnPrint = [&](ReportItem& line) { line.Visible = !lastRow(); };
        for (ReportItem& item : report.Detail.Items)
            if (item.Kind == ItemKind::Line)
                item.OnPrint = [&](ReportItem& line) {
                    (line.Name == "ppLine45" ? line.Visible : line.ParentHeight) = lastRow();
                };

        ReportRun run(report, feed, kMetrics, kPrinted);
        ASSERT_EQ(run.PageCount(), rows == 0 ? 1 : 2);
        for (int number = 1; number <= run.PageCount(); ++number) {
            const Page page = run.LayOut(number);
            const bool last = number == run.PageCount();
            // Ends: at the foot of the footer's closing line, under the last row, or at the
            // foot of the header when there is no row at all.
            const Micrometres end = !last       ? footerTop + Mm(4.498) + kLineWidth
                                    : rows == 0 ? top + Mm(30.427)
                                                : top + Mm(30.427 + 4.969) + kLineWidth;
            std::vector<Box> verticals, expected;
            std::vector<std::string> horizontals;
            for (const Placed& p : page.Items) {
                if (p.Kind == PlacedKind::VerticalLine) verticals.push_back(p.Place);
                if (p.Kind == PlacedKind::HorizontalLine) horizontals.push_back(p.Item->Name);
            }
            for (std::size_t at = 0; at < columns.size(); ++at) {
                const Micrometres lineTop = top + Mm(headerTops[at]);
                const Micrometres bottom = at == 0 || last ? end : end - kLineWidth;
                expected.push_back({left + Mm(columns[at]), lineTop, kLineWidth, bottom - lineTop});
            }
            EXPECT_EQ(verticals, expected) << rows << " rows, page " << number;
            std::vector<std::string> closing = {"ppLine8"};
            if (!last || rows > 0) closing.push_back(last ? "ppLine45" : "ppLine6");
            EXPECT_EQ(horizontals, closing) << rows << " rows, page " << number;
            if (rows == 0) continue;
            // Hexadecimal address right-aligned in its fixed box; the network takes its width.
            const Micrometres row = top + Mm(30.427);
            for (const auto& [name, text, box] :
                 {std::tuple{"ppDBText28", "1F", Box{left + Mm(2.646), row, 5821, 4233}},
                  std::tuple{"pptNetWork", "Network 3",
                             Box{left + Mm(15.875), row, 18000, 4233}}}) {
                const auto placed = std::find_if(page.Items.begin(), page.Items.end(),
                                                 [wanted = std::string(name)](const Placed& p) {
                                                     return p.Item->Name == wanted;
                                                 });
                ASSERT_NE(placed, page.Items.end()) << name;
                EXPECT_EQ(placed->Text, text);
                EXPECT_EQ(placed->Place, box) << name;
            }
        }
    }
}

}  // namespace
}  // namespace tavo
