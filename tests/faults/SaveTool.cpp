// Saves a project as the program's Save and Save As do, for the fault-injection run: opens it,
// changes network 1 and the project name, then saves. Every message goes to standard error.
//   tavo-save-tool CATALOGUE save PROJECT
//   tavo-save-tool CATALOGUE saveas PROJECT NEWPROJECT
#include <cstdio>
#include <string>

#include "calculator/CommandDriver.h"
#include "calculator/HeadlessView.h"
#include "platform/CodePage.h"

namespace {

class StderrPrompts final : public tavo::Prompts {
  public:
    std::string SaveAs;
    void ShowMessage(tavo::MessageKind, const std::string& text) override {
        std::fprintf(stderr, "%s\n", tavo::MessageToUtf8(text).c_str());
    }
    tavo::Answer AskYesNoCancel(tavo::MessageKind, const std::string& text) override {
        std::fprintf(stderr, "%s (answered No)\n", tavo::MessageToUtf8(text).c_str());
        return tavo::Answer::No;
    }
    bool ChooseOpenFile(const tavo::FileDialogRequest&, std::string&) override { return false; }
    bool ChooseSaveFile(const tavo::FileDialogRequest&, std::string& path) override {
        path = SaveAs;
        return !path.empty();
    }
    void Beep() override {}
};

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 2 ? argv[2] : "";
    if (argc < 4 || (command != "save" && command != "saveas") ||
        (command == "saveas" && argc != 5)) {
        std::fprintf(stderr, "usage: tavo-save-tool CATALOGUE save|saveas PROJECT [NEWPROJECT]\n");
        return 2;
    }
    StderrPrompts prompts;
    if (command == "saveas") prompts.SaveAs = argv[4];
    tavo::AppState state(prompts);
    tavo::HeadlessView view(state);
    tavo::CommandDriver driver(state, view, argv[1], "");
    if (!driver.FormActivate() || !driver.OpenFile(argv[3])) return 1;
    state.Units.UnitTable[1].Quantity += 1;
    state.Window.NetworkSaved = false;
    state.Project.ProjectName += " (changed)";
    state.Window.ProjectSaved = false;
    const bool saved = command == "save" ? driver.Save1Click() : driver.SaveAs1Click();
    return saved ? 0 : 1;
}
