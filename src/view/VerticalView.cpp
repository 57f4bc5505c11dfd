#include "view/VerticalView.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "typeset/Characters.h"
#include "view/Drawing.h"

namespace ruvo {

namespace {

using platform::ScrollBar;
using Axis = ScrollMove::Axis;

constexpr char16_t kIdeographicSpace = u'\u3000';

bool IsOneCharacter(std::u16string_view text) {
    return !text.empty() && CharacterLength(text, 0) == text.size();
}

// The last first column or cell that still fills a page.
std::int32_t LastFirst(double count, std::int32_t page) {
    return std::max(BarCount(count) - page, 0);
}

platform::ScrollBarState BarState(bool shown, double count, std::int32_t page,
                                  std::int32_t position) {
    if (!shown) {
        return {};
    }
    return {true, BarCount(count) - 1, page, position};
}

}  // namespace

void VerticalView::Show(std::u16string text, const Typesetting& typesetting, bool fit) {
    const Cell cell = Measure(typesetting, typesetting.ruby);
    text_ = std::move(text);
    if (IsOneCharacter(text_)) {
        text_ += kIdeographicSpace;
    }
    typesetting_ = typesetting;
    firstColumn_ = firstCell_ = 0;
    HideBars();
    if (text_.empty()) {
        columns_ = {};  // nothing to fit: the size stays
    } else {
        if (fit) {
            Fit(cell);
        } else {
            LayOutForClient(cell);
        }
        ShowBars(cell);
    }
    Draw(cell);
}

void VerticalView::Clear() {
    text_.clear();
    columns_ = {};
    firstColumn_ = firstCell_ = 0;
    HideBars();
    window_.ClientSurface().Clear();
}

void VerticalView::LayOutAgain(const Typesetting& typesetting, bool fit) {
    if (Empty()) {
        typesetting_ = typesetting;  // for the record; a Show sets its own
        return;
    }
    // Where the text stands is read as it was laid out, in its font.
    const std::size_t first = FirstShownCharacter(Measure(typesetting_, false));
    typesetting_ = typesetting;
    const Cell cell = Measure(typesetting_, typesetting_.ruby);
    HideBars();
    if (fit) {
        Fit(cell);
    } else {
        LayOutForClient(cell);
    }
    ScrollTo(cell, first);
    ShowBars(cell);
    Draw(cell);
}

void VerticalView::FollowResize() {
    if (typesetting_.wrapping) {
        LayOutAgain(typesetting_, false);
    } else {
        Scroll({});
    }
}

void VerticalView::Scroll(const ScrollMove& move) {
    if (Empty()) {
        return;
    }
    const Cell cell = Measure(typesetting_, typesetting_.ruby);
    const Placement placement = PlacementOf(cell);
    const Pages pages = PagesOf(placement, window_.ClientWidth(), window_.ClientHeight());
    if (move.axis == Axis::Columns) {
        firstColumn_ = Moved(firstColumn_, move, pages.columns,
                             LastFirst(ColumnCount(placement), pages.columns));
    } else {
        firstCell_ =
            Moved(firstCell_, move, pages.cells, LastFirst(RowCount(placement), pages.cells));
    }
    ShowBars(cell);
    Draw(cell);
}

PictureSize VerticalView::MeasurePicture() {
    const Cell cell = Measure(typesetting_, typesetting_.ruby);
    return SizePicture(columns_.starts.size(), columns_.longest, PlacementOf(cell),
                       window_.TwipsPerPixel());
}

void VerticalView::DrawPicture(platform::Surface& canvas, const PictureSize& size) {
    DrawColumns(canvas, {text_, columns_, typesetting_, 0, 0, size.columnsHeld, size.cellsHeld},
                Measure(typesetting_, typesetting_.ruby));
}

Cell VerticalView::Measure(const Typesetting& typesetting, bool notation) {
    return MeasureCell(window_.ClientSurface(), FontsFor(typesetting.face, typesetting.points),
                       notation);
}

Placement VerticalView::PlacementOf(const Cell& cell) const {
    return {cell, columns_.annotated, typesetting_.manuscript};
}

double VerticalView::ColumnCount(const Placement& placement) const {
    return placement.Columns(static_cast<double>(columns_.starts.size()));
}

double VerticalView::RowCount(const Placement& placement) const {
    return placement.Rows(static_cast<double>(columns_.longest));
}

bool VerticalView::LayOut(const Cell& cell, std::size_t length, std::size_t most) {
    columns_ = LayOutColumns(text_, length, typesetting_.ruby, cell.halfWidth, most,
                             typesetting_.manuscript ? kSheetColumns : 0);
    return columns_.starts.size() <= most;
}

Bars VerticalView::LayOutFor(const Cell& cell, double width, double height) {
    // The column length: a sheet's, the one chosen, or for a height the
    // cells it shows, at least one; none without wrapping.
    const Placement plain(cell, false, false);
    const auto lengthFor = [&](double room) -> std::size_t {
        if (typesetting_.manuscript) {
            return kSheetCells;
        }
        if (typesetting_.columnLength != 0) {
            return typesetting_.columnLength;
        }
        if (!typesetting_.wrapping) {
            return 0;
        }
        return static_cast<std::size_t>(std::clamp<double>(
            plain.RowsThatFit(room), 1, std::numeric_limits<std::int32_t>::max()));
    };
    const BarBreadths breadths = Breadths();
    const std::size_t length = lengthFor(height);
    const std::size_t shorter = lengthFor(height - breadths.horizontal);
    const auto needed = [&] {
        const Placement placement = PlacementOf(cell);
        return NeededBars(ColumnCount(placement), RowCount(placement), placement, width, height,
                          breadths);
    };
    // More columns than the width shows call for the horizontal bar, which
    // shortens them: a long text is laid out whole only once, for the bar.
    const auto fit = static_cast<std::size_t>(std::max(plain.ColumnsThatFit(width), 0.0));
    const bool whole = LayOut(cell, length, length == shorter ? SIZE_MAX : fit);
    if (shorter != length && (!whole || needed().horizontal)) {
        LayOut(cell, shorter);
    }
    return needed();
}

void VerticalView::Fit(const Cell& cell) {
    // Narrower, the window would wrap its menu bar and so change its frame.
    const float smallest = window_.SmallestWidth();
    if (window_.Width() < smallest) {
        window_.SetWidth(smallest);
    }
    const float frameWidth = window_.Width() - window_.ClientWidth();
    const float frameHeight = window_.Height() - window_.ClientHeight();
    const Bars bars = LayOutFor(cell, window_.AvailableWidth() - frameWidth,
                                window_.AvailableHeight() - frameHeight);
    const BarBreadths breadths = Breadths();
    const float pixel = window_.TwipsPerPixel();
    const Placement placement = PlacementOf(cell);
    window_.SetWidth(
        std::max(OuterSize(placement.Width(static_cast<double>(columns_.starts.size())) +
                               (bars.vertical ? breadths.vertical : 0),
                           placement.Width(1), frameWidth, window_.AvailableWidth(), pixel),
                 smallest));
    window_.SetHeight(OuterSize(
        placement.Height(RowCount(placement)) + (bars.horizontal ? breadths.horizontal : 0),
        placement.Height(placement.Rows(1)), window_.Height() - window_.ClientHeight(),
        window_.AvailableHeight(), pixel));
}

void VerticalView::LayOutForClient(const Cell& cell) {
    LayOutFor(cell, window_.ClientWidth(), window_.ClientHeight());
}

BarBreadths VerticalView::Breadths() {
    return {window_.ScrollBarBreadth(ScrollBar::Horizontal),
            window_.ScrollBarBreadth(ScrollBar::Vertical)};
}

VerticalView::Pages VerticalView::PagesOf(const Placement& placement, double width,
                                          double height) const {
    return {std::max(BarCount(placement.ColumnsThatFit(width, FirstColumn())), 1),
            std::max(BarCount(placement.RowsThatFit(height)), 1)};
}

void VerticalView::HideBars() {
    bars_ = {};
    window_.SetScrollBar(ScrollBar::Horizontal, {});
    window_.SetScrollBar(ScrollBar::Vertical, {});
}

void VerticalView::ShowBars(const Cell& cell) {
    // Decided for the client area the window has with no bar shown.
    const BarBreadths breadths = Breadths();
    const double width = window_.ClientWidth() + (bars_.vertical ? breadths.vertical : 0);
    const double height = window_.ClientHeight() + (bars_.horizontal ? breadths.horizontal : 0);
    const Placement placement = PlacementOf(cell);
    const double columns = ColumnCount(placement);
    const double cells = RowCount(placement);
    bars_ = NeededBars(columns, cells, placement, width, height, breadths);
    const Pages pages = PagesOf(placement, width - (bars_.vertical ? breadths.vertical : 0),
                                height - (bars_.horizontal ? breadths.horizontal : 0));
    firstColumn_ = std::clamp(firstColumn_, 0, LastFirst(columns, pages.columns));
    firstCell_ = std::clamp(firstCell_, 0, LastFirst(cells, pages.cells));
    window_.SetScrollBar(ScrollBar::Horizontal,
                         BarState(bars_.horizontal, columns, pages.columns,
                                  LastFirst(columns, pages.columns) - firstColumn_));
    window_.SetScrollBar(ScrollBar::Vertical,
                         BarState(bars_.vertical, cells, pages.cells, firstCell_));
}

std::size_t VerticalView::FirstShownCharacter(const Cell& cell) {
    UnitReader reader(text_, typesetting_.ruby, cell.halfWidth, columns_.mayHoldAnnotations);
    const auto column = static_cast<std::size_t>(firstColumn_);
    if (column >= columns_.starts.size()) {
        return text_.size();  // on a sheet's empty columns, after the text
    }
    std::size_t first = ColumnEnd(text_, columns_, column);
    ForEachUnit(text_, columns_, reader, column, [&](const Unit& unit, std::size_t at) {
        if (at + unit.cells <= static_cast<std::size_t>(firstCell_)) {
            return true;
        }
        first = unit.from.at;
        return false;
    });
    return first;
}

void VerticalView::ScrollTo(const Cell& cell, std::size_t at) {
    UnitReader reader(text_, typesetting_.ruby, cell.halfWidth, columns_.mayHoldAnnotations);
    const std::vector<ReadPoint>& starts = columns_.starts;
    const auto column = static_cast<std::size_t>(
        std::ranges::upper_bound(starts, at, {}, &ReadPoint::at) - starts.begin() - 1);
    std::size_t first = 0;
    ForEachUnit(text_, columns_, reader, column, [&](const Unit& unit, std::size_t row) {
        first = row;
        return unit.to.at <= at;
    });
    firstColumn_ = BarCount(static_cast<double>(column));
    firstCell_ = BarCount(static_cast<double>(first));
}

void VerticalView::Draw(const Cell& cell) {
    DrawColumns(window_.ClientSurface(),
                {text_, columns_, typesetting_, FirstColumn(), FirstCell()}, cell);
}

}  // namespace ruvo
