#include "app/frmMain.h"
#include "view/Drawing.h"
#include "view/Fonts.h"
#include "view/Layout.h"
#include "view/Scrolling.h"

namespace ruvo {

void frmMain::ShowVertical() {
    ViewFonts fonts(window, CurFontName, CurFontSize);
    const Cell cell = MeasureCell(fonts, window, Ruby);
    ExtendOneCharacter(*this);
    ShownFontName = CurFontName;
    ShownFontSize = CurFontSize;
    ScrollToStart(*this);
    if (DisplayText(*this).empty()) {
        LayOutForClient(*this, cell);  // no columns, nothing to fit: the size stays
    } else {
        FitFrame(*this, cell);
        ShowScrollBars(*this, cell);
    }
    DrawVertical(*this, cell, fonts);
    fonts.Release();
    WriteSettings();
}

}  // namespace ruvo
