#pragma once

#include <ostream>
#include <string>

#include "cli/Session.h"

namespace tavo {

struct ReportOptions {
    std::string What;  // project, network or installation
    bool AllNetworks = false;
    bool Decimal = false;
    std::string Output;  // the PDF file
};

// tavocalc-cli report: the report the print dialog would print, written as a PDF file: the
// same feeds and layouts; with AllNetworks the network information report of every network,
// one after another. Returns the exit status: 0 done, 1 input unreadable or output unwritable.
int RunReport(const SessionOptions& options, const ReportOptions& report,
              const std::string& programDirectory, std::ostream& err);

}  // namespace tavo
