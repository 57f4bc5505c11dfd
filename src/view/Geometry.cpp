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

// Room right of the first column: ruby stands there, whole, with a margin
// as the text has one in its own size.
double RightMargin(const Cell& cell, bool ruby) {
    return ruby ? cell.rubyBreadth + kMargin * cell.rubyAdvance : kMargin * cell.advance;
}

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

double ColumnX(double width, const Cell& cell, bool ruby, std::size_t column) {
    return width - RightMargin(cell, ruby) -
           static_cast<double>(column) * kColumnPitch * cell.advance;
}

double CellY(const Cell& cell, double row) {
    return cell.breadth + row * cell.advance;
}

double FittedClientWidth(double columns, const Cell& cell, bool ruby) {
    return RightMargin(cell, ruby) + (columns - 1) * kColumnPitch * cell.advance + cell.breadth +
           kMargin * cell.advance;
}

double FittedClientHeight(double cells, const Cell& cell) {
    return cell.breadth + cells * cell.advance + kMargin * cell.advance;
}

double ColumnsThatFit(double width, const Cell& cell, bool ruby) {
    return std::floor((width - FittedClientWidth(1, cell, ruby)) / (kColumnPitch * cell.advance)) +
           1;
}

double CellsThatFit(double height, const Cell& cell) {
    return std::floor((height - FittedClientHeight(0, cell)) / cell.advance);
}

float OuterSize(double client, double smallestClient, float frame, float room, float pixel) {
    const auto outer = [&](double inside) {
        return Finite(std::ceil(Divide(inside, pixel)) * pixel + frame);
    };
    return ToSingle(std::min(outer(client), std::max<double>(room, outer(smallestClient))));
}

Bars NeededBars(double columns, double cells, const Cell& cell, bool ruby, double width,
                double height, BarBreadths breadths) {
    // A bar that comes takes room from the other direction, which can call
    // for the other bar; the second round settles it.
    Bars bars;
    for (int round = 0; round < 2; ++round) {
        bars.vertical =
            cells > CellsThatFit(height - (bars.horizontal ? breadths.horizontal : 0), cell);
        bars.horizontal =
            columns > ColumnsThatFit(width - (bars.vertical ? breadths.vertical : 0), cell, ruby);
    }
    return bars;
}

}  // namespace ruvo
