#include <algorithm>
#include <array>
#include <exception>
#include <iterator>
#include <string>

#include "app/frmMain.h"
#include "platform/Convert.h"
#include "view/Fonts.h"
#include "view/Scrolling.h"

namespace ruvo {

namespace {

// The sizes font choosers list; Ctrl with the wheel or +/- steps along them.
constexpr std::array<std::int32_t, 16> kSizeSteps{8,  9,  10, 11, 12, 14, 16, 18,
                                                  20, 22, 24, 26, 28, 36, 48, 72};
constexpr std::int32_t kStandardSize = 12;

// The chooser lists vertical faces under their "@" names; the stored face
// never carries it, since the renderer adds it when it makes the font.
std::u16string WithoutVerticalPrefix(std::u16string face) {
    if (!face.empty() && face.front() == u'@') {
        face.erase(0, 1);
    }
    return face;
}

// So many steps along the list, larger for positive ones; a size between
// two steps goes to the neighbour, and past either end it stays.
std::int32_t SteppedSize(std::int32_t points, std::int32_t steps) {
    for (; steps > 0; --steps) {
        const auto larger = std::ranges::upper_bound(kSizeSteps, points);
        if (larger == kSizeSteps.end()) {
            break;
        }
        points = *larger;
    }
    for (; steps < 0; ++steps) {
        const auto smaller = std::ranges::lower_bound(kSizeSteps, points);
        if (smaller == kSizeSteps.begin()) {
            break;
        }
        points = *std::prev(smaller);
    }
    return points;
}

std::u16string Points(std::int32_t points) {
    const std::string digits = std::to_string(points);
    return {digits.begin(), digits.end()};
}

}  // namespace

void frmMain::Hfont_Click() {
    const std::u16string previousFace = CurFontName;
    const std::int32_t previousSize = CurFontSize;
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
    } catch (const std::exception&) {
        // A cancel, or any failure once the chooser is set up, ends the
        // command quietly; what was already taken over stays.
        return;
    }
    if (!CanMakeVerticalFont(window, CurFontName, CurFontSize)) {
        const std::u16string chosenFace = std::exchange(CurFontName, previousFace);
        TellFontRefused(chosenFace, std::exchange(CurFontSize, previousSize));
        return;
    }
    ShowInChosenFont();
}

void frmMain::StepFontSize(std::int32_t steps) {
    ChangeFontSize(SteppedSize(CurFontSize, steps));
}

void frmMain::ResetFontSize() {
    ChangeFontSize(kStandardSize);
}

void frmMain::ChangeFontSize(std::int32_t points) {
    if (points == CurFontSize) {
        return;
    }
    if (!CanMakeVerticalFont(window, CurFontName, points)) {
        TellFontRefused(CurFontName, points);
        return;
    }
    CurFontSize = points;
    ShowInChosenFont();
}

// A write that fails leaves the file as it was, and the new font reaches
// it with the next write that works.
void frmMain::ShowInChosenFont() {
    LayOutInChosenFont(*this);
    try {
        WriteSettings();
    } catch (const std::exception&) {
        // as a font command's write always has
    }
}

void frmMain::TellFontRefused(const std::u16string& face, std::int32_t points) {
    window.ShowMessage(u"フォント「" + face + u"」を " + Points(points) +
                       u" ポイントで作れませんでした。\n\nフォントと大きさは前のまま（「" +
                       CurFontName + u"」、" + Points(CurFontSize) + u" ポイント）です。");
}

}  // namespace ruvo
