#pragma once

#include <string>

namespace tavo {

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class Answer { Ok, Yes, No, Cancel };

// Everything the system asks or tells the user in a modal box goes through here. The
// desktop program shows message boxes, the command-line program writes to standard error,
// tests script the answers and record every text. A CR in a text starts a new line.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A box with one OK button.
    virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
    // A box with Yes, No and Cancel; returns the button chosen.
    virtual Answer AskYesNoCancel(MessageKind kind, const std::string& text) = 0;

    void Warning(const std::string& text) { ShowMessage(MessageKind::Warning, text); }
    void Error(const std::string& text) { ShowMessage(MessageKind::Error, text); }
};

}  // namespace tavo
