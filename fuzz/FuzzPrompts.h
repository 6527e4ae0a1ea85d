#pragma once

#include "platform/Prompts.h"

namespace tavo::fuzzing {

// Takes every message silently and answers every question Cancel.
class SilentPrompts : public Prompts {
  public:
    void ShowMessage(MessageKind, const std::string&) override { ++messages; }
    Answer AskYesNoCancel(MessageKind, const std::string&) override {
        ++messages;
        return Answer::Cancel;
    }
    bool ChooseOpenFile(const FileDialogRequest&, std::string&) override { return false; }
    bool ChooseSaveFile(const FileDialogRequest&, std::string&) override { return false; }
    void Beep() override {}
    int messages = 0;
};

}  // namespace tavo::fuzzing
