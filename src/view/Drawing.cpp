#include "view/Drawing.h"

#include <string>
#include <string_view>

#include "platform/Convert.h"
#include "typeset/Characters.h"

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
    const auto first = static_cast<std::size_t>(form.FirstColumn);
    for (std::size_t column = 0; first + column < form.ColumnStarts.size(); ++column) {
        const double X = ColumnX(width, cell, column);
        if (X <= 0) {
            break;  // this column and all after it lie beyond the left edge
        }
        const std::size_t end = ColumnEnd(form, first + column);
        std::size_t at = CellStart(form, first + column, static_cast<std::size_t>(form.FirstCell));
        for (std::size_t row = 0; at < end && !IsLineBreak(text[at]) && CellY(cell, row) < height;
             ++row) {
            const std::size_t length = CharacterLength(text, at);
            window.SetCurrentX(ToSingle(X));
            window.SetCurrentY(ToSingle(CellY(cell, row)));
            window.Print(Drawable(text.substr(at, length), scratch));
            at += length;
        }
    }
}

}  // namespace ruvo
