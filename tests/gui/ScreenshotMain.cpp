// Renders the real main window into PNG pictures, offscreen:
//   tavocalc-screenshot OUTPUT_DIR CATALOGUE PROJECT.tav
// calculator.png: a fresh network with a few units placed, so that every status line shows a
// verdict; project.png: the project opened through File > Open.
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <cstdio>

#include "calculator/CalculatorPage.h"
#include "calculator/MainWindow.h"
#include "calculator/TavoApplication.h"
#include "components/MessageBoxPrompts.h"
#include "core/Catalogue.h"

namespace {

// Message boxes as usual; the open dialog answers with the project to show.
class ScreenshotPrompts : public tavo::MessageBoxPrompts {
  public:
    explicit ScreenshotPrompts(std::string project) : project_(std::move(project)) {}
    bool ChooseOpenFile(const tavo::FileDialogRequest&, std::string& path) override {
        path = project_;
        return true;
    }

  private:
    std::string project_;
};

// Places units of a catalogue number as a user would: "All Units", its row, the digits.
void Place(tavo::AppState& state, tavo::CalculatorPage& page, const std::string& catNo,
           const char* digits) {
    int slot = 0;
    if (!tavo::FindUnitByCatNo(state.Units, catNo, slot)) return;
    page.SelectTab(0);
    page.SelectRow(slot);
    for (const char* d = digits; *d != '\0'; ++d) page.Lists().QtyBarKeyPress(*d);
    page.Sync();
}

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    return window.grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: tavocalc-screenshot OUTPUT_DIR CATALOGUE PROJECT.tav\n");
        return 2;
    }
    QApplication application(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    const QString out = QString::fromLocal8Bit(argv[1]);
    ScreenshotPrompts prompts(argv[3]);
    tavo::TavoApplication program(prompts, {}, argv[2], "");
    tavo::TVCALC& window = program.Window();
    window.show();
    if (!window.FormActivate()) return 1;

    tavo::AppState& state = program.State();
    tavo::CalculatorPage& page = window.Page();
    Place(state, page, "TPS-350", "1");
    Place(state, page, "TIN-8", "6");
    Place(state, page, "TOUT-D4", "4");
    Place(state, page, "TUNI-P6", "2");
    page.SelectTab(7);
    page.SelectRow(2);
    if (!Save(window, out + QStringLiteral("/calculator.png"))) return 1;

    state.Window.NetworkSaved = true;  // the placed units are a demonstration, not work to keep
    state.Window.ProjectSaved = true;
    if (!window.Open1Click()) return 1;
    if (!Save(window, out + QStringLiteral("/project.png"))) return 1;
    state.Window.ProjectSaved = true;
    state.Window.NetworkSaved = true;
    return 0;
}
