#include "view/Drawing.h"

#include <string>
#include <string_view>

#include "app/Characters.h"
#include "platform/Convert.h"

namespace ruvo {

namespace {

bool EndsLine(std::u16string_view text, std::size_t at) {
    return at >= text.size() || IsLineBreak(text[at]);
}

}  // namespace

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
    for (std::size_t column = 0; first + column < form.LineStarts.size(); ++column) {
        const double X = ColumnX(width, cell, column);
        if (X <= 0) {
            break;  // this column and all after it lie beyond the left edge
        }
        std::size_t at = form.LineStarts[first + column];
        for (std::int32_t skipped = 0; skipped < form.FirstCell && !EndsLine(text, at); ++skipped) {
            at += CharacterLength(text, at);
        }
        for (std::size_t row = 0; !EndsLine(text, at) && CellY(cell, row) < height; ++row) {
            const std::size_t length = CharacterLength(text, at);
            window.SetCurrentX(ToSingle(X));
            window.SetCurrentY(ToSingle(CellY(cell, row)));
            window.Print(Drawable(text.substr(at, length), scratch));
            at += length;
        }
    }
}

}  // namespace ruvo
