#include "view/Drawing.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/Convert.h"
#include "typeset/Characters.h"
#include "view/Sheets.h"
#include "view/Typesetting.h"

namespace ruvo {

namespace {

constexpr std::u16string_view kSesameDot = u"﹅";

// Draws the units of one column at a time, each in its font: the base text
// in the vertical font, ruby and emphasis dots in the half-size one in the
// gap right of the column, tate-chu-yoko upright across it.
class ColumnPainter {
  public:
    ColumnPainter(platform::Surface& surface, const ColumnsToDraw& shown, const Cell& cell,
                  const Placement& placement, const ViewFonts& fonts)
        : surface_(surface),
          shown_(shown),
          cell_(cell),
          placement_(placement),
          fonts_(fonts),
          height_(surface.Height()) {}

    void StartColumn() { rubyEnd_ = -std::numeric_limits<double>::infinity(); }

    // Draws a unit that starts `row` cells below the top of the surface
    // (less than 0: above it) in the column whose right edge is at `x`.
    void Draw(const Unit& unit, double x, double row) {
        switch (unit.kind) {
            case Unit::Kind::Character:
                Text(x, Y(row), unit.text);
                if (unit.dotted) {
                    Dot(x, row);
                }
                break;
            case Unit::Kind::Upright:
                Upright(x, row, unit.text);
                break;
            case Unit::Kind::Latin:
                // Centred along its cells, so that the column keeps its grid.
                Print(fonts_.text, x,
                      Y(row) + (static_cast<double>(unit.cells) - unit.advance) * cell_.advance / 2,
                      Part(unit.text), row + static_cast<double>(unit.cells) > 0);
                break;
            case Unit::Kind::Ruby:
                Ruby(x, row, unit);
                break;
            case Unit::Kind::Annotation:
                break;  // a note to the typesetter
        }
    }

  private:
    double Y(double row) const { return placement_.Top() + row * cell_.advance; }
    std::u16string_view Part(Span span) const {
        return shown_.text.substr(span.start, span.end - span.start);
    }

    void Print(const platform::Font& font, double x, double y, std::u16string_view text,
               bool shown) {
        if (shown) {
            surface_.Text(font, ToSingle(x), ToSingle(y), Drawable(text, scratch_));
        }
    }
    // A character of the base text, where its cell shows.
    void Text(double x, double y, Span span) {
        Print(fonts_.text, x, y, Part(span), y >= placement_.ClipTop() && y < height_);
    }

    void Dot(double x, double row) {
        Print(fonts_.ruby, x + cell_.rubyBreadth, Y(row) + (cell_.advance - cell_.rubyAdvance) / 2,
              kSesameDot, row >= 0);
    }

    // The group across the column, centred in its cell, narrowed where it is
    // wider than the column.
    void Upright(double x, double row, Span span) {
        const std::u16string_view group = Part(span);
        platform::Font font = fonts_.upright;
        platform::TextExtent extent = surface_.Measure(font, group);
        if (extent.advance > cell_.breadth) {
            // A font's characters widen in step with the width asked of it.
            font.width = 1;
            extent = surface_.Measure(font, group);
            if (extent.advance > 0) {
                font.width = cell_.breadth / extent.advance;
                extent = surface_.Measure(font, group);
            }
        }
        Print(font, x - (cell_.breadth + extent.advance) / 2,
              Y(row) + (cell_.advance - extent.height) / 2, group, row >= 0);
    }

    // The base a cell at a time, the ruby along it, centred on it, but never
    // above the column's top nor over the ruby before it; ruby is drawn only
    // where some of its base shows, and only what of it shows.
    void Ruby(double x, double row, const Unit& unit) {
        const std::u16string_view text = shown_.text;
        double baseRow = row;
        for (std::size_t at = unit.text.start; at < unit.text.end; baseRow += 1) {
            const std::size_t end = at + CharacterLength(text, at);
            Text(x, Y(baseRow), {at, end});
            at = end;
        }
        const double cells = static_cast<double>(unit.cells);
        if (row + cells <= 0) {
            return;
        }
        std::size_t count = 0;
        for (std::size_t at = unit.ruby.start; at < unit.ruby.end;
             at += CharacterLength(text, at)) {
            ++count;
        }
        const double columnTop = Y(-static_cast<double>(shown_.firstCell));
        double y = std::max(
            {Y(row) + (cells * cell_.advance - static_cast<double>(count) * cell_.rubyAdvance) / 2,
             columnTop, rubyEnd_});
        for (std::size_t at = unit.ruby.start; at < unit.ruby.end && y < height_;
             y += cell_.rubyAdvance) {
            const std::size_t end = at + CharacterLength(text, at);
            Print(fonts_.ruby, x + cell_.rubyBreadth, y, Part({at, end}),
                  y + cell_.rubyAdvance > 0);
            at = end;
        }
        rubyEnd_ = y;
    }

    platform::Surface& surface_;
    const ColumnsToDraw& shown_;
    const Cell& cell_;
    const Placement& placement_;
    const ViewFonts& fonts_;
    double height_;       // of the surface
    double rubyEnd_ = 0;  // where the column's last ruby ends
    std::u16string scratch_;
};

}  // namespace

void DrawColumns(platform::Surface& surface, const ColumnsToDraw& shown, const Cell& cell) {
    surface.Clear();
    const Placement placement(cell, shown.columns.annotated, shown.typesetting.manuscript);
    const ViewFonts fonts = FontsFor(shown.typesetting.face, shown.typesetting.points);
    if (placement.Sheets()) {
        DrawSheets(surface, placement, cell, fonts, shown.columns.starts.size(),
                   shown.columns.cells, shown.firstColumn, shown.firstCell, shown.columnCount);
    }
    if (shown.columns.starts.empty()) {
        return;
    }
    const double width = surface.Width();
    const double height = surface.Height();
    // Columns stand where the placement puts them, the first on screen first.
    const double shift = placement.ColumnOffset(shown.firstColumn) - placement.ColumnOffset(0);
    UnitReader reader(shown.text, shown.typesetting.ruby, cell.halfWidth,
                      shown.columns.mayHoldAnnotations);
    ColumnPainter painter(surface, shown, cell, placement, fonts);
    for (std::size_t column = shown.firstColumn;
         column - shown.firstColumn < shown.columnCount && column < shown.columns.starts.size();
         ++column) {
        const double x = width + shift - placement.ColumnOffset(column);
        if (x <= 0) {
            break;  // this column and all after it lie beyond the left edge
        }
        painter.StartColumn();
        ForEachUnit(
            shown.text, shown.columns, reader, column, [&](const Unit& unit, std::size_t at) {
                const double row = static_cast<double>(at) - static_cast<double>(shown.firstCell);
                if (placement.Top() + row * cell.advance >= height ||
                    row >= static_cast<double>(shown.cellCount)) {
                    return false;  // below the bottom edge, or past the cells asked for
                }
                painter.Draw(unit, x, row);
                return true;
            });
    }
}

}  // namespace ruvo
