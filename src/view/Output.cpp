#include "view/Output.h"

#include <algorithm>
#include <cmath>

#include "view/Drawing.h"
#include "view/VerticalView.h"

namespace ruvo {

namespace {

constexpr float kPageMargin = 15.0F / 25.4F * 1440.0F;  // 15 mm in twips

// Whole ones of `fit`, none below 0 and no more than there are.
std::size_t Held(double fit, std::size_t count) {
    return static_cast<std::size_t>(std::clamp(fit, 0.0, static_cast<double>(count)));
}

InsetSurface TextArea(platform::Surface& page) {
    return {page, kPageMargin, kPageMargin, std::max(page.Width() - 2 * kPageMargin, 0.0F),
            std::max(page.Height() - 2 * kPageMargin, 0.0F)};
}

}  // namespace

PictureSize SizePicture(std::size_t columns, std::size_t cells, const Cell& cell, bool ruby,
                        float twipsPerPixel) {
    // Whole pixels, as the fitted window's client area has them.
    const auto pixels = [&](double twips) { return std::ceil(twips / twipsPerPixel); };
    PictureSize size{0, 0, columns, 0, cells, 0};
    // Tall enough for a column, and then as wide as the area lets it be.
    const double narrowest = pixels(FittedClientWidth(1, cell, ruby));
    const double tallest = std::min<double>(kLargestPictureSide, kMostPicturePixels / narrowest);
    size.cellsHeld = Held(CellsThatFit(std::floor(tallest) * twipsPerPixel, cell), cells);
    const double height = pixels(FittedClientHeight(static_cast<double>(size.cellsHeld), cell));
    const double widest = std::min<double>(kLargestPictureSide, kMostPicturePixels / height);
    size.columnsHeld =
        Held(ColumnsThatFit(std::floor(widest) * twipsPerPixel, cell, ruby), columns);
    if (!size.Empty()) {
        size.width = static_cast<std::int32_t>(
            pixels(FittedClientWidth(static_cast<double>(size.columnsHeld), cell, ruby)));
        size.height = static_cast<std::int32_t>(height);
    }
    return size;
}

PrintedPages::PrintedPages(std::u16string_view text, const Typesetting& typesetting,
                           platform::Surface& page)
    : text_(text),
      typesetting_(typesetting),
      area_(TextArea(page)),
      cell_(MeasureCell(area_, FontsFor(typesetting.face, typesetting.points), typesetting.ruby)) {
    // At least a cell a column and a column a page, however small the page.
    const auto length =
        static_cast<std::size_t>(std::max(CellsThatFit(area_.Height(), cell_), 1.0));
    columns_ = LayOutColumns(text_, length, typesetting.ruby, cell_.halfWidth);
    perPage_ = static_cast<std::size_t>(
        std::max(ColumnsThatFit(area_.Width(), cell_, columns_.annotated), 1.0));
}

std::size_t PrintedPages::Count() const {
    return (columns_.starts.size() + perPage_ - 1) / perPage_;
}

void PrintedPages::Draw(std::size_t page) {
    DrawColumns(area_, {text_, columns_, typesetting_, page * perPage_, 0, perPage_}, cell_);
}

}  // namespace ruvo
