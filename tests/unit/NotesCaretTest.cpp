#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/NotesCaret.h"

namespace tavo {
namespace {

TEST(NotesCaretLine, CountsTheLinesThatBeginBeforeTheCaret) {
    const std::vector<std::string> lines = {"abc", "", "defg"};
    // "abc" takes 0..4 with its break, the empty line 5..6, "defg" starts at 7.
    EXPECT_EQ(NotesCaretLine(lines, 0), 0);
    EXPECT_EQ(NotesCaretLine(lines, 1), 1);
    EXPECT_EQ(NotesCaretLine(lines, 3), 1);  // end of the first line
    EXPECT_EQ(NotesCaretLine(lines, 4), 1);  // between CR and LF
    EXPECT_EQ(NotesCaretLine(lines, 5), 1);  // start of line 2
    EXPECT_EQ(NotesCaretLine(lines, 6), 2);
    EXPECT_EQ(NotesCaretLine(lines, 7), 2);  // start of line 3
    EXPECT_EQ(NotesCaretLine(lines, 8), 3);
    EXPECT_EQ(NotesCaretLine(lines, 11), 3);
    // A caret beyond the text counts no line that is not there.
    EXPECT_EQ(NotesCaretLine(lines, 500), 3);
}

TEST(NotesCaretLine, EmptyNotesGiveZero) {
    EXPECT_EQ(NotesCaretLine({}, 0), 0);
    EXPECT_EQ(NotesCaretLine({}, 10), 0);
    EXPECT_EQ(NotesCaretLine({""}, 0), 0);
}

TEST(NotesCaretLine, TheWarningBoundaryLiesAfterTheFirstPositionOfLine37) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back("note " + std::to_string(i));
    std::size_t start37 = 0;
    for (std::size_t i = 0; i < 36; ++i) start37 += lines[i].size() + 2;

    EXPECT_EQ(NotesCaretLine(lines, start37 - 2), kPrintableNotesLines);  // end of line 36
    EXPECT_EQ(NotesCaretLine(lines, start37), kPrintableNotesLines);
    EXPECT_EQ(NotesCaretLine(lines, start37 + 1), kPrintableNotesLines + 1);
    EXPECT_EQ(NotesCaretLine(lines, start37 + lines[36].size() + 2), kPrintableNotesLines + 1);
    EXPECT_EQ(NotesCaretLine(lines, start37 + lines[36].size() + 3), kPrintableNotesLines + 2);
}

}  // namespace
}  // namespace tavo
