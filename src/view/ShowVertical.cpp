#include "app/frmMain.h"
#include "view/Drawing.h"
#include "view/Layout.h"
#include "view/Scrolling.h"
#include "view/VerticalFont.h"

namespace ruvo {

void frmMain::ShowVertical() {
    const platform::Handle deviceContext = window.DeviceContext();
    VerticalFontSelection verticalFont(window, deviceContext);
    verticalFont.Select(VerticalFontRequest(CurFontName, CurFontSize, window.TwipsPerPixelX()));
    const Cell cell = MeasureCell(window);
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
    DrawVertical(*this, cell);
    verticalFont.Release();
    WriteSettings();
}

}  // namespace ruvo
