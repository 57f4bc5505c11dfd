#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "doubles/Doubles.h"

namespace ruvo::test {

// Line i, row j of a grid text: a character that names its cell.
char16_t Named(int line, int row);
// Lines of such characters, each ended by CR LF.
std::u16string Grid(int lines, int length);

// What the window shows: its outer size, each text drawn at its place (or
// the first `outputs` only; "^" marks upright ones), and the scroll bars.
std::string Seen(FakeWindow& window, std::size_t outputs = SIZE_MAX);
// Its outer size, the cells of each column drawn, and the scroll bars.
std::string ColumnsSeen(FakeWindow& window);
// The scroll bars shown, with their maximum, page and position.
std::string BarsSeen(FakeWindow& window);

}  // namespace ruvo::test
