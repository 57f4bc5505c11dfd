#include "view/Scrolling.h"

#include <algorithm>
#include <limits>

#include "view/Drawing.h"
#include "view/Fonts.h"

namespace ruvo {

namespace {

using platform::ScrollBar;
using Axis = ScrollMove::Axis;
using Kind = ScrollMove::Kind;

// Whole columns and cells that the client area shows, at least one each.
struct Pages {
    std::int32_t columns = 0;
    std::int32_t cells = 0;

    bool operator==(const Pages&) const = default;
};

// A count as a scroll bar holds it.
std::int32_t Count(double value) {
    return static_cast<std::int32_t>(
        std::clamp<double>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

Pages PagesOf(frmMain& form, const Cell& cell) {
    return {std::max(Count(ColumnsThatFit(form.window.ScaleWidth(), cell, form.HasRuby)), 1),
            std::max(Count(CellsThatFit(form.window.ScaleHeight(), cell)), 1)};
}

// The last first column or cell that still fills a page.
std::int32_t LastFirst(double count, std::int32_t page) {
    return std::max(Count(count) - page, 0);
}

void Clamp(frmMain& form, const Pages& pages) {
    form.FirstColumn = std::clamp(form.FirstColumn, 0, LastFirst(form.BreakCount, pages.columns));
    form.FirstCell = std::clamp(form.FirstCell, 0, LastFirst(form.LongestRun, pages.cells));
}

platform::ScrollBarState BarState(double count, std::int32_t page, std::int32_t position) {
    if (Count(count) <= page) {
        return {};
    }
    return {true, Count(count) - 1, page, position};
}

std::int32_t Moved(std::int32_t first, const ScrollMove& move, std::int32_t page,
                   std::int32_t last) {
    const auto by = [first](std::int64_t distance) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(
            first + distance, 0, std::numeric_limits<std::int32_t>::max()));
    };
    switch (move.kind) {
        case Kind::Steps:
            return by(move.count);
        case Kind::Pages:
            return by(std::int64_t{move.count} * page);
        case Kind::Start:
            return 0;
        case Kind::End:
            return last;
        case Kind::Thumb:
            // The column bar runs from the right, where the text begins.
            return move.axis == Axis::Columns ? last - move.count : move.count;
    }
    return first;
}

void HideScrollBars(frmMain& form) {
    form.window.SetScrollBar(ScrollBar::Horizontal, {});
    form.window.SetScrollBar(ScrollBar::Vertical, {});
}

// Where the unit at the top of the first column on screen starts in the
// text, or the column's end below its last one.
std::size_t FirstShownCharacter(const frmMain& form, UnitReader& reader) {
    const auto column = static_cast<std::size_t>(form.FirstColumn);
    std::size_t first = ColumnEnd(form, column);
    ForEachUnit(form, reader, column, [&](const Unit& unit, std::size_t cell) {
        if (cell + unit.cells <= static_cast<std::size_t>(form.FirstCell)) {
            return true;
        }
        first = unit.from.at;
        return false;
    });
    return first;
}

// The scroll position that shows this place of the text first.
void ScrollToCharacter(frmMain& form, UnitReader& reader, std::size_t at) {
    const std::vector<ReadPoint>& starts = form.ColumnStarts;
    const auto column = static_cast<std::size_t>(
        std::ranges::upper_bound(starts, at, {}, &ReadPoint::at) - starts.begin() - 1);
    std::size_t first = 0;
    ForEachUnit(form, reader, column, [&](const Unit& unit, std::size_t cell) {
        first = cell;
        return unit.to.at <= at;
    });
    form.FirstColumn = Count(static_cast<double>(column));
    form.FirstCell = Count(static_cast<double>(first));
}

// Lays the text out again, in the variable mode fitting the window as a
// showing click does, with this place of it first on screen.
void LayOutFrom(frmMain& form, const Cell& cell, std::size_t first, bool fit) {
    HideScrollBars(form);
    if (fit) {
        FitFrame(form, cell);
    } else {
        LayOutForClient(form, cell);
    }
    UnitReader reader = ReaderOf(form, cell);
    ScrollToCharacter(form, reader, first);
}

// Runs a step of a view on display in the font it is shown in, then shows
// the bars and draws what the window shows.
template <typename Step>
void InShownFont(frmMain& form, Step step) {
    if (form.BreakCount == 0) {
        return;  // nothing on display
    }
    ViewFonts fonts(form.window, form.ShownFontName, form.ShownFontSize);
    const Cell cell = MeasureCell(fonts, form.window, form.Ruby);
    step(cell);
    ShowScrollBars(form, cell);
    DrawVertical(form, cell, fonts);
    fonts.Release();
}

}  // namespace

void ScrollToStart(frmMain& form) {
    form.FirstColumn = 0;
    form.FirstCell = 0;
    HideScrollBars(form);
}

void ShowScrollBars(frmMain& form, const Cell& cell) {
    platform::Window& window = form.window;
    Pages pages = PagesOf(form, cell);
    // A bar that comes or goes changes the room for the text, which can
    // call for the other bar; two rounds settle it, a third confirms.
    for (int round = 0; round < 3; ++round) {
        Clamp(form, pages);
        window.SetScrollBar(ScrollBar::Horizontal,
                            BarState(form.BreakCount, pages.columns,
                                     LastFirst(form.BreakCount, pages.columns) - form.FirstColumn));
        window.SetScrollBar(ScrollBar::Vertical,
                            BarState(form.LongestRun, pages.cells, form.FirstCell));
        const Pages now = PagesOf(form, cell);
        if (now == pages) {
            break;
        }
        pages = now;
    }
}

void ScrollView(frmMain& form, const ScrollMove& move) {
    InShownFont(form, [&](const Cell& cell) {
        const Pages pages = PagesOf(form, cell);
        if (move.axis == Axis::Columns) {
            form.FirstColumn = Moved(form.FirstColumn, move, pages.columns,
                                     LastFirst(form.BreakCount, pages.columns));
        } else {
            form.FirstCell =
                Moved(form.FirstCell, move, pages.cells, LastFirst(form.LongestRun, pages.cells));
        }
    });
}

void LayOutAgain(frmMain& form, bool fit) {
    InShownFont(form, [&](const Cell& cell) {
        UnitReader before = ReaderOf(form, cell);
        LayOutFrom(form, cell, FirstShownCharacter(form, before), fit);
    });
}

void LayOutInChosenFont(frmMain& form) {
    if (form.BreakCount == 0) {
        return;  // nothing on display; the next showing click takes the font
    }
    std::size_t first = 0;
    {
        // Where the text stands is read in the font it is shown in.
        ViewFonts shown(form.window, form.ShownFontName, form.ShownFontSize);
        const Cell cell = MeasureCell(shown, form.window, false);
        UnitReader reader = ReaderOf(form, cell);
        first = FirstShownCharacter(form, reader);
        shown.Release();
    }
    form.ShownFontName = form.CurFontName;
    form.ShownFontSize = form.CurFontSize;
    InShownFont(form,
                [&](const Cell& cell) { LayOutFrom(form, cell, first, form.FrameMode != 0.0F); });
}

}  // namespace ruvo
