#pragma once

#include <cstdint>
#include <string_view>

#include "app/frmMain.h"

namespace ruvo {

// One character cell of the vertical font. CharW, the advance of the
// measuring character, is the step down a column; CharH, its height, is how
// far a turned character reaches leftwards from its column's right edge.
struct Cell {
    float CharW = 0;
    float CharH = 0;
};

// Measures the cell with the font selected in the window.
Cell MeasureCell(platform::Window& window);

// The text on display; before the first click there is none, which reads
// as the empty text.
std::u16string_view DisplayText(const frmMain& form);

// Gives a one-character text an ideographic space as its second character,
// then finds its lines: LineStarts, the columns (BreakCount) and the
// characters of the longest line (LongestRun).
void CountLines(frmMain& form);

// Right edge of a column, counted from the first one on screen: a quarter
// cell in from the client area's right edge, then 1.5 cells apart.
double ColumnX(float clientWidth, const Cell& cell, std::size_t column);
// Top of a cell of a column: the columns start one CharH down.
double CellY(const Cell& cell, std::size_t row);

// Whole columns that a client area of this width shows, and whole cells
// of a column that one of this height shows, margins kept: a window fitted
// to a text shows all of it.
double ColumnsThatFit(float clientWidth, const Cell& cell);
double CellsThatFit(float clientHeight, const Cell& cell);

// Sizes the window: fitted to the text within the screen's work area in
// the variable mode, the saved size in the fixed mode.
void FitFrame(frmMain& form, const Cell& cell);

}  // namespace ruvo
