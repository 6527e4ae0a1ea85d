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

std::string ForTerminal(const std::string& text) {
    std::string out = Cp1252ToUtf8(text);
    for (char& c : out)
        if (c == '\r') c = '\n';
    return out;
}

}  // namespace

void CliPrompts::ShowMessage(MessageKind kind, const std::string& text) {
    err_ << PrefixOf(kind) << ": " << ForTerminal(text) << '\n';
}

Answer CliPrompts::AskYesNoCancel(MessageKind kind, const std::string& text) {
    err_ << PrefixOf(kind) << ": " << ForTerminal(text) << " (answered Cancel)\n";
    return Answer::Cancel;
}

}  // namespace tavo
