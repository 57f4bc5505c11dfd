#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "typeset/Units.h"

namespace ruvo {

// The text on display as columns: a few numbers per column and none per
// character, since a text can be megabytes long. A column ends where the
// next one starts or at a line break.
struct Columns {
    std::vector<ReadPoint> starts;  // where each column begins in the text
    std::size_t longest = 0;        // cells of the longest column
    bool annotated = false;         // the text has ruby or emphasis dots
};

// Lays out the text in units (see UnitReader). Every line starts a column,
// an empty one too. With a column length (0: none) a longer line goes on
// in the next column, broken by the kinsoku rules: the column ends up to a
// quarter of its cells early where that keeps them, else at its end; a
// ruby base is never parted from its ruby. It stops once there are more
// columns than `most`.
Columns LayOutColumns(std::u16string_view text, std::size_t length, bool notation,
                      const Advance& advance, std::size_t most = static_cast<std::size_t>(-1));

}  // namespace ruvo
