#include "view/Output.h"

#include <algorithm>
#include <cmath>

#include "platform/Convert.h"
#include "view/Drawing.h"

namespace ruvo {

namespace {

constexpr float kPageMargin = 15.0F / 25.4F * 1440.0F;  // 15 mm in twips

// Whole ones of `fit`, none below 0 and no more than there are.
std::size_t Held(double fit, std::size_t count) {
    return static_cast<std::size_t>(std::clamp(fit, 0.0, static_cast<double>(count)));
}

// The text area of a page: inside its margins, or for a manuscript sheet
// the sheet's size in the middle of them.
InsetSurface TextArea(platform::Surface& page, const Typesetting& typesetting) {
    const double width = std::max(page.Width() - 2 * kPageMargin, 0.0F);
    const double height = std::max(page.Height() - 2 * kPageMargin, 0.0F);
    if (!typesetting.manuscript) {
        return {page, kPageMargin, kPageMargin, ToSingle(width), ToSingle(height)};
    }
    const Cell cell = MeasureCell(page, FontsFor(typesetting.face, typesetting.points), false);
    const double sheetWidth = std::min(SheetWidth(cell), width);
    const double sheetHeight = std::min(SheetHeight(cell), height);
    return {page, ToSingle(kPageMargin + (width - sheetWidth) / 2),
            ToSingle(kPageMargin + (height - sheetHeight) / 2), ToSingle(sheetWidth),
            ToSingle(sheetHeight)};
}

// As set on screen; on manuscript paper in the largest whole size at which a
// sheet fits inside the margins.
Typesetting Printed(const Typesetting& typesetting, platform::Surface& page) {
    Typesetting printed = typesetting;
    if (!typesetting.manuscript) {
        return printed;
    }
    const double width = page.Width() - 2 * kPageMargin;
    const double height = page.Height() - 2 * kPageMargin;
    const auto fits = [&](std::int32_t points) {
        const Cell cell = MeasureCell(page, FontsFor(typesetting.face, points), false);
        return SheetWidth(cell) <= width && SheetHeight(cell) <= height;
    };
    const Cell cell = MeasureCell(page, FontsFor(typesetting.face, typesetting.points), false);
    const double scale = std::min(width / SheetWidth(cell), height / SheetHeight(cell));
    printed.points = std::max(ToInt32(std::floor(typesetting.points * scale)), 1);
    while (printed.points > 1 && !fits(printed.points)) {
        --printed.points;  // measured sizes need not grow in step with the size asked for
    }
    return printed;
}

}  // namespace

PictureSize SizePicture(std::size_t columns, std::size_t cells, const Placement& placement,
                        float twipsPerPixel) {
    // Whole pixels, as the fitted window's client area has them.
    const auto pixels = [&](double twips) { return std::ceil(twips / twipsPerPixel); };
    PictureSize size{0, 0, columns, 0, cells, 0};
    // Tall enough for a column (on sheets, a sheet), then as wide as the
    // area lets it be: on sheets, whole sheets.
    const double narrowest = pixels(placement.Width(1));
    const double tallest = std::min<double>(kLargestPictureSide, kMostPicturePixels / narrowest);
    const double rows = placement.RowsThatFit(std::floor(tallest) * twipsPerPixel);
    const double sheetRows = placement.Rows(0);
    size.cellsHeld = !placement.Sheets() ? Held(rows, cells) : rows < sheetRows ? 0 : cells;
    const double height = pixels(
        placement.Height(placement.Sheets() ? sheetRows : static_cast<double>(size.cellsHeld)));
    const double widest = std::min<double>(kLargestPictureSide, kMostPicturePixels / height);
    double fit = placement.ColumnsThatFit(std::floor(widest) * twipsPerPixel);
    if (placement.Sheets()) {
        fit = std::floor(fit / kSheetColumns) * kSheetColumns;
    }
    size.columnsHeld = Held(fit, columns);
    if (!size.Empty()) {
        size.width = static_cast<std::int32_t>(
            pixels(placement.Width(static_cast<double>(size.columnsHeld))));
        size.height = static_cast<std::int32_t>(height);
    }
    return size;
}

PrintedPages::PrintedPages(std::u16string_view text, const Typesetting& typesetting,
                           platform::Surface& page)
    : text_(text),
      typesetting_(Printed(typesetting, page)),
      area_(TextArea(page, typesetting_)),
      cell_(
          MeasureCell(area_, FontsFor(typesetting_.face, typesetting_.points), typesetting_.ruby)) {
    if (typesetting_.manuscript) {
        columns_ = LayOutColumns(text_, kSheetCells, typesetting_.ruby, cell_.halfWidth, SIZE_MAX,
                                 kSheetColumns);
        perPage_ = kSheetColumns;
        return;
    }
    // At least a cell a column and a column a page, however small the page.
    const Placement plain(cell_, false, false);
    const auto length = static_cast<std::size_t>(std::max(plain.RowsThatFit(area_.Height()), 1.0));
    columns_ = LayOutColumns(text_, length, typesetting_.ruby, cell_.halfWidth);
    perPage_ = static_cast<std::size_t>(
        std::max(Placement(cell_, columns_.annotated, false).ColumnsThatFit(area_.Width()), 1.0));
}

std::size_t PrintedPages::Count() const {
    return (columns_.starts.size() + perPage_ - 1) / perPage_;
}

void PrintedPages::Draw(std::size_t page) {
    DrawColumns(area_, {text_, columns_, typesetting_, page * perPage_, 0, perPage_}, cell_);
}

}  // namespace ruvo
