#pragma once

#include <cstddef>

#include "platform/Surface.h"
#include "typeset/Units.h"
#include "view/Fonts.h"

namespace ruvo {

// One character cell of the vertical font. `advance`, that of the measuring
// character, is the step down a column; `breadth`, its height, is how far a
// turned character reaches leftwards from its column's right edge.
struct Cell {
    float advance = 0;
    float breadth = 0;
    // The same of the ruby font, where the notation is read: ruby and
    // emphasis dots stand in a gap that wide right of their column.
    float rubyAdvance = 0;
    float rubyBreadth = 0;
    // How far each half-width character advances down a column, in cells;
    // each is measured once, when it is first asked for.
    Advance halfWidth;
};

// Measures the cell on the surface, and the ruby font's when the notation
// is read.
Cell MeasureCell(platform::Surface& surface, const ViewFonts& fonts, bool notation);

// Right edge of a column, counted from the first one on screen: a quarter
// cell in from the right edge of an area this wide (when the text has ruby,
// which stands right of its column, a ruby cell and a quarter of one), then
// 1.5 cells apart.
double ColumnX(double width, const Cell& cell, bool ruby, std::size_t column);
// Top of a cell of a column: the columns start one breadth down.
double CellY(const Cell& cell, double row);

// The client area that holds every cell of the text with the margins.
double FittedClientWidth(double columns, const Cell& cell, bool ruby);
double FittedClientHeight(double cells, const Cell& cell);

// Whole columns that an area of this width shows, and whole cells of a
// column that one of this height shows, margins kept: a window fitted to a
// text shows all of it.
double ColumnsThatFit(double width, const Cell& cell, bool ruby);
double CellsThatFit(double height, const Cell& cell);

// An outer size for a client size: whole pixels, rounded up so that the
// platform's rounding cannot cut the margin; within the room the work area
// leaves, but never smaller than one cell.
float OuterSize(double client, double smallestClient, float frame, float room, float pixel);

// The scroll bars a text of so many columns and cells needs in a client
// area of this size without bars, where a bar shown takes its breadth.
struct Bars {
    bool horizontal = false;
    bool vertical = false;

    bool operator==(const Bars&) const = default;
};
struct BarBreadths {
    float horizontal = 0;  // the horizontal bar's height
    float vertical = 0;    // the vertical bar's width
};
Bars NeededBars(double columns, double cells, const Cell& cell, bool ruby, double width,
                double height, BarBreadths breadths);

}  // namespace ruvo
