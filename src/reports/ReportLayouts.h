#pragma once

#include "reports/ReportLayout.h"

namespace tavo {

// The image id of the logo that the three reports show.
inline constexpr const char* kLogoImage = "logo";

// The program's three reports, as designed: every band and item, with no handler bound. The
// program binds the handlers and changes the few items it sets before printing.
ReportLayout REPprojectDetail();  // project and installer details, one page
ReportLayout REPcalculator();     // network information: the selected units and the status
ReportLayout REPinstallation();   // the installation table as a ruled table, landscape

}  // namespace tavo
