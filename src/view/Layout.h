#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/frmMain.h"
#include "typeset/Characters.h"
#include "typeset/Units.h"
#include "view/Fonts.h"

namespace ruvo {

// One character cell of the vertical font. CharW, the advance of the
// measuring character, is the step down a column; CharH, its height, is how
// far a turned character reaches leftwards from its column's right edge.
struct Cell {
    float CharW = 0;
    float CharH = 0;
    // The same of the ruby font, where the notation is read: ruby and
    // emphasis dots stand in a gap that wide right of their column.
    float rubyW = 0;
    float rubyH = 0;
    // How far each half-width character advances down a column, in cells;
    // each is measured once, in the font selected when it is first asked for.
    Advance halfWidth;
};

// Measures the cell in the vertical font and, when the notation is read,
// the ruby font's; the vertical font is selected when it returns.
Cell MeasureCell(ViewFonts& fonts, platform::Window& window, bool notation);

// The text on display; before the first click there is none, which reads
// as the empty text.
std::u16string_view DisplayText(const frmMain& form);

// Gives a one-character text an ideographic space as its second character.
void ExtendOneCharacter(frmMain& form);

// Where a column ends in the text on display: where the next one starts,
// or at its line break.
std::size_t ColumnEnd(const frmMain& form, std::size_t column);
// Calls each(unit, cell) for the units of a column, in order, with the cell
// each starts at, while it returns true.
template <typename Each>
void ForEachUnit(const frmMain& form, UnitReader& reader, std::size_t column, Each each);
// Reads the text on display as it was laid out, with or without ruby as
// it was then.
UnitReader ReaderOf(const frmMain& form, const Cell& cell);

// Right edge of a column, counted from the first one on screen: a quarter
// cell in from the client area's right edge (when the text has ruby, which
// stands right of its column, a ruby cell and a quarter of one), then 1.5
// cells apart.
double ColumnX(const frmMain& form, float clientWidth, const Cell& cell, std::size_t column);
// Top of a cell of a column: the columns start one CharH down.
double CellY(const Cell& cell, std::size_t row);

// Whole columns that a client area of this width shows, and whole cells
// of a column that one of this height shows, margins kept: a window fitted
// to a text shows all of it.
double ColumnsThatFit(double clientWidth, const Cell& cell, bool ruby);
double CellsThatFit(double clientHeight, const Cell& cell);

// Lays the text on display out in columns (BreakCount, LongestRun,
// ColumnStarts, HasRuby) for the client area that shows while no scroll bar does:
// with wrapping on, a column holds the cells that show above the
// horizontal bar, when the columns need that bar.
void LayOutForClient(frmMain& form, const Cell& cell);

// Sizes the window and lays the text out for it. In the variable mode the
// columns are as long as the work area allows and the window fits them,
// with room for the bars they need, within the work area and never
// narrower than its menu bar; in the fixed mode it keeps its size.
void FitFrame(frmMain& form, const Cell& cell);

template <typename Each>
void ForEachUnit(const frmMain& form, UnitReader& reader, std::size_t column, Each each) {
    const std::u16string_view text = DisplayText(form);
    const std::size_t end = ColumnEnd(form, column);
    ReadPoint point = form.ColumnStarts[column];
    for (std::size_t cell = 0;
         point.at < end && (point.emphasisEnd != 0 || !IsLineBreak(text[point.at]));) {
        const Unit unit = reader.Read(point, end, static_cast<std::size_t>(-1), false);
        if (!each(unit, cell)) {
            return;
        }
        cell += unit.cells;
        point = unit.to;
    }
}

}  // namespace ruvo
