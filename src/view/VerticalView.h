#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Window.h"
#include "typeset/Columns.h"
#include "view/Geometry.h"
#include "view/Output.h"
#include "view/Scrolling.h"
#include "view/Typesetting.h"

namespace ruvo {

// The text on display in the main window, in vertical columns from the
// right: the text, how it is set, its columns and how far it is scrolled.
// Each operation lays out, fits the window, sets the scroll bars and draws
// as far as it needs to, onto the window's client surface.
class VerticalView {
  public:
    explicit VerticalView(platform::Window& window) : window_(window) {}
    VerticalView(const VerticalView&) = delete;
    VerticalView& operator=(const VerticalView&) = delete;

    // Shows a text from its start; a text of one character gets an
    // ideographic space after it. With `fit` the window takes the size of
    // the text (within the work area, room for the bars it needs, never
    // narrower than its menu bar); otherwise it keeps its own.
    void Show(std::u16string text, const Typesetting& typesetting, bool fit);
    // Empties the view; the window keeps its size.
    void Clear();
    // Lays the text on display out again as set now, keeping the character
    // at the top of the first column on screen in view; `fit` as for Show.
    void LayOutAgain(const Typesetting& typesetting, bool fit);
    // After the user's resize: wrapped columns follow the client area,
    // otherwise the first column on screen stays at the right edge.
    void FollowResize();
    // Moves through the text on display and draws what then shows.
    void Scroll(const ScrollMove& move);
    // A picture of the whole text on display as laid out here, at the
    // window's resolution, and what of it the picture holds.
    PictureSize MeasurePicture();
    void DrawPicture(platform::Surface& canvas, const PictureSize& size);

    // Whether nothing is on display (nothing shown, the empty text, or cleared).
    bool Empty() const { return columns_.starts.empty(); }
    std::u16string_view Text() const { return text_; }
    const Typesetting& Typeset() const { return typesetting_; }
    const Columns& Laid() const { return columns_; }
    // The scroll position: the column at the right edge, the cell at the top.
    std::size_t FirstColumn() const { return static_cast<std::size_t>(firstColumn_); }
    std::size_t FirstCell() const { return static_cast<std::size_t>(firstCell_); }

  private:
    // Whole columns and cells that the client area shows, at least one each.
    struct Pages {
        std::int32_t columns = 0;
        std::int32_t cells = 0;
    };

    Cell Measure(const Typesetting& typesetting, bool notation);
    Placement PlacementOf(const Cell& cell) const;
    // The columns and rows the scroll bars run through.
    double ColumnCount(const Placement& placement) const;
    double RowCount(const Placement& placement) const;
    // Columns of `length` cells, or one a line for 0; false when there are
    // more than `most` and the layout stopped there.
    bool LayOut(const Cell& cell, std::size_t length, std::size_t most = SIZE_MAX);
    // Lays out for an area of this size with no bar shown; the bars the
    // columns need, a horizontal one taking its height from the columns.
    Bars LayOutFor(const Cell& cell, double width, double height);
    // The variable mode's size for the columns, and the columns for it.
    void Fit(const Cell& cell);
    void LayOutForClient(const Cell& cell);
    BarBreadths Breadths();
    Pages PagesOf(const Placement& placement, double width, double height) const;
    void HideBars();
    // Keeps the scroll position within the text and shows a scroll bar for
    // each direction in which the text does not fit the client area.
    void ShowBars(const Cell& cell);
    // Where the unit at the top of the first column on screen starts in the
    // text, or that column's end below its last unit.
    std::size_t FirstShownCharacter(const Cell& cell);
    // The scroll position that shows this place of the text first.
    void ScrollTo(const Cell& cell, std::size_t at);
    void Draw(const Cell& cell);

    platform::Window& window_;
    std::u16string text_;
    Typesetting typesetting_;  // that of the columns on display
    Columns columns_;
    std::int32_t firstColumn_ = 0;
    std::int32_t firstCell_ = 0;
    Bars bars_;  // as shown
};

}  // namespace ruvo
