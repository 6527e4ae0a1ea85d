#pragma once

#include <string>
#include <vector>

namespace tavo {

struct Catalogue;
class UnitLists;

// All that the command driver may change on the main window. The desktop program implements
// it with widgets, tavocalc-cli without a window, tests with a recorder.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // The window's caption, which is also the window's own hint. File paths in it are in the
    // file system's encoding, everything else is 8-bit text.
    virtual void ShowCaption(const std::string& caption) = 0;
    // lblInstaller and lblProject.
    virtual void ShowProjectLabels(const std::string& installer, const std::string& project) = 0;
    // cbxNetworks, always written whole: its items and the selected one (0-based).
    virtual void ShowSelector(const std::vector<std::string>& items, int index) = 0;
    // lblNetworkSelector.
    virtual void ShowSelectorCaption(const std::string& caption) = 0;

    // The unit lists of the calculator page; the driver changes them and then has them shown.
    virtual UnitLists& Lists() = 0;
    // Chooses a list tab as a click on it would (TabCtrlChange) and shows the page.
    virtual void SelectTab(int tab) = 0;
    // Shows the unit lists' state in the page's controls.
    virtual void ShowCalculatorPage() = 0;
    // Recomputes the status strip from the evaluation and keeps its texts (after Evaluate).
    virtual void RefreshNetworkStatus() = 0;
    virtual void FocusGrid() = 0;

    // An activation of the main window hides the program's other windows: the hint dialog
    // and the project details dialog.
    virtual void HideOtherWindows() = 0;
    // The program changed the project details (New, Open, import): the details dialog reloads.
    virtual void ProjectDetailsChanged() = 0;

    // The tag selection dialog: which of the catalogue entries with the shared installation
    // code the installed unit (network name, address in decimal and hexadecimal) is. Returns
    // the slot of the entry highlighted when the dialog closed.
    virtual int SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                                     const std::string& network, const std::string& addressDec,
                                     const std::string& addressHex) = 0;

    // Lets pending events run once.
    virtual void ProcessPendingEvents() = 0;
    // Lets pending events run until the window's timer has ticked five times.
    virtual void WaitForStartupTicks() = 0;
    // The first activation sets the window's height for the loaded calculator.
    virtual void StartUpResize() = 0;
};

}  // namespace tavo
