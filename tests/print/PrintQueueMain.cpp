// Prints the program's reports on a real print queue, as the Print command does: the project
// details and every network's information of the sample project, then the installation report
// of the sample installation. The queue must be the system's only printer (the test script
// starts a private print server with one PDF queue).
//   tavo-print-queue WORKDIR SOURCEDIR
#include <QApplication>
#include <cstdio>
#include <string>

#include "calculator/MainWindow.h"
#include "calculator/TavoApplication.h"
#include "support/ScriptedPrompts.h"

namespace {

bool Print(tavo::TavoApplication& program, int report, bool decimal, bool all) {
    tavo::PrintRequest request{report, true, decimal, all};
    const bool printed = program.Window().Driver().PrintReport(request);
    std::printf("report %d: %s\n", report, printed ? "printed" : "NOT printed");
    return printed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavo-print-queue WORKDIR SOURCEDIR\n");
        return 2;
    }
    QApplication application(argc, argv);
    const std::string work = argv[1];
    const std::string source = argv[2];
    tavo::testing::ScriptedPrompts prompts;
    tavo::TavoApplication program(prompts, {}, source + "/data/TAVOUNIT.DAT",
                                  source + "/data/TavoCalc.hlp", source + "/data/TavoAlias.als",
                                  source + "/data/TavoLogo.jpg");
    // Where the installation asks which catalogue entry a unit is, the first is taken.
    program.Window().Services().SelectCatalogueEntry =
        [](const tavo::Catalogue& units, const std::string& code, const std::string&,
           const std::string&, const std::string&) {
            for (int slot = 1; slot < tavo::kTableSlots; ++slot)
                if (units.UnitTable[static_cast<std::size_t>(slot)].InstallCode == code)
                    return slot;
            return 0;
        };
    program.Window().show();
    if (!program.Window().FormActivate()) return 1;
    std::printf("printer: %s\n", program.CurrentPrinterName().c_str());
    tavo::CommandDriver& driver = program.Window().Driver();
    bool ok = driver.OpenFile(work + "/Sample.tav");
    ok = ok && Print(program, 0, false, false);
    ok = ok && Print(program, 1, false, true);
    ok = ok && driver.OpenFile(work + "/Harbour.tag");
    ok = ok && Print(program, 2, true, false);
    for (const std::string& text : prompts.Texts()) std::printf("message: %s\n", text.c_str());
    return ok ? 0 : 1;
}
