#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// Lengths of a layout, in whole micrometres: the layouts are designed to a thousandth of a
// millimetre, so boxes are exact and compare exactly.
using Micrometres = int;

// Millimetres with three decimals to micrometres, rounded to the nearest.
constexpr Micrometres Mm(double millimetres) {
    return static_cast<Micrometres>(millimetres * 1000.0 + (millimetres < 0 ? -0.5 : 0.5));
}

// Every line is drawn 0.75 pt wide: 0.75 / 72 inch, rounded to the micrometre.
inline constexpr Micrometres kLineWidth = 265;

struct Box {
    Micrometres Left = 0, Top = 0, Width = 0, Height = 0;
    Micrometres Right() const { return Left + Width; }
    Micrometres Bottom() const { return Top + Height; }
    bool operator==(const Box&) const = default;
};

struct TextFont {
    std::string Family = "Arial";
    int Points = 10;
    bool Bold = false;
    bool operator==(const TextFont&) const = default;
};

enum class ItemKind { Label, DataText, Memo, SystemVariable, Picture, Line };
enum class SystemValue { PrintDateTime, PageDescription };
enum class LineDirection { Horizontal, Vertical };

struct ReportItem;
// The text an item is about to show (its caption, field value or variable): the handler may
// change it. Raised for visible text items only.
using TextRequest = std::function<void(ReportItem& sender, std::string& text)>;
// Raised for the item before anything else of it is read, whether visible or not, so that the
// handler may change its visibility and, for a line, its parent height.
using PrintEvent = std::function<void(ReportItem& sender)>;

// One item of a band. The box is relative to the band's top-left corner inside the margins.
struct ReportItem {
    std::string Name;
    ItemKind Kind = ItemKind::Label;
    int Tag = 0;
    Box Place;
    TextFont Font;
    std::string Caption;  // label
    std::string Field;    // data text and memo: the feed's field name
    SystemValue Variable = SystemValue::PrintDateTime;
    std::string Image;  // picture: the id of the image the painter shows, stretched to the box
    LineDirection Direction = LineDirection::Horizontal;
    // Takes the width its text needs instead of its designed width; a right-aligned item keeps
    // its right edge. Labels and system variables are made so unless fixed, data texts only
    // when marked auto.
    bool AutoSize = false;
    bool RightAligned = false;
    bool Visible = true;
    // A line drawn from its top to the foot of its band instead of its designed height.
    bool ParentHeight = false;
    // What the item showed when it was last laid out; a system variable's text is set for each
    // page before any item of it is laid out, so that handlers can read it even while hidden.
    std::string CurrentText;
    TextRequest OnGetText;
    PrintEvent OnPrint;
};

// Flags of the Make... functions, as a layout table marks its items.
enum ItemFlag : unsigned { kFixed = 1, kAuto = 2, kRight = 4, kHidden = 8 };

ReportItem MakeLabel(std::string name, std::string caption, TextFont font, Box place,
                     unsigned flags = 0, int tag = 0);
ReportItem MakeDataText(std::string name, std::string field, TextFont font, Box place,
                        unsigned flags = 0, int tag = 0);
ReportItem MakeMemo(std::string name, std::string field, TextFont font, Box place);
ReportItem MakeSystemVariable(std::string name, SystemValue variable, TextFont font, Box place,
                              unsigned flags = 0);
ReportItem MakePicture(std::string name, std::string image, Box place);
ReportItem MakeLine(std::string name, LineDirection direction, Box place);

struct Band {
    Micrometres Height = 0;
    std::vector<ReportItem> Items;
};

enum class PaperOrientation { Portrait, Landscape };

// The paper as laid out: a landscape page is wider than high.
struct PageSetup {
    Micrometres PaperWidth = Mm(210.079), PaperHeight = Mm(297.127);
    PaperOrientation Orientation = PaperOrientation::Portrait;
    Micrometres TopMargin = 0, BottomMargin = 0, LeftMargin = 0, RightMargin = 0;
};

struct ReportLayout {
    std::string Name;
    std::string JobName;   // the print job's name
    std::string FeedName;  // the feed the report is designed for
    int Passes = 1;        // 2: every page is laid out once before any is shown (see ReportRun)
    PageSetup Page;
    Band Header, Detail, Footer;
    // Raised once as a run starts, before the feed is opened.
    std::function<void(ReportLayout&)> BeforePrint;

    // nullptr when no item of any band has the name.
    ReportItem* FindByName(std::string_view name);
    // Every item with the tag, header first, in band order.
    std::vector<ReportItem*> FindByTag(int tag);
};

}  // namespace tavo
