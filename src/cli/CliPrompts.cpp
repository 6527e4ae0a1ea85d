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
    return TerminalText(MessageToUtf8(out));
}

}  // namespace

std::string TerminalText(std::string_view utf8) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        // C1 controls come as C2 80 to C2 9F.
        const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F || c1) {
            const unsigned code = c1 ? static_cast<unsigned char>(utf8[++i]) : c;
            out += "\\x";
            out += digits[code >> 4];
            out += digits[code & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void CliPrompts::ShowMessage(MessageKind kind, const std::string& text) {
    err_ << PrefixOf(kind) << ": " << ForTerminal(text) << '\n';
}

Answer CliPrompts::AskYesNoCancel(MessageKind kind, const std::string& text) {
    err_ << PrefixOf(kind) << ": " << ForTerminal(text) << " (answered No)\n";
    return Answer::No;
}

}  // namespace tavo
