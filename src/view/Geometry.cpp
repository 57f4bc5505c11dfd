#include "view/Geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "platform/Convert.h"

namespace ruvo {

namespace {

// A full-width character: its extent is the size of one cell of a column.
constexpr std::u16string_view kMeasuringCharacter = u"あ";

// Spare room left of the last column and below the longest one, in cells.
constexpr double kMargin = 0.25;
constexpr double kColumnPitch = 1.5;

// On a sheet, in cells: its margins, the gap between sheets, the centre
// gap, the ruby gap right of each column's cells, and its rows: the margin
// above, the grid, room for what hangs below it, and the two lines of the
// numbers and the count.
constexpr double kSheetMargin = 1;
constexpr double kSheetGap = 1;
constexpr double kCentreGap = 1;
constexpr double kRubyGap = 0.5;
constexpr double kSheetRows = 27;

// Half-width text is the code units below U+0250; NaN is not yet measured.
Advance HalfWidthAdvance(platform::Surface& surface, const platform::Font& font, float advance) {
    auto measured = std::make_shared<std::array<double, 0x250>>();
    measured->fill(std::numeric_limits<double>::quiet_NaN());
    return [&surface, font, advance, measured](char16_t c) {
        double& cells = measured->at(c);
        if (std::isnan(cells)) {
            cells = surface.Measure(font, std::u16string_view(&c, 1)).advance / advance;
        }
        return cells;
    };
}

}  // namespace

Cell MeasureCell(platform::Surface& surface, const ViewFonts& fonts, bool notation) {
    // A font that measures nothing still moves a dot from cell to cell, so
    // that the drawing leaves the surface after what fits.
    const float dot = surface.TwipsPerPixel();
    const auto measure = [&](const platform::Font& font, float& advance, float& breadth) {
        const platform::TextExtent extent = surface.Measure(font, kMeasuringCharacter);
        advance = std::max(extent.advance, dot);
        breadth = std::max(extent.height, dot);
    };
    Cell cell;
    measure(fonts.text, cell.advance, cell.breadth);
    if (notation) {
        measure(fonts.ruby, cell.rubyAdvance, cell.rubyBreadth);
    }
    cell.halfWidth = HalfWidthAdvance(surface, fonts.text, cell.advance);
    return cell;
}

double SheetWidth(const Cell& cell) {
    return (2 * kSheetMargin + kCentreGap + static_cast<double>(kSheetColumns) * kColumnPitch) *
           cell.advance;
}

double SheetHeight(const Cell& cell) {
    return kSheetRows * cell.advance;
}

double SheetGap(const Cell& cell) {
    return kSheetGap * cell.advance;
}

double Placement::RightMargin() const {
    // Ruby stands whole, with a margin as the text has one in its own size.
    return ruby_ ? cell_.rubyBreadth + kMargin * cell_.rubyAdvance : kMargin * cell_.advance;
}

double Placement::ColumnOffset(std::size_t column) const {
    if (!sheets_) {
        return RightMargin() + static_cast<double>(column) * kColumnPitch * cell_.advance;
    }
    // The characters centred in their square cells.
    return CellsOffset(column) + (cell_.advance - cell_.breadth) / 2;
}

double Placement::CellsOffset(std::size_t column) const {
    const std::size_t sheet = column / kSheetColumns;
    const std::size_t at = column % kSheetColumns;
    return static_cast<double>(sheet) * (SheetWidth(cell_) + SheetGap(cell_)) +
           (kSheetMargin + kRubyGap + static_cast<double>(at) * kColumnPitch +
            (at >= kSheetColumns / 2 ? kCentreGap : 0)) *
               cell_.advance;
}

double Placement::Top() const {
    return sheets_ ? kSheetMargin * cell_.advance : cell_.breadth;
}

double Placement::ClipTop() const {
    return sheets_ ? 0 : cell_.breadth;
}

double Placement::Width(double columns) const {
    if (sheets_) {
        const double sheets = std::max(std::ceil(columns / kSheetColumns), 1.0);
        return sheets * SheetWidth(cell_) + (sheets - 1) * SheetGap(cell_);
    }
    return RightMargin() + (columns - 1) * kColumnPitch * cell_.advance + cell_.breadth +
           kMargin * cell_.advance;
}

double Placement::Height(double rows) const {
    return sheets_ ? rows * cell_.advance
                   : cell_.breadth + rows * cell_.advance + kMargin * cell_.advance;
}

double Placement::Rows(double longest) const {
    return sheets_ ? kSheetRows : longest;
}

double Placement::Columns(double columns) const {
    return sheets_ ? std::max(std::ceil(columns / kSheetColumns), 1.0) * kSheetColumns : columns;
}

double Placement::ColumnsThatFit(double width, std::size_t first) const {
    if (!sheets_) {
        return std::floor((width - Width(1)) / (kColumnPitch * cell_.advance)) + 1;
    }
    // A column fits when its cells and, for a sheet's last, the sheet's
    // margin do: find the last that does, on the last sheet that shows a
    // column, then within that sheet.
    const double c = cell_.advance;
    const double reach = width - ColumnOffset(0) - (c + cell_.breadth) / 2 + CellsOffset(first);
    const double firstCells = (kSheetMargin + kRubyGap) * c;
    if (!(reach >= firstCells)) {
        return 0;
    }
    const double pitch = SheetWidth(cell_) + SheetGap(cell_);
    const double sheet = std::floor((reach - firstCells) / pitch);
    const double room =
        (reach - sheet * pitch - firstCells) / c;  // in cells, from the first column
    const double half = kSheetColumns / 2;
    double at = std::min(std::floor(room / kColumnPitch), half - 1);
    if (room >= half * kColumnPitch + kCentreGap) {
        at = std::min(std::floor((room - kCentreGap) / kColumnPitch), kSheetColumns - 2.0);
    }
    if (room >= (kSheetColumns - 1) * kColumnPitch + kCentreGap + kSheetMargin) {
        at = kSheetColumns - 1;
    }
    return std::max(sheet * kSheetColumns + at + 1 - static_cast<double>(first), 0.0);
}

double Placement::RowsThatFit(double height) const {
    return sheets_ ? std::floor(height / cell_.advance)
                   : std::floor((height - Height(0)) / cell_.advance);
}

float OuterSize(double client, double smallestClient, float frame, float room, float pixel) {
    const auto outer = [&](double inside) {
        return Finite(std::ceil(Divide(inside, pixel)) * pixel + frame);
    };
    return ToSingle(std::min(outer(client), std::max<double>(room, outer(smallestClient))));
}

Bars NeededBars(double columns, double rows, const Placement& placement, double width,
                double height, BarBreadths breadths) {
    // A bar that comes takes room from the other direction, which can call
    // for the other bar; the second round settles it. A page shows a column
    // and a row at least.
    Bars bars;
    for (int round = 0; round < 2; ++round) {
        bars.vertical =
            rows >
            std::max(placement.RowsThatFit(height - (bars.horizontal ? breadths.horizontal : 0)),
                     1.0);
        bars.horizontal =
            columns >
            std::max(placement.ColumnsThatFit(width - (bars.vertical ? breadths.vertical : 0)),
                     1.0);
    }
    return bars;
}

}  // namespace ruvo
