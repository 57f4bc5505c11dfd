#include "app/frmMain.h"

namespace ruvo {

void frmMain::Hkahen_Click() {
    window.SetMenuChecked(platform::MenuItem::Hkahen, true);
    window.SetMenuChecked(platform::MenuItem::Hkotei, false);
    FrameMode = 1.0F;
}

void frmMain::Hkotei_Click() {
    window.SetMenuChecked(platform::MenuItem::Hkahen, false);
    window.SetMenuChecked(platform::MenuItem::Hkotei, true);
    FrameMode = 0.0F;
}

// Takes effect with the next change of the clipboard; the next settings
// write stores it.
void frmMain::Hjido_Click() {
    AutoUpdate = !AutoUpdate;
    window.SetMenuChecked(platform::MenuItem::Hjido, AutoUpdate);
}

void frmMain::Hend_Click() {
    window.End();
}

void frmMain::Menu_Click(platform::MenuItem item) {
    switch (item) {
        case platform::MenuItem::Hfont:
            Hfont_Click();
            break;
        case platform::MenuItem::Hkotei:
            Hkotei_Click();
            break;
        case platform::MenuItem::Hkahen:
            Hkahen_Click();
            break;
        case platform::MenuItem::Horikaeshi:
            Horikaeshi_Click();
            break;
        case platform::MenuItem::Hrubi:
            Hrubi_Click();
            break;
        case platform::MenuItem::Hjido:
            Hjido_Click();
            break;
        case platform::MenuItem::Hhelp:
            Hhelp_Click();
            break;
        case platform::MenuItem::Hend:
            Hend_Click();
            break;
        default:
            break;  // drop-downs and separators carry no command
    }
}

}  // namespace ruvo
