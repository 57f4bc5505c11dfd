#pragma once

#include <cstddef>
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

// Gives a one-character text an ideographic space as its second character.
void ExtendOneCharacter(frmMain& form);

// Where a cell of a column starts in the text on display, and where the
// column ends (at the next column's start or at its line break).
std::size_t CellStart(const frmMain& form, std::size_t column, std::size_t cell);
std::size_t ColumnEnd(const frmMain& form, std::size_t column);

// Right edge of a column, counted from the first one on screen: a quarter
// cell in from the client area's right edge, then 1.5 cells apart.
double ColumnX(float clientWidth, const Cell& cell, std::size_t column);
// Top of a cell of a column: the columns start one CharH down.
double CellY(const Cell& cell, std::size_t row);

// Whole columns that a client area of this width shows, and whole cells
// of a column that one of this height shows, margins kept: a window fitted
// to a text shows all of it.
double ColumnsThatFit(double clientWidth, const Cell& cell);
double CellsThatFit(double clientHeight, const Cell& cell);

// Lays the text on display out in columns (BreakCount, LongestRun,
// ColumnStarts) for the client area that shows while no scroll bar does:
// with wrapping on, a column holds the cells that show above the
// horizontal bar, when the columns need that bar.
void LayOutForClient(frmMain& form, const Cell& cell);

// Sizes the window and lays the text out for it. In the variable mode the
// columns are as long as the work area allows and the window fits them,
// with room for the bars they need, within the work area and never
// narrower than its menu bar; in the fixed mode it takes the saved size.
void FitFrame(frmMain& form, const Cell& cell);

}  // namespace ruvo
