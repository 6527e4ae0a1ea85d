#pragma once

#include <array>
#include <memory>

#include "core/AppState.h"
#include "reports/ReportFeeds.h"
#include "reports/ReportLayout.h"

namespace tavo {

// The program's three reports by their place in the print dialog.
enum class ReportKind { ProjectDetail = 0, Calculator = 1, Installation = 2 };

inline constexpr const char* kDecimalFormat = "Decimal (Base 10)";
inline constexpr const char* kHexadecimalFormat = "Hexadecimal (Base 16)";
inline constexpr const char* kNoPrinterMessage =
    "No printer is installed, so nothing was printed. Preview shows the report on the screen.";

// The three reports with their feeds over the live state and their handlers bound: the network
// column named by the tag store, the report number in the network report's footer, the
// installation table's lines closed under its last row, the project name set before printing.
class ProgramReports {
  public:
    ProgramReports(AppState& state, const CalculatorWindow& window);
    ProgramReports(const ProgramReports&) = delete;
    ProgramReports& operator=(const ProgramReports&) = delete;

    ReportLayout& Layout(ReportKind kind) { return layouts_[Index(kind)]; }
    ReportFeed& Feed(ReportKind kind);

    // The number format, in every report that shows it: the format label (tag 9) and either
    // the decimal (tag 8) or the hexadecimal (tag 7) columns.
    void ApplyNumberFormat(bool decimal);
    // While network reports are produced the footer names the report ("Report 2 of 3 Page 1 of
    // 1") instead of the page alone.
    void ShowReportNumber(bool show);

  private:
    static std::size_t Index(ReportKind kind) { return static_cast<std::size_t>(kind); }
    void BindHandlers();

    AppState& state_;
    const CalculatorWindow& window_;
    std::array<ReportLayout, 3> layouts_;
    PIPEprojectDetails projectDetails_;
    PIPEcalculator calculator_;
    PIPEinstallation installation_;
};

}  // namespace tavo
