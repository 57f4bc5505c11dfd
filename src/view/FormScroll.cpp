#include "app/frmMain.h"
#include "view/Scrolling.h"

namespace ruvo {

namespace {

using platform::Key;
using platform::ScrollRequest;
using Axis = ScrollMove::Axis;
using Kind = ScrollMove::Kind;

}  // namespace

// Forward is on through the text: leftwards along the columns, down a column.
// F5 shows the clipboard's text whatever is on display, Esc clears what is,
// and Ctrl with +, - and 0 sizes the text.
void frmMain::Form_KeyDown(Key key) {
    switch (key) {
        case Key::F5:
            return ShowClipboardText();
        case Key::Escape:
            if (ClipShown != 0) {
                ClearView();
            }
            return;
        case Key::CtrlPlus:
            return StepFontSize(1);
        case Key::CtrlMinus:
            return StepFontSize(-1);
        case Key::CtrlZero:
            return ResetFontSize();
        case Key::Left:
            return ScrollView(*this, {Axis::Columns, Kind::Steps, 1});
        case Key::Right:
            return ScrollView(*this, {Axis::Columns, Kind::Steps, -1});
        case Key::PageDown:
            return ScrollView(*this, {Axis::Columns, Kind::Pages, 1});
        case Key::PageUp:
            return ScrollView(*this, {Axis::Columns, Kind::Pages, -1});
        case Key::Home:
            return ScrollView(*this, {Axis::Columns, Kind::Start});
        case Key::End:
            return ScrollView(*this, {Axis::Columns, Kind::End});
        case Key::Up:
            return ScrollView(*this, {Axis::Cells, Kind::Steps, -1});
        case Key::Down:
            return ScrollView(*this, {Axis::Cells, Kind::Steps, 1});
    }
}

// A notch towards the user, or a tilt to the left, goes forward; with Ctrl
// a notch away from the user is a size larger.
void frmMain::Form_MouseWheel(platform::Wheel wheel, std::int32_t notches) {
    if (wheel == platform::Wheel::VerticalWithCtrl) {
        return StepFontSize(notches);
    }
    const Axis axis = wheel == platform::Wheel::VerticalWithShift ? Axis::Cells : Axis::Columns;
    ScrollView(*this, {axis, Kind::Steps, -notches});
}

// The column bar runs from the right, where the text begins, so its "less"
// end is the last column.
void frmMain::Form_Scroll(platform::ScrollBar bar, ScrollRequest request, std::int32_t position) {
    const bool columns = bar == platform::ScrollBar::Horizontal;
    const Axis axis = columns ? Axis::Columns : Axis::Cells;
    const std::int32_t forward = columns ? -1 : 1;  // bar steps in reading order
    switch (request) {
        case ScrollRequest::LineLess:
            return ScrollView(*this, {axis, Kind::Steps, -forward});
        case ScrollRequest::LineMore:
            return ScrollView(*this, {axis, Kind::Steps, forward});
        case ScrollRequest::PageLess:
            return ScrollView(*this, {axis, Kind::Pages, -forward});
        case ScrollRequest::PageMore:
            return ScrollView(*this, {axis, Kind::Pages, forward});
        case ScrollRequest::ToMinimum:
            return ScrollView(*this, {axis, columns ? Kind::End : Kind::Start});
        case ScrollRequest::ToMaximum:
            return ScrollView(*this, {axis, columns ? Kind::Start : Kind::End});
        case ScrollRequest::ToPosition:
            return ScrollView(*this, {axis, Kind::Thumb, position});
    }
}

}  // namespace ruvo
