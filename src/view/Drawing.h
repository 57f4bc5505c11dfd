#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/Surface.h"
#include "typeset/Columns.h"
#include "view/Geometry.h"

namespace ruvo {

struct Typesetting;

// What a drawing shows of a laid-out text: the text, its columns, how it
// is set, the column and cell that stand first, at the top right, and how
// many columns and cells at most.
struct ColumnsToDraw {
    std::u16string_view text;
    const Columns& columns;
    const Typesetting& typesetting;
    std::size_t firstColumn = 0;
    std::size_t firstCell = 0;
    std::size_t columnCount = SIZE_MAX;
    std::size_t cellCount = SIZE_MAX;
};

// Clears the surface and draws what of the columns fits it: columns from
// the right, cells from the top, each unit in its font; a column or cell the
// edge cuts shows in part.
void DrawColumns(platform::Surface& surface, const ColumnsToDraw& shown, const Cell& cell);

}  // namespace ruvo
