#pragma once

#include <cstddef>
#include <string_view>

#include "app/frmMain.h"

namespace ruvo {

// The text on display; before the first click there is none, which reads
// as the empty text.
std::u16string_view DisplayText(const frmMain& form);

// What the counting pass learns about the text beyond the layout counters.
struct TextShape {
    std::size_t characters = 0;
    bool lastIsBreak = false;
    bool secondToLastIsBreak = false;
};

// Counts the line breaks (BreakCount) and the longest column (LongestRun).
TextShape CountLines(frmMain& form);
// Turns BreakCount into the number of columns; a one-character text gets an
// ideographic space so that it has a second character.
void CountColumns(frmMain& form, const TextShape& shape);
// Sizes the window: fitted to the text, or the saved size in the fixed mode.
void FitFrame(frmMain& form, float CharW);

}  // namespace ruvo
