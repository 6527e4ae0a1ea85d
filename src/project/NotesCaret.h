#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tavo {

// The report prints this many notes lines; the details dialog warns beyond them.
inline constexpr int kPrintableNotesLines = 36;

// The number of notes lines that begin before the caret. caretPosition counts characters
// from the start of the notes, each line taking its length plus 2 for its line break: 0 at
// the very start, 1 anywhere in the first line after its start, k at the start of line k + 1.
int NotesCaretLine(const std::vector<std::string>& lines, std::size_t caretPosition);

}  // namespace tavo
