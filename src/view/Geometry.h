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

// Manuscript paper: sheets of 20 columns of 20 cells, from right to left.
inline constexpr std::size_t kSheetColumns = 20;
inline constexpr std::size_t kSheetCells = 20;

// Where the columns of a text stand on an area: from its right edge 1.5
// cells apart, a quarter cell in (when the text has ruby, which stands right
// of its column, a ruby cell and a quarter of one), or on manuscript sheets,
// each column in its square cells with the gap for ruby right of them and
// the centre gap (柱) between the 10th and 11th, the sheet numbers and the
// count below. Lengths are twips.
class Placement {
  public:
    Placement(const Cell& cell, bool ruby, bool sheets)
        : cell_(cell), ruby_(ruby), sheets_(sheets) {}

    bool Sheets() const { return sheets_; }
    // From the right edge to the right edge of a column's characters, when
    // the first column stands first; on sheets, to the right edge of its
    // square cells.
    double ColumnOffset(std::size_t column) const;
    double CellsOffset(std::size_t column) const;
    // The top of a column's first cell, and the top edge below which its
    // characters show.
    double Top() const;
    double ClipTop() const;
    // The area that shows so many columns and rows whole, margins kept: a
    // window fitted to a text shows all of it.
    double Width(double columns) const;
    double Height(double rows) const;
    // The rows a text takes down the area: its longest column's cells, or a
    // sheet's; and the columns across it, on sheets every sheet's.
    double Rows(double longest) const;
    double Columns(double columns) const;
    // Whole columns that an area this wide shows from a column on, and whole
    // rows one this high shows.
    double ColumnsThatFit(double width, std::size_t first = 0) const;
    double RowsThatFit(double height) const;

  private:
    double RightMargin() const;

    const Cell& cell_;
    bool ruby_;
    bool sheets_;
};

// A sheet's extent, its margins and the lines below it included, and the
// gap between two sheets.
double SheetWidth(const Cell& cell);
double SheetHeight(const Cell& cell);
double SheetGap(const Cell& cell);

// An outer size for a client size: whole pixels, rounded up so that the
// platform's rounding cannot cut the margin; within the room the work area
// leaves, but never smaller than the smallest client.
float OuterSize(double client, double smallestClient, float frame, float room, float pixel);

// The scroll bars a text of so many columns and rows needs in a client area
// of this size without bars, where a bar shown takes its breadth.
struct Bars {
    bool horizontal = false;
    bool vertical = false;

    bool operator==(const Bars&) const = default;
};
struct BarBreadths {
    float horizontal = 0;  // the horizontal bar's height
    float vertical = 0;    // the vertical bar's width
};
Bars NeededBars(double columns, double rows, const Placement& placement, double width,
                double height, BarBreadths breadths);

}  // namespace ruvo
