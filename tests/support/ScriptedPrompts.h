#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Prompts.h"
#include "platform/Warnings.h"

namespace tavo::testing {

// Prompts for tests: records every box with its kind and text, and answers questions from
// a queue. A question with no answer queued is a fault of the test and throws.
class ScriptedPrompts : public Prompts {
  public:
    struct Shown {
        MessageKind Kind;
        std::string Text;
        bool Question;
        bool operator==(const Shown&) const = default;
    };

    void ShowMessage(MessageKind kind, const std::string& text) override {
        shown.push_back({kind, Plain(text), false});
    }

    Answer AskYesNoCancel(MessageKind kind, const std::string& text) override {
        shown.push_back({kind, Plain(text), true});
        if (answers.empty()) throw std::logic_error("unexpected question: " + text);
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // File dialogs answer from their own queue: a path, or an empty string for Cancel. A
    // dialog with no answer queued is a fault of the test and throws.
    bool ChooseOpenFile(const FileDialogRequest& request, std::string& path) override {
        return Choose(request, path);
    }
    bool ChooseSaveFile(const FileDialogRequest& request, std::string& path) override {
        return Choose(request, path);
    }
    void Beep() override { ++beeps; }

    // A reader's warnings, recorded as the warning boxes the program shows for them.
    WarningSink Sink() {
        return [this](const std::string& text) { ShowMessage(MessageKind::Warning, text); };
    }

    // Texts of the boxes shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& s : shown) texts.push_back(s.Text);
        return texts;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::deque<std::string> files;
    std::vector<FileDialogRequest> dialogs;  // every file dialog shown, in order
    int beeps = 0;

    // A text as recorded: the marks around the paths in it are left out (the paths stay).
    static std::string Plain(std::string text) {
        std::erase(text, kPathStart);
        std::erase(text, kPathEnd);
        return text;
    }

  private:
    bool Choose(const FileDialogRequest& request, std::string& path) {
        dialogs.push_back(request);
        if (files.empty()) throw std::logic_error("unexpected file dialog: " + request.Title);
        path = files.front();
        files.pop_front();
        return !path.empty();
    }
};

}  // namespace tavo::testing
