#pragma once

#include <cstddef>
#include <string>

#include "platform/Surface.h"
#include "view/Fonts.h"
#include "view/Geometry.h"

namespace ruvo {

// What a text comes to on manuscript paper: its sheets (one at least) and
// the columns the last one holds.
struct SheetCount {
    std::size_t sheets = 1;
    std::size_t lastColumns = 0;
};
SheetCount CountSheets(std::size_t columns);

// The count under the last sheet: the cells that hold text, then the
// sheets, e.g. "1,234字　原稿用紙 4枚（最終 7行）".
std::u16string CountLine(std::size_t cells, std::size_t columns);

// Draws the sheets that show on the surface, as the placement puts a text
// of so many columns and cells there from its first column and row on, as
// far as `columnCount` columns from there: the grid of each in the rule
// colour, its number of the total under it, and the count under the last.
void DrawSheets(platform::Surface& surface, const Placement& placement, const Cell& cell,
                const ViewFonts& fonts, std::size_t columns, std::size_t cells,
                std::size_t firstColumn, std::size_t firstRow, std::size_t columnCount);

}  // namespace ruvo
