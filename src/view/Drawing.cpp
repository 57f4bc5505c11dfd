#include "view/Drawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "app/Convert.h"
#include "view/Characters.h"
#include "view/Layout.h"

namespace ruvo {

namespace {

constexpr std::u16string_view kLineBreaks = u"\r\n";

// The client area, for deciding what can be seen. A character drawn at
// (X, Y) fills roughly X - cell..X across and Y..Y + cell down; a further
// cell of margin on every side allows for glyphs wider than the measure.
class ClientArea {
  public:
    ClientArea(float width, float height, float CharW, float CharH)
        : width_(width), height_(height), cell_(std::max(std::fabs(CharW), std::fabs(CharH))) {}

    bool ColumnHidden(float X) const { return X + cell_ < 0 || X - 2 * cell_ > width_; }
    // Every column starts within a cell of the top, so a character out of
    // sight above or below stays so for the rest of its column: the step
    // down a column keeps one direction.
    bool RestOfColumnHidden(float Y, double stepY) const {
        return (Y - cell_ > height_ && stepY >= 0) || (Y + 2 * cell_ < 0 && stepY <= 0);
    }
    // Columns only move left, so none after this one can be seen.
    bool PastLeftEdge(float X, float CharW) const { return CharW > 0 && X + cell_ < 0; }

  private:
    float width_;
    float height_;
    float cell_;
};

// Right edge of the column at ColumnPos, in half columns from the first.
float ColumnX(frmMain& form, float CharW) {
    const double W = form.window.Width();
    return ToSingle((W - 3.0 * CharW / 4.0) - (form.ColumnPos / 2.0) * CharW * 1.5);
}

}  // namespace

void DrawVertical(frmMain& form, float CharW, float CharH) {
    platform::Window& window = form.window;
    form.ColumnPos = 0;
    window.Cls();
    if (form.BreakCount == 0) {
        window.SetCurrentX(CharW);
        window.SetCurrentY(CharH);
        window.Print(u"");
        return;
    }

    const std::u16string_view text = DisplayText(form);
    const ClientArea area(window.ScaleWidth(), window.ScaleHeight(), CharW, CharH);
    const double stepY = static_cast<double>(CharH) * form.CurFontSize / 10.0;
    std::u16string scratch;
    float X = ColumnX(form, CharW);
    float Y = CharH;
    std::size_t at = 0;
    while (at < text.size() && !area.PastLeftEdge(X, CharW)) {
        std::size_t length = 1;
        if (area.ColumnHidden(X) || area.RestOfColumnHidden(Y, stepY)) {
            // Nothing more of this column shows: go straight to its line break,
            // which is hidden as well.
            at = text.find_first_of(kLineBreaks, at);
            if (at == std::u16string_view::npos) {
                break;
            }
        } else {
            length = CharacterLength(text, at);
            window.SetCurrentX(X);
            window.SetCurrentY(Y);
            window.Print(Drawable(text.substr(at, length), scratch));
        }
        if (IsLineBreak(text[at])) {
            form.ColumnPos += 1;
            X = ColumnX(form, CharW);
            Y = CharH;
        } else {
            Y = ToSingle(Y + stepY);
        }
        at += length;
    }
}

}  // namespace ruvo
