#include "reports/ReportLayout.h"

#include <utility>

namespace tavo {

namespace {

ReportItem Item(std::string name, ItemKind kind, TextFont font, Box place, unsigned flags,
                int tag) {
    ReportItem item;
    item.Name = std::move(name);
    item.Kind = kind;
    item.Tag = tag;
    item.Place = place;
    item.Font = std::move(font);
    item.RightAligned = (flags & kRight) != 0;
    item.Visible = (flags & kHidden) == 0;
    return item;
}

}  // namespace

ReportItem MakeLabel(std::string name, std::string caption, TextFont font, Box place,
                     unsigned flags, int tag) {
    ReportItem item = Item(std::move(name), ItemKind::Label, std::move(font), place, flags, tag);
    item.Caption = std::move(caption);
    item.AutoSize = (flags & kFixed) == 0;
    return item;
}

ReportItem MakeDataText(std::string name, std::string field, TextFont font, Box place,
                        unsigned flags, int tag) {
    ReportItem item = Item(std::move(name), ItemKind::DataText, std::move(font), place, flags, tag);
    item.Field = std::move(field);
    item.AutoSize = (flags & kAuto) != 0;
    return item;
}

ReportItem MakeMemo(std::string name, std::string field, TextFont font, Box place) {
    ReportItem item = Item(std::move(name), ItemKind::Memo, std::move(font), place, 0, 0);
    item.Field = std::move(field);
    return item;
}

ReportItem MakeSystemVariable(std::string name, SystemValue variable, TextFont font, Box place,
                              unsigned flags) {
    ReportItem item =
        Item(std::move(name), ItemKind::SystemVariable, std::move(font), place, flags, 0);
    item.Variable = variable;
    item.AutoSize = (flags & kFixed) == 0;
    return item;
}

ReportItem MakePicture(std::string name, std::string image, Box place) {
    ReportItem item = Item(std::move(name), ItemKind::Picture, {}, place, 0, 0);
    item.Image = std::move(image);
    return item;
}

ReportItem MakeLine(std::string name, LineDirection direction, Box place) {
    ReportItem item = Item(std::move(name), ItemKind::Line, {}, place, 0, 0);
    item.Direction = direction;
    return item;
}

ReportItem* ReportLayout::FindByName(std::string_view name) {
    for (Band* band : {&Header, &Detail, &Footer})
        for (ReportItem& item : band->Items)
            if (item.Name == name) return &item;
    return nullptr;
}

std::vector<ReportItem*> ReportLayout::FindByTag(int tag) {
    std::vector<ReportItem*> found;
    for (Band* band : {&Header, &Detail, &Footer})
        for (ReportItem& item : band->Items)
            if (item.Tag == tag) found.push_back(&item);
    return found;
}

}  // namespace tavo
