#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "typeset/Characters.h"
#include "typeset/Units.h"

namespace ruvo {

// The text on display as columns: a few numbers per column and none per
// character, since a text can be megabytes long. A column ends where the
// next one starts or at a line break.
struct Columns {
    std::vector<ReadPoint> starts;  // where each column begins in the text
    std::size_t longest = 0;        // cells of the longest column
    std::size_t cells = 0;          // cells that hold text, in all columns
    bool annotated = false;         // the text has ruby or emphasis dots
    // The notation is read and the text holds a "［": its readers look for
    // annotations only then.
    bool mayHoldAnnotations = false;
    // Cells above the first unit of each column, as far as a column has
    // any (an indent, a line set at the foot); the rest start at the top.
    std::vector<std::size_t> firstCells;
    // The columns that follow a page break, each after the empty column the
    // break leaves.
    std::vector<std::size_t> pageBreaks;
};

// Lays out the text in units (see UnitReader). Every line starts a column,
// an empty one too. With a column length (0: none) a longer line goes on
// in the next column, broken by the kinsoku rules: the column ends up to a
// quarter of its cells early where that keeps them, else at its end; a
// ruby base is never parted from its ruby. With the notation read, the
// annotations indent lines, set them at the foot (of the longest column
// without a length) and break pages; a line of annotations alone takes no
// column. On sheets of `sheetColumns` (0: none) a full stop or comma that
// would start a column hangs below the one before it, taking no cell, and so
// does a closing bracket right after it, and a page break starts a sheet. It
// stops once there are more columns than `most`.
Columns LayOutColumns(std::u16string_view text, std::size_t length, bool notation,
                      const Advance& advance, std::size_t most = static_cast<std::size_t>(-1),
                      std::size_t sheetColumns = 0);

// Where a column ends in the text: where the next one starts, or at its
// line break.
inline std::size_t ColumnEnd(std::u16string_view text, const Columns& columns, std::size_t column) {
    return column + 1 < columns.starts.size() ? columns.starts[column + 1].at : text.size();
}

inline std::size_t FirstCell(const Columns& columns, std::size_t column) {
    return column < columns.firstCells.size() ? columns.firstCells[column] : 0;
}

// Calls each(unit, cell) for the units of a column, in order, with the cell
// each starts at, while it returns true; `reader` reads the text as it was
// laid out.
template <typename Each>
void ForEachUnit(std::u16string_view text, const Columns& columns, UnitReader& reader,
                 std::size_t column, Each each) {
    const std::size_t end = ColumnEnd(text, columns, column);
    ReadPoint point = columns.starts[column];
    for (std::size_t cell = FirstCell(columns, column);
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
