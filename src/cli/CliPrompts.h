#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "platform/Prompts.h"

namespace tavo {

// UTF-8 text made safe for a terminal: control characters other than line breaks and TABs
// (ESC among them) are shown as \xNN instead of being sent.
std::string TerminalText(std::string_view utf8);

// Prompts for a program without a window: every message goes to the error stream as
// "warning: <text>" or "error: <text>", in UTF-8, a CR in the text becoming a line break.
// Nobody is there to answer a question, and tavocalc-cli changes nothing it reads, so every
// question ("Save network?") is answered No: nothing is written that the user did not ask for.
class CliPrompts : public Prompts {
  public:
    explicit CliPrompts(std::ostream& err) : err_(err) {}
    void ShowMessage(MessageKind kind, const std::string& text) override;
    Answer AskYesNoCancel(MessageKind kind, const std::string& text) override;
    // Files are named on the command line; a dialog is never shown.
    bool ChooseOpenFile(const FileDialogRequest&, std::string&) override { return false; }
    bool ChooseSaveFile(const FileDialogRequest&, std::string&) override { return false; }
    void Beep() override {}

  private:
    std::ostream& err_;
};

}  // namespace tavo
