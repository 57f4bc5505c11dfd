#include "doubles/Seen.h"

#include <algorithm>
#include <utility>

namespace ruvo::test {

char16_t Named(int line, int row) {
    return static_cast<char16_t>(0x4E00 + line * 100 + row);
}

std::u16string Grid(int lines, int length) {
    std::u16string text;
    for (int line = 0; line < lines; ++line) {
        for (int row = 0; row < length; ++row) {
            text += Named(line, row);
        }
        text += u"\r\n";
    }
    return text;
}

std::string Seen(FakeWindow& window, std::size_t outputs) {
    const std::vector<FakeSurface::Output>& drawn = window.surface.outputs;
    std::string seen = Num(window.width) + "x" + Num(window.height);
    for (std::size_t i = 0; i < std::min(outputs, drawn.size()); ++i) {
        seen += " " + Utf8(drawn[i].text) + (drawn[i].upright ? "^" : "") + "@" + Num(drawn[i].x) +
                "," + Num(drawn[i].y);
    }
    return seen + BarsSeen(window);
}

std::string ColumnsSeen(FakeWindow& window) {
    const std::vector<FakeSurface::Output>& drawn = window.surface.outputs;
    std::string seen = Num(window.width) + "x" + Num(window.height);
    for (std::size_t i = 0, cells = 1; i < drawn.size(); ++i, ++cells) {
        if (i + 1 == drawn.size() || drawn[i + 1].x != drawn[i].x) {
            seen += " " + std::to_string(std::exchange(cells, 0));
        }
    }
    return seen + BarsSeen(window);
}

std::string BarsSeen(FakeWindow& window) {
    std::string bars;
    for (const auto& [bar, state] : window.scrollBars) {
        if (state.visible) {
            bars += Call(bar == platform::ScrollBar::Horizontal ? " H" : " V", state.maximum,
                         state.page, state.position);
        }
    }
    return bars;
}

}  // namespace ruvo::test
