#include "app/frmMain.h"

namespace ruvo {

// Each click alternates between the clipboard's text and an empty view.
void frmMain::Form_Click() {
    if (ClipShown != 0) {
        DispText = u"";
        ShowVertical();
        ClipShown = 0;
    } else {
        DispText = clipboard.GetText();
        ShowVertical();
        ClipShown = 1;
    }
}

}  // namespace ruvo
