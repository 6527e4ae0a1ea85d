#include "cli/CliPrompts.h"

#include "platform/CodePage.h"

namespace tavo {
namespace {

const char* PrefixOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return "info";
        case MessageKind::Warning:
            return "warning";
        case MessageKind::Error:
            return "error";
        case MessageKind::Confirmation:
            return "question";
    }
    return "info";
}

// A CR, or a CR LF, starts a new line.
std::string ForTerminal(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
    }
    return Cp1252ToUtf8(out);
}

}  // namespace

void CliPrompts::ShowMessage(MessageKind kind, const std::string& text) {
    err_ << PrefixOf(kind) << ": " << ForTerminal(text) << '\n';
}

Answer CliPrompts::AskYesNoCancel(MessageKind kind, const std::string& text) {
    err_ << PrefixOf(kind) << ": " << ForTerminal(text) << " (answered No)\n";
    return Answer::No;
}

}  // namespace tavo
