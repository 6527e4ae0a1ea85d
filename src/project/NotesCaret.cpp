#include "project/NotesCaret.h"

namespace tavo {

int NotesCaretLine(const std::vector<std::string>& lines, std::size_t caretPosition) {
    int count = 0;
    std::size_t lineStart = 0;
    for (const std::string& line : lines) {
        if (lineStart >= caretPosition) break;
        ++count;
        lineStart += line.size() + 2;
    }
    return count;
}

}  // namespace tavo
