#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/ReportLayouts.h"

namespace tavo {
namespace {

std::vector<ReportLayout> AllReports() {
    return {REPprojectDetail(), REPcalculator(), REPinstallation()};
}

// Job, passes, paper, orientation, margins (top bottom left right), then each band's height
// and item count.
std::string Summary(const ReportLayout& r) {
    const PageSetup& p = r.Page;
    std::string text =
        r.Name + " " + r.JobName + " " + std::to_string(r.Passes) + " " +
        std::to_string(p.PaperWidth) + "x" + std::to_string(p.PaperHeight) +
        (p.Orientation == PaperOrientation::Portrait ? " portrait " : " landscape ") +
        std::to_string(p.TopMargin) + " " + std::to_string(p.BottomMargin) + " " +
        std::to_string(p.LeftMargin) + " " + std::to_string(p.RightMargin);
    for (const Band* band : {&r.Header, &r.Detail, &r.Footer})
        text += " " + std::to_string(band->Height) + ":" + std::to_string(band->Items.size());
    return text;
}

TEST(ReportLayouts, PageSetUpBandsAndItemCounts) {
    std::vector<std::string> summaries;
    for (const ReportLayout& report : AllReports()) summaries.push_back(Summary(report));
    EXPECT_EQ(summaries,
              (std::vector<std::string>{
                  "REPprojectDetail Report 2 210079x297127 portrait 6350 6350 16510 16510 "
                  "20373:3 192882:35 13229:2",
                  "REPcalculator Report1 1 210079x297127 portrait 6350 6350 11350 6350 "
                  "47625:11 5821:3 57944:10",
                  "REPinstallation Report2 2 297000x210000 landscape 6350 6350 5080 5080 "
                  "30427:28 5292:29 13229:14"}));
}

TEST(ReportLayouts, ItemsAsDesigned) {
    // Flags: a = auto size, r = right-aligned, h = hidden.
    struct Row {
        int Report;
        const char* Name;
        ItemKind Kind;
        std::string Text;  // caption, field, image or "" for lines and variables
        int Points;
        bool Bold;
        Box Place;
        std::string Flags;
        int Tag;
    };
    const ItemKind L = ItemKind::Label, D = ItemKind::DataText, S = ItemKind::SystemVariable,
                   P = ItemKind::Picture, N = ItemKind::Line;
    const Row rows[] = {
        {0, "ppImage1", P, "logo", 10, false, {120121, 0, 53711, 16140}, "", 0},
        {0, "ppLabel2", L, "Project Information", 16, true, {3704, 7938, 50800, 6350}, "a", 0},
        {0, "ppLabel11", L, "Website:", 8, true, {4498, 62706, 17727, 3704}, "r", 0},
        {0, "ppDBText12", D, "ProjectArchitect", 10, false, {26988, 104246, 144780, 4498}, "", 0},
        {0, "ppDBMemo1", ItemKind::Memo, "Notes", 10, false, {4498, 135202, 167216, 55563}, "", 0},
        {0, "ppSystemVariable2", S, "", 10, false, {155840, 7408, 18785, 4233}, "ar", 0},
        {1, "ppLabel50", L, "Network:", 8, true, {7673, 20902, 13229, 3704}, "ar", 0},
        {1, "ppDBText18", D, "ItemQuantity", 10, false, {165894, 0, 17198, 4233}, "r", 0},
        {1, "ppDBText22", D, "Detail3a", 10, false, {3969, 17198, 12435, 4233}, "a", 0},
        {1, "lblPage", L, "", 10, false, {114300, 50271, 71438, 4233}, "rh", 0},
        {1, "lblSysPage", S, "", 10, false, {167746, 50271, 18256, 4233}, "r", 0},
        {2, "ppLabel28", L, "Project", 8, true, {2117, 11377, 10319, 3704}, "a", 0},
        {2, "lblValueFormat", L, "", 8, false, {23019, 15875, 18785, 3704}, "a", 9},
        {2, "ppLine11", N, "", 10, false, {41275, 28782, 1323, 17727}, "", 0},
        {2, "ppDBText27", D, "UnitAddressDec", 10, false, {2646, 0, 7144, 4233}, "r", 8},
        {2, "ppDBText39", D, "GroupsHex", 10, false, {193940, 0, 6085, 4233}, "r", 7},
        {2, "pptNetWork", D, "Network", 10, false, {15875, 0, 12435, 4233}, "a", 0},
        {2, "ppLine43", N, "", 10, false, {285486, 0, 1323, 10000}, "", 0},
        {2, "ppLine45", N, "", 10, false, {529, 4969, 285221, 2117}, "", 0},
        {2, "ppLine32", N, "", 10, false, {529, 0, 1323, 4763}, "", 0},
        {2, "ppSystemVariable6", S, "", 9, false, {264584, 7673, 19050, 3969}, "ar", 0},
    };
    std::vector<ReportLayout> reports = AllReports();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const ReportItem* item = reports[static_cast<std::size_t>(row.Report)].FindByName(row.Name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Kind, row.Kind);
        const std::string text = row.Kind == L   ? item->Caption
                                 : row.Kind == P ? item->Image
                                                 : item->Field;
        EXPECT_EQ(text, row.Text);
        EXPECT_EQ(item->Font, (TextFont{"Arial", row.Points, row.Bold}));
        EXPECT_EQ(item->Place, row.Place);
        std::string flags = std::string(item->AutoSize ? "a" : "") +
                            (item->RightAligned ? "r" : "") + (item->Visible ? "" : "h");
        EXPECT_EQ(flags, row.Flags);
        EXPECT_EQ(item->Tag, row.Tag);
    }
    EXPECT_EQ(reports[2].FindByName("ppLine11")->Direction, LineDirection::Vertical);
    EXPECT_EQ(reports[0].FindByName("ppLine45"), nullptr);
    ReportLayout& installation = reports[2];
    for (const int tag : {7, 8}) {
        std::vector<std::string> names;
        for (const ReportItem* item : installation.FindByTag(tag)) names.push_back(item->Name);
        EXPECT_EQ(names, tag == 7 ? (std::vector<std::string>{"ppDBText28", "ppDBText38",
                                                              "ppDBText33", "ppDBText39"})
                                  : (std::vector<std::string>{"ppDBText27", "ppDBText29",
                                                              "ppDBText32", "ppDBText35"}));
    }
}

}  // namespace
}  // namespace tavo
