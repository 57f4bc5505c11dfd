#include "view/Layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "platform/Convert.h"
#include "typeset/Characters.h"
#include "typeset/Columns.h"

namespace ruvo {

namespace {

using platform::ScrollBar;

constexpr char16_t kIdeographicSpace = u'\u3000';
// A full-width character: its extent is the size of one cell of a column.
constexpr std::u16string_view kMeasuringCharacter = u"あ";

// Spare room left of the last column and below the longest one, in cells.
constexpr double kMargin = 0.25;
constexpr double kColumnPitch = 1.5;

bool IsOneCharacter(std::u16string_view text) {
    return !text.empty() && CharacterLength(text, 0) == text.size();
}

// Room right of the first column: ruby stands there, whole, with a margin
// as the text has one in its own size.
double RightMargin(const Cell& cell, bool ruby) {
    return ruby ? cell.rubyH + kMargin * cell.rubyW : kMargin * cell.CharW;
}

// The client area that holds every cell of the text with the margins.
double FittedClientWidth(double columns, const Cell& cell, bool ruby) {
    return RightMargin(cell, ruby) + (columns - 1) * kColumnPitch * cell.CharW + cell.CharH +
           kMargin * cell.CharW;
}
double FittedClientHeight(double cells, const Cell& cell) {
    return cell.CharH + cells * cell.CharW + kMargin * cell.CharW;
}

// An outer size for a client size: whole pixels, rounded up so that the
// platform's rounding cannot cut the margin; within the room the work area
// leaves, but never smaller than one cell.
float OuterSize(double client, double smallestClient, float frame, float room, float pixel) {
    const auto outer = [&](double inside) {
        return Finite(std::ceil(Divide(inside, pixel)) * pixel + frame);
    };
    return ToSingle(std::min(outer(client), std::max<double>(room, outer(smallestClient))));
}

// Which scroll bars the columns need.
struct Bars {
    bool horizontal = false;
    bool vertical = false;
};

// Columns of `length` cells, or one a line for 0; false when there are
// more than `most` and the layout stopped there.
bool LayOut(frmMain& form, const Advance& advance, std::size_t length,
            std::size_t most = SIZE_MAX) {
    Columns columns = LayOutColumns(DisplayText(form), length, form.Ruby, advance, most);
    form.ColumnStarts = std::move(columns.starts);
    form.BreakCount = static_cast<double>(form.ColumnStarts.size());
    form.LongestRun = static_cast<double>(columns.longest);
    form.HasRuby = columns.annotated;
    form.ShownRuby = form.Ruby;
    return form.ColumnStarts.size() <= most;
}

// The column length for a client area of this height: the cells it shows,
// at least one; none without wrapping.
std::size_t ColumnLength(const frmMain& form, double height, const Cell& cell) {
    if (!form.Wrapping) {
        return 0;
    }
    const double cells =
        std::clamp<double>(CellsThatFit(height, cell), 1, std::numeric_limits<std::int32_t>::max());
    return static_cast<std::size_t>(cells);
}

// Lays out for a client area of this size, bars hidden: a horizontal bar
// that the columns need takes its height from the column length.
Bars LayOutFor(frmMain& form, const Cell& cell, double width, double height) {
    platform::Window& window = form.window;
    const double barHeight = window.ScrollBarBreadth(ScrollBar::Horizontal);
    const std::size_t length = ColumnLength(form, height, cell);
    const std::size_t shorter = ColumnLength(form, height - barHeight, cell);
    // More columns than the width shows call for the bar, which shortens
    // them: a long text is laid out whole only once, for the bar.
    const auto fit = static_cast<std::size_t>(std::max(ColumnsThatFit(width, cell, false), 0.0));
    const bool whole = LayOut(form, cell.halfWidth, length, length == shorter ? SIZE_MAX : fit);
    Bars bars;
    bars.vertical = form.LongestRun > CellsThatFit(height, cell);
    const double shown = width - (bars.vertical ? window.ScrollBarBreadth(ScrollBar::Vertical) : 0);
    bars.horizontal = !whole || form.BreakCount > ColumnsThatFit(shown, cell, form.HasRuby);
    if (bars.horizontal && shorter != length) {
        LayOut(form, cell.halfWidth, shorter);
    }
    return bars;
}

// Half-width text is the code units below U+0250; NaN is not yet measured.
Advance HalfWidthAdvance(platform::Window& window, float charW) {
    auto measured = std::make_shared<std::array<double, 0x250>>();
    measured->fill(std::numeric_limits<double>::quiet_NaN());
    return [&window, charW, measured](char16_t c) {
        double& advance = measured->at(c);
        if (std::isnan(advance)) {
            advance = window.TextWidth(std::u16string_view(&c, 1)) / charW;
        }
        return advance;
    };
}

}  // namespace

Cell MeasureCell(ViewFonts& fonts, platform::Window& window, bool notation) {
    // A font that measures nothing still moves a pixel from cell to cell,
    // so that the drawing leaves the window after what fits.
    const float pixel = window.TwipsPerPixelX();
    const auto measure = [&](ViewFonts::Kind kind, float& width, float& height) {
        fonts.Use(kind);
        width = std::max(window.TextWidth(kMeasuringCharacter), pixel);
        height = std::max(window.TextHeight(kMeasuringCharacter), pixel);
    };
    Cell cell;
    measure(ViewFonts::Kind::Vertical, cell.CharW, cell.CharH);
    if (notation) {
        measure(ViewFonts::Kind::Ruby, cell.rubyW, cell.rubyH);
        fonts.Use(ViewFonts::Kind::Vertical);
    }
    cell.halfWidth = HalfWidthAdvance(window, cell.CharW);
    return cell;
}

std::u16string_view DisplayText(const frmMain& form) {
    return form.DispText ? std::u16string_view(*form.DispText) : std::u16string_view();
}

void ExtendOneCharacter(frmMain& form) {
    if (form.DispText && IsOneCharacter(*form.DispText)) {
        *form.DispText += kIdeographicSpace;
    }
}

std::size_t ColumnEnd(const frmMain& form, std::size_t column) {
    return column + 1 < form.ColumnStarts.size() ? form.ColumnStarts[column + 1].at
                                                 : DisplayText(form).size();
}

UnitReader ReaderOf(const frmMain& form, const Cell& cell) {
    return UnitReader(DisplayText(form), form.ShownRuby, cell.halfWidth);
}

double ColumnX(const frmMain& form, float clientWidth, const Cell& cell, std::size_t column) {
    return clientWidth - RightMargin(cell, form.HasRuby) -
           static_cast<double>(column) * kColumnPitch * cell.CharW;
}

double CellY(const Cell& cell, std::size_t row) {
    return cell.CharH + static_cast<double>(row) * cell.CharW;
}

double ColumnsThatFit(double clientWidth, const Cell& cell, bool ruby) {
    return std::floor((clientWidth - FittedClientWidth(1, cell, ruby)) /
                      (kColumnPitch * cell.CharW)) +
           1;
}

double CellsThatFit(double clientHeight, const Cell& cell) {
    return std::floor((clientHeight - FittedClientHeight(0, cell)) / cell.CharW);
}

void LayOutForClient(frmMain& form, const Cell& cell) {
    LayOutFor(form, cell, form.window.ScaleWidth(), form.window.ScaleHeight());
}

void FitFrame(frmMain& form, const Cell& cell) {
    platform::Window& window = form.window;
    if (form.FrameMode == 0.0F) {
        // The size the user gave the window stands, for a click as for 自動更新.
        LayOutForClient(form, cell);
        return;
    }
    // Narrower, the window would wrap its menu bar and so change its frame.
    const float smallest = window.SmallestWidth();
    if (window.Width() < smallest) {
        window.SetWidth(smallest);
    }
    const float frameWidth = window.Width() - window.ScaleWidth();
    const float frameHeight = window.Height() - window.ScaleHeight();
    const Bars bars = LayOutFor(form, cell, window.AvailableWidth() - frameWidth,
                                window.AvailableHeight() - frameHeight);
    const auto room = [&](bool shown, ScrollBar bar) {
        return shown ? window.ScrollBarBreadth(bar) : 0.0F;
    };
    const float pixel = window.TwipsPerPixelX();
    window.SetWidth(std::max(OuterSize(FittedClientWidth(form.BreakCount, cell, form.HasRuby) +
                                           room(bars.vertical, ScrollBar::Vertical),
                                       FittedClientWidth(1, cell, form.HasRuby), frameWidth,
                                       window.AvailableWidth(), pixel),
                             smallest));
    window.SetHeight(OuterSize(
        FittedClientHeight(form.LongestRun, cell) + room(bars.horizontal, ScrollBar::Horizontal),
        FittedClientHeight(1, cell), window.Height() - window.ScaleHeight(),
        window.AvailableHeight(), pixel));
}

}  // namespace ruvo
