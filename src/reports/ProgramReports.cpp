#include "reports/ProgramReports.h"

#include "reporter/TagConversions.h"
#include "reports/ReportLayouts.h"

namespace tavo {

ProgramReports::ProgramReports(AppState& state, const CalculatorWindow& window)
    : state_(state),
      window_(window),
      layouts_{REPprojectDetail(), REPcalculator(), REPinstallation()},
      projectDetails_(state.Project),
      calculator_(state, window),
      installation_(state.Installation) {
    BindHandlers();
}

ReportFeed& ProgramReports::Feed(ReportKind kind) {
    switch (kind) {
        case ReportKind::ProjectDetail:
            return projectDetails_;
        case ReportKind::Calculator:
            return calculator_;
        case ReportKind::Installation:
            break;
    }
    return installation_;
}

void ProgramReports::BindHandlers() {
    ReportLayout& installation = Layout(ReportKind::Installation);
    const TTavoData& table = state_.Installation;

    // REPinstallationBeforePrint, bound to all three reports.
    for (ReportLayout& layout : layouts_)
        layout.BeforePrint = [this](ReportLayout&) {
            if (ReportItem* label = Layout(ReportKind::Installation).FindByName("lblppProject"))
                label->Caption = state_.Project.ProjectName;
        };

    // pptNetWorkGetText: the network's number becomes its tag.
    if (ReportItem* network = installation.FindByName("pptNetWork"))
        network->OnGetText = [this](ReportItem&, std::string& text) {
            if (!text.empty()) text = state_.Tags.NetworkByNumber(DecimalOrZero(text)).Name;
        };
    // HideLineAtEOF, ShowLineAtEOF, sizeLineToBand: the footer's lines continue the columns
    // while rows remain; under the last row ppLine45 closes the table and the column lines
    // take the band's height.
    const auto last = [&table] { return table.CurrentRow() >= table.RowCount() - 1; };
    for (const char* name :
         {"ppLine6", "ppLine28", "ppLine32", "ppLine34", "ppLine35", "ppLine36", "ppLine37",
          "ppLine38", "ppLine39", "ppLine40", "ppLine41", "ppLine42"})
        if (ReportItem* line = installation.FindByName(name))
            line->OnPrint = [last](ReportItem& item) { item.Visible = !last(); };
    if (ReportItem* line = installation.FindByName("ppLine45"))
        line->OnPrint = [last](ReportItem& item) { item.Visible = last(); };
    for (const char* name : {"ppLine7", "ppLine20", "ppLine21", "ppLine22", "ppLine23", "ppLine24",
                             "ppLine25", "ppLine26", "ppLine27", "ppLine43", "ppLine44"})
        if (ReportItem* line = installation.FindByName(name))
            line->OnPrint = [last](ReportItem& item) { item.ParentHeight = last(); };

    // lblPageGetText: "Report k of n" and the page description.
    ReportLayout& calculator = Layout(ReportKind::Calculator);
    ReportItem* sysPage = calculator.FindByName("lblSysPage");
    if (ReportItem* page = calculator.FindByName("lblPage"))
        page->OnGetText = [this, sysPage](ReportItem&, std::string& text) {
            text = "Report " + std::to_string(window_.SelectorIndex() + 1) + " of " +
                   std::to_string(window_.SelectorCount()) + " " +
                   (sysPage != nullptr ? sysPage->CurrentText : std::string());
        };
}

void ProgramReports::ApplyNumberFormat(bool decimal) {
    for (ReportLayout& layout : layouts_) {
        for (ReportItem* label : layout.FindByTag(9))
            if (label->Kind == ItemKind::Label)
                label->Caption = decimal ? kDecimalFormat : kHexadecimalFormat;
        for (ReportItem* column : layout.FindByTag(7))
            if (column->Kind == ItemKind::DataText) column->Visible = !decimal;
        for (ReportItem* column : layout.FindByTag(8))
            if (column->Kind == ItemKind::DataText) column->Visible = decimal;
    }
}

void ProgramReports::ShowReportNumber(bool show) {
    ReportLayout& calculator = Layout(ReportKind::Calculator);
    if (ReportItem* page = calculator.FindByName("lblPage")) page->Visible = show;
    if (ReportItem* sysPage = calculator.FindByName("lblSysPage")) sysPage->Visible = !show;
}

}  // namespace tavo
