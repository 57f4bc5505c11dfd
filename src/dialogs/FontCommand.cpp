#include <exception>

#include "app/frmMain.h"
#include "platform/Convert.h"

namespace ruvo {

namespace {

// The chooser lists vertical faces under their "@" names; the stored face
// never carries it, since the renderer adds it when it makes the font.
std::u16string WithoutVerticalPrefix(std::u16string face) {
    if (!face.empty() && face.front() == u'@') {
        face.erase(0, 1);
    }
    return face;
}

}  // namespace

void frmMain::Hfont_Click() {
    CommonDialog1.SetCancelError(true);
    try {
        CommonDialog1.SetFlags(platform::kCfScreenFonts | platform::kCfPrinterFonts);
        CommonDialog1.SetFontName(CurFontName);
        CommonDialog1.SetFontSize(static_cast<float>(CurFontSize));
        CommonDialog1.SetFontBold(BoldFlag != 0);
        CommonDialog1.SetFontItalic(ItalicFlag != 0);
        CommonDialog1.ShowFont();
        CurFontName = WithoutVerticalPrefix(CommonDialog1.FontName());
        CurFontSize = ToInt32(CommonDialog1.FontSize());
        WriteSettings();
    } catch (const std::exception&) {
        // A cancel, or any failure once the chooser is set up, ends the
        // command quietly; what was already taken over stays.
    }
}

}  // namespace ruvo
