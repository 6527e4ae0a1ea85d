// Renders the real main window with a few units placed, so that every status line shows a
// verdict, into a PNG: tavocalc-screenshot OUTPUT.png CATALOGUE
#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <cstdio>
#include <memory>

#include "calculator/CalculatorPage.h"
#include "calculator/MainWindow.h"
#include "components/MessageBoxPrompts.h"
#include "core/Catalogue.h"

namespace {

// Places quantity units of the catalogue number on the network as a user would: choose the
// "All Units" list, select the row, type the digits.
void Place(tavo::AppState& state, tavo::CalculatorPage& page, const std::string& catNo, const char* digits) {
    int slot = 0;
    if (!tavo::FindUnitByCatNo(state.Units, catNo, slot)) return;
    page.SelectTab(0);
    page.SelectRow(slot);
    for (const char* d = digits; *d != '\0'; ++d) page.Lists().QtyBarKeyPress(*d);
    page.Sync();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tavocalc-screenshot OUTPUT.png CATALOGUE\n");
        return 2;
    }
    QApplication application(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    tavo::MessageBoxPrompts prompts;
    auto state = std::make_unique<tavo::AppState>(prompts);
    tavo::TVCALC window(*state, {}, argv[2]);
    window.show();
    if (!window.FormActivate()) return 1;
    tavo::CalculatorPage& page = window.Page();
    Place(*state, page, "TPS-350", "1");
    Place(*state, page, "TIN-8", "6");
    Place(*state, page, "TOUT-D4", "4");
    Place(*state, page, "TUNI-P6", "2");
    page.SelectTab(7);
    page.SelectRow(2);
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) return 1;
    return 0;
}
