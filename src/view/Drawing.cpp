#include "view/Drawing.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "platform/Convert.h"
#include "typeset/Characters.h"

namespace ruvo {

namespace {

constexpr std::u16string_view kSesameDot = u"﹅";

// Draws the units of one column at a time, each in its font: the base text
// in the vertical font, ruby and emphasis dots in the half-size one in the
// gap right of the column, tate-chu-yoko upright across it.
class ColumnPainter {
  public:
    ColumnPainter(frmMain& form, const Cell& cell, ViewFonts& fonts, double height)
        : form_(form), window_(form.window), cell_(cell), fonts_(fonts), height_(height) {}

    void StartColumn() { rubyEnd_ = -std::numeric_limits<double>::infinity(); }

    // Draws a unit that starts `row` cells below the top of the client area
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
                Print(x,
                      Y(row) + (static_cast<double>(unit.cells) - unit.advance) * cell_.CharW / 2,
                      Part(unit.text), row + static_cast<double>(unit.cells) > 0);
                break;
            case Unit::Kind::Ruby:
                Ruby(x, row, unit);
                break;
        }
    }

  private:
    double Y(double row) const { return cell_.CharH + row * cell_.CharW; }
    std::u16string_view Part(Span span) const {
        return DisplayText(form_).substr(span.start, span.end - span.start);
    }

    void Print(double x, double y, std::u16string_view text, bool shown) {
        if (!shown) {
            return;
        }
        window_.SetCurrentX(ToSingle(x));
        window_.SetCurrentY(ToSingle(y));
        window_.Print(Drawable(text, scratch_));
    }
    // A character of the base text, where its cell shows.
    void Text(double x, double y, Span span) {
        fonts_.Use(ViewFonts::Kind::Vertical);
        Print(x, y, Part(span), y >= cell_.CharH && y < height_);
    }

    void Dot(double x, double row) {
        fonts_.Use(ViewFonts::Kind::Ruby);
        Print(x + cell_.rubyH, Y(row) + (cell_.CharW - cell_.rubyW) / 2, kSesameDot, row >= 0);
    }

    // The group across the column, centred in its cell, narrowed where it is
    // wider than the column.
    void Upright(double x, double row, Span span) {
        const std::u16string_view group = Part(span);
        fonts_.Use(ViewFonts::Kind::Upright);
        double width = window_.TextWidth(group);
        if (width > cell_.CharH) {
            // A font's characters widen in step with the width asked of it.
            fonts_.Use(ViewFonts::Kind::Upright, fonts_.Em());
            const double wide = window_.TextWidth(group);
            if (wide > 0) {
                fonts_.Use(
                    ViewFonts::Kind::Upright,
                    std::max(ToInt32(static_cast<double>(fonts_.Em()) * cell_.CharH / wide), 1));
                width = window_.TextWidth(group);
            }
        }
        const double height = window_.TextHeight(group);
        Print(x - (cell_.CharH + width) / 2, Y(row) + (cell_.CharW - height) / 2, group, row >= 0);
    }

    // The base a cell at a time, the ruby along it, centred on it, but never
    // above the column's top nor over the ruby before it; ruby is drawn only
    // where some of its base shows, and only what of it shows.
    void Ruby(double x, double row, const Unit& unit) {
        const std::u16string_view text = DisplayText(form_);
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
        fonts_.Use(ViewFonts::Kind::Ruby);
        std::size_t count = 0;
        for (std::size_t at = unit.ruby.start; at < unit.ruby.end;
             at += CharacterLength(text, at)) {
            ++count;
        }
        const double columnTop = Y(-form_.FirstCell);
        double y =
            std::max({Y(row) + (cells * cell_.CharW - static_cast<double>(count) * cell_.rubyW) / 2,
                      columnTop, rubyEnd_});
        for (std::size_t at = unit.ruby.start; at < unit.ruby.end && y < height_;
             y += cell_.rubyW) {
            const std::size_t end = at + CharacterLength(text, at);
            Print(x + cell_.rubyH, y, Part({at, end}), y + cell_.rubyW > 0);
            at = end;
        }
        rubyEnd_ = y;
    }

    frmMain& form_;
    platform::Window& window_;
    const Cell& cell_;
    ViewFonts& fonts_;
    double height_;       // of the client area
    double rubyEnd_ = 0;  // where the column's last ruby ends
    std::u16string scratch_;
};

}  // namespace

void DrawVertical(frmMain& form, const Cell& cell, ViewFonts& fonts) {
    platform::Window& window = form.window;
    window.Cls();
    if (form.BreakCount == 0) {
        window.SetCurrentX(cell.CharW);
        window.SetCurrentY(cell.CharH);
        window.Print(u"");
        return;
    }

    const float width = window.ScaleWidth();
    const float height = window.ScaleHeight();
    UnitReader reader = ReaderOf(form, cell);
    ColumnPainter painter(form, cell, fonts, height);
    const auto first = static_cast<std::size_t>(form.FirstColumn);
    for (std::size_t column = 0; first + column < form.ColumnStarts.size(); ++column) {
        const double x = ColumnX(form, width, cell, column);
        if (x <= 0) {
            break;  // this column and all after it lie beyond the left edge
        }
        painter.StartColumn();
        ForEachUnit(form, reader, first + column, [&](const Unit& unit, std::size_t at) {
            const double row = static_cast<double>(at) - form.FirstCell;
            if (cell.CharH + row * cell.CharW >= height) {
                return false;  // below the bottom edge
            }
            painter.Draw(unit, x, row);
            // Half-width runs are measured in the vertical font.
            fonts.Use(ViewFonts::Kind::Vertical);
            return true;
        });
    }
}

}  // namespace ruvo
