#pragma once

#include <cstdint>

#include "app/frmMain.h"
#include "view/Layout.h"

namespace ruvo {

// A move through the text on display: along the columns or down them, by
// steps or pages (forward is positive), to either end, or to where the
// user dragged a scroll bar's thumb.
struct ScrollMove {
    enum class Axis { Columns, Cells };
    enum class Kind { Steps, Pages, Start, End, Thumb };

    Axis axis = Axis::Columns;
    Kind kind = Kind::Steps;
    std::int32_t count = 0;  // steps, pages or the thumb's position
};

// Back to the first column and the top, with both scroll bars hidden, as a
// showing click starts.
void ScrollToStart(frmMain& form);
// Keeps the scroll position within the text and shows a scroll bar for
// each direction in which the text does not fit the client area.
void ShowScrollBars(frmMain& form, const Cell& cell);
// Moves and draws again what can be seen, in the font the text is shown in.
void ScrollView(frmMain& form, const ScrollMove& move);
// Lays the text out again for the window, keeping the first character on
// screen in view; `fit` sizes the window to it as a showing click does.
void LayOutAgain(frmMain& form, bool fit);
// As a fitting LayOutAgain in the variable mode, but in the font now chosen.
void LayOutInChosenFont(frmMain& form);

}  // namespace ruvo
