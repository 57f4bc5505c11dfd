// The text on display laid out again: after the user's resize, and when
// wrapping or ruby is switched.
#include "app/frmMain.h"
#include "view/Scrolling.h"

namespace ruvo {

// Columns follow the window's height only while wrapping; otherwise the
// first column on screen just stays at the right edge and the bars follow.
void frmMain::Form_Resize() {
    if (Wrapping) {
        LayOutAgain(*this, false);
    } else {
        ScrollView(*this, {});
    }
}

// Takes effect at once; the next settings write stores it. The variable
// mode fits the window to the new columns.
void frmMain::Horikaeshi_Click() {
    Wrapping = !Wrapping;
    window.SetMenuChecked(platform::MenuItem::Horikaeshi, Wrapping);
    LayOutAgain(*this, FrameMode != 0.0F);
}

// As wrapping: the notation and the ruby take other room.
void frmMain::Hrubi_Click() {
    Ruby = !Ruby;
    window.SetMenuChecked(platform::MenuItem::Hrubi, Ruby);
    LayOutAgain(*this, FrameMode != 0.0F);
}

}  // namespace ruvo
