#include "view/Sheets.h"

#include <string>

#include "platform/Convert.h"

namespace ruvo {

namespace {

// The grid's top and its rows below it, the number's and the count's, in cells.
constexpr double kGridTop = 1;
constexpr double kNumberRow = kGridTop + kSheetCells + 2.25;
constexpr double kCountRow = kNumberRow + 1.5;

// The count's digits, in groups of three where asked.
std::u16string Digits(std::size_t number, bool grouped = false) {
    std::u16string digits = Decimal(static_cast<std::int64_t>(number));
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; grouped && at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, u',');
    }
    return digits;
}

}  // namespace

SheetCount CountSheets(std::size_t columns) {
    if (columns == 0) {
        return {1, 0};
    }
    return {(columns + kSheetColumns - 1) / kSheetColumns, (columns - 1) % kSheetColumns + 1};
}

std::u16string CountLine(std::size_t cells, std::size_t columns) {
    const SheetCount count = CountSheets(columns);
    return Digits(cells, true) + u"字　原稿用紙 " + Digits(count.sheets) + u"枚（最終 " +
           Digits(count.lastColumns) + u"行）";
}

void DrawSheets(platform::Surface& surface, const Placement& placement, const Cell& cell,
                const ViewFonts& fonts, std::size_t columns, std::size_t cells,
                std::size_t firstColumn, std::size_t firstRow, std::size_t columnCount) {
    const SheetCount count = CountSheets(columns);
    const double c = cell.advance;
    const double dot = surface.TwipsPerPixel();
    const double width = SheetWidth(cell);
    // The first sheet's right edge and the grid's top, as far as the view is scrolled.
    const double right =
        surface.Width() + placement.CellsOffset(firstColumn) - placement.CellsOffset(0);
    const double top = (kGridTop - static_cast<double>(firstRow)) * c;
    const double bottom = top + static_cast<double>(kSheetCells) * c;
    const auto rule = [&](double left, double y, double across, double down) {
        surface.Fill({left, y, across, down}, platform::Colour::Rule);
    };
    for (std::size_t sheet = 0; sheet < count.sheets; ++sheet) {
        const double sheetRight =
            right - placement.CellsOffset(sheet * kSheetColumns) + placement.CellsOffset(0);
        const std::size_t sheetStart = sheet * kSheetColumns;
        if (sheetRight <= 0 ||
            (sheetStart >= firstColumn && sheetStart - firstColumn >= columnCount)) {
            break;
        }
        if (sheetRight - width >= surface.Width()) {
            continue;
        }
        // The frame, then each column's cells, the centre gap between them.
        const double frameRight = sheetRight - c;
        const double frameLeft = sheetRight - width + c;
        rule(frameLeft, top, frameRight - frameLeft, dot);
        rule(frameLeft, bottom, frameRight - frameLeft + dot, dot);
        rule(frameLeft, top, dot, bottom - top);
        rule(frameRight, top, dot, bottom - top);
        for (std::size_t column = 0; column < kSheetColumns; ++column) {
            const double cellsRight = right - placement.CellsOffset(sheet * kSheetColumns + column);
            rule(cellsRight, top, dot, bottom - top);
            rule(cellsRight - c, top, dot, bottom - top);
            for (std::size_t row = 1; row < kSheetCells; ++row) {
                rule(cellsRight - c, top + static_cast<double>(row) * c, c, dot);
            }
        }
        // Its number, and under the last the count, centred under the sheet.
        const auto label = [&](const std::u16string& text, double row) {
            const double across = surface.Measure(fonts.upright, text).advance;
            surface.Text(fonts.upright, ToSingle(sheetRight - (width + across) / 2),
                         ToSingle(top + (row - kGridTop) * c), text);
        };
        label(Digits(sheet + 1) + u" / " + Digits(count.sheets), kNumberRow);
        if (sheet + 1 == count.sheets) {
            label(CountLine(cells, columns), kCountRow);
        }
    }
}

}  // namespace ruvo
