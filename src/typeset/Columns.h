#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace ruvo {

// The text on display as columns: a few numbers per column and none per
// character, since a text can be megabytes long. A column ends where the
// next one starts or at a line break.
struct Columns {
    std::vector<std::size_t> starts;  // where each column begins in the text
    std::size_t longest = 0;          // cells of the longest column
};

// Lays out the text one cell per character. Every line starts a column,
// an empty one too. With a column length (0: none) a longer line goes on
// in the next column, broken by the kinsoku rules: the column ends up to a
// quarter of its cells early where that keeps them, else at its end. It
// stops once there are more columns than `most`.
Columns LayOutColumns(std::u16string_view text, std::size_t length,
                      std::size_t most = static_cast<std::size_t>(-1));

}  // namespace ruvo
