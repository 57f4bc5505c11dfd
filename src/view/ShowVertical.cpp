#include "app/frmMain.h"
#include "view/Drawing.h"
#include "view/Layout.h"
#include "view/VerticalFont.h"

namespace ruvo {

namespace {

// A full-width character: its extent is the size of one cell of a column.
constexpr std::u16string_view kMeasuringCharacter = u"あ";

}  // namespace

void frmMain::ShowVertical() {
    const platform::Handle deviceContext = window.DeviceContext();
    VerticalFontSelection verticalFont(window, deviceContext);
    verticalFont.Select(VerticalFontRequest(CurFontName, CurFontSize, window.TwipsPerPixelX()));
    const float CharW = window.TextWidth(kMeasuringCharacter);
    const float CharH = window.TextHeight(kMeasuringCharacter);
    const TextShape shape = CountLines(*this);
    if (shape.characters != 0) {
        CountColumns(*this, shape);
        FitFrame(*this, CharW);
    }
    DrawVertical(*this, CharW, CharH);
    verticalFont.Release();
    WriteSettings();
}

}  // namespace ruvo
