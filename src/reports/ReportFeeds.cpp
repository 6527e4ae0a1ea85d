#include "reports/ReportFeeds.h"

#include <array>

#include "calculator/UnitLists.h"
#include "core/NetworkStatus.h"

namespace tavo {
namespace {

FeedField Field(std::string name, int length, bool right = false, bool memo = false) {
    return {name, name, length, length, right, memo};
}

}  // namespace

PIPEprojectDetails::PIPEprojectDetails(const ProjectDetails& details) : details_(details) {
    Settings.Range = FeedRange::CurrentRecordOnly;
    for (const char* name :
         {"InstallerName", "InstallerCompany", "InstallerAddress", "InstallerPhone",
          "InstallerMobile", "InstallerFax", "InstallerWebsite", "InstallerEmail", "ProjectName",
          "ProjectConsultant", "ProjectLocation", "ProjectArchitect", "ProjectOwner"})
        Fields.push_back(Field(name, 200));
    Fields.push_back({"Notes", "Notes", 60000, 6000, false, true});
}

std::string PIPEprojectDetails::GetFieldAsString(std::string_view name) {
    const std::array<std::pair<std::string_view, const std::string*>, 13> fields = {{
        {"InstallerName", &details_.InstallerName},
        {"InstallerCompany", &details_.InstallerCompany},
        {"InstallerAddress", &details_.InstallerAddress},
        {"InstallerPhone", &details_.InstallerPhone},
        {"InstallerMobile", &details_.InstallerMobile},
        {"InstallerFax", &details_.InstallerFax},
        {"InstallerWebsite", &details_.InstallerWebsite},
        {"InstallerEmail", &details_.InstallerEmail},
        {"ProjectName", &details_.ProjectName},
        {"ProjectConsultant", &details_.ProjectConsultant},
        {"ProjectLocation", &details_.ProjectLocation},
        {"ProjectArchitect", &details_.ProjectArchitect},
        {"ProjectOwner", &details_.ProjectOwner},
    }};
    for (const auto& [field, value] : fields)
        if (field == name) return *value;
    if (name == "Notes") {
        // The whole notes text, its lines separated by CR LF.
        std::string notes;
        for (std::size_t i = 0; i < details_.Notes.size(); ++i)
            notes += (i == 0 ? "" : "\r\n") + details_.Notes[i];
        return notes;
    }
    return {};
}

PIPEcalculator::PIPEcalculator(AppState& state, const CalculatorWindow& window)
    : state_(state), window_(window) {
    Settings.SkipWhenEmpty = true;
    Fields = {Field("ProjectName", 30), Field("Network", 10),   Field("Total", 10),
              Field("Detail1a", 30),    Field("Detail1b", 30),  Field("Detail2a", 30),
              Field("Detail2b", 30),    Field("Detail3a", 30),  Field("Detail3b", 30),
              Field("ItemDesc", 60),    Field("ItemCatNo", 15), Field("ItemQuantity", 10, true)};
}

// Rows 1 to the grid's row count - 1 are the records; the count is read at each call.
void PIPEcalculator::GotoLastRecord() {
    position_ = window_.Grid().RowCount() - 1;
}

bool PIPEcalculator::CheckEOF() {
    return position_ > window_.Grid().RowCount() - 1;
}

std::string PIPEcalculator::GetFieldAsString(std::string_view name) {
    if (name == "ProjectName") return state_.Project.ProjectName;
    if (name == "Network")
        return window_.SelectorText() + " (" + std::to_string(state_.Window.CurrentNetwork) +
               " of " + std::to_string(state_.Window.NetworkCount) + ")";
    const std::array<std::string_view, 3> items = {"ItemDesc", "ItemCatNo", "ItemQuantity"};
    for (std::size_t column = 0; column < items.size(); ++column) {
        if (name != items[column]) continue;
        const UnitLists& grid = window_.Grid();
        if (position_ < 0 || position_ >= grid.RowCount()) return {};
        return grid.Cells(position_)[column];
    }
    const std::array<std::string_view, 6> details = {"Detail1a", "Detail1b", "Detail2a",
                                                     "Detail2b", "Detail3a", "Detail3b"};
    for (std::size_t i = 0; i < details.size(); ++i) {
        if (name != details[i]) continue;
        // The captions of the status strip, as the evaluation gives them now.
        const NetworkStatus status = ComputeNetworkStatus(state_.Units, state_.Evaluation);
        const StatusLine& line =
            i < 2 ? status.Consumption : (i < 4 ? status.Supply : status.Impedance);
        return i % 2 == 0 ? line.ValueText : line.StatusText;
    }
    return {};  // Total, and any name no field carries
}

PIPEinstallation::PIPEinstallation(TTavoData& table) : table_(table) {
    const std::array<std::pair<const char*, int>, 21> fields = {{
        {"Project", 10},       {"Network", 20},        {"ApplicationDec", 3},
        {"ApplicationHex", 2}, {"ApplicationTag", 20}, {"UnitAddressDec", 3},
        {"UnitAddressHex", 2}, {"SerialNo", 10},       {"UnitType", 10},
        {"PartName", 20},      {"AreaDec", 3},         {"AreaHex", 2},
        {"AreaTag", 20},       {"GroupsDec", 3},       {"GroupsHex", 2},
        {"GroupsTag", 20},     {"Burden", 10},         {"Checksum", 3},
        {"Clock", 10},         {"Delays", 5},          {"PEinstallationppField1", 10},
    }};
    for (const auto& [name, length] : fields) Fields.push_back(Field(name, length));
    Fields[5].Alias = "UnitID";
}

}  // namespace tavo
