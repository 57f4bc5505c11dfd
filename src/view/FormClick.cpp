#include <exception>
#include <string>
#include <utility>

#include "app/frmMain.h"

namespace ruvo {

// Each click alternates between the clipboard's text and an empty view.
void frmMain::Form_Click() {
    if (ClipShown != 0) {
        ClearView();
    } else {
        ShowClipboardText();
    }
}

void frmMain::ShowClipboardText() {
    DispText = clipboard.GetText();
    ShowVertical();
    ClipShown = 1;
}

void frmMain::ClearView() {
    DispText = u"";
    ShowVertical();
    ClipShown = 0;
}

// With 自動更新 a newly copied text takes the place of the one on display,
// as a showing click would; a cleared view stays cleared until a click. The
// user did nothing, so a clipboard that cannot be read now (busy, or too
// large) waits for its next change, and one without text, or with the empty
// text, leaves the text being read where it is.
void frmMain::Form_ClipboardChange() {
    if (!AutoUpdate || ClipShown == 0) {
        return;
    }
    std::u16string text;
    try {
        text = clipboard.GetText();
    } catch (const std::exception&) {
        return;  // nothing to report: the next change is read again
    }
    if (!text.empty()) {
        DispText = std::move(text);
        ShowVertical();
    }
}

}  // namespace ruvo
