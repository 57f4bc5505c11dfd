#include "view/Drawing.h"

#include <string>
#include <string_view>

#include "app/Convert.h"
#include "view/Characters.h"

namespace ruvo {

void DrawVertical(frmMain& form, const Cell& cell) {
    platform::Window& window = form.window;
    window.Cls();
    if (form.BreakCount == 0) {
        window.SetCurrentX(cell.CharW);
        window.SetCurrentY(cell.CharH);
        window.Print(u"");
        return;
    }

    const std::u16string_view text = DisplayText(form);
    const float width = window.ScaleWidth();
    const float height = window.ScaleHeight();
    std::u16string scratch;
    for (std::size_t column = 0; column < form.LineStarts.size(); ++column) {
        const double X = ColumnX(width, cell, column);
        if (X <= 0) {
            break;  // this column and all after it lie beyond the left edge
        }
        std::size_t at = form.LineStarts[column];
        for (std::size_t row = 0; at < text.size() && !IsLineBreak(text[at]); ++row) {
            const double Y = CellY(cell, row);
            if (Y >= height) {
                break;
            }
            const std::size_t length = CharacterLength(text, at);
            window.SetCurrentX(ToSingle(X));
            window.SetCurrentY(ToSingle(Y));
            window.Print(Drawable(text.substr(at, length), scratch));
            at += length;
        }
    }
}

}  // namespace ruvo
