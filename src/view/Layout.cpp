#include "view/Layout.h"

#include <algorithm>
#include <cmath>

#include "app/Characters.h"
#include "platform/Convert.h"

namespace ruvo {

namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';
// A full-width character: its extent is the size of one cell of a column.
constexpr std::u16string_view kMeasuringCharacter = u"あ";

// Spare room left of the last column and below the longest one, in cells.
constexpr double kMargin = 0.25;
constexpr double kColumnPitch = 1.5;

bool IsOneCharacter(std::u16string_view text) {
    return !text.empty() && CharacterLength(text, 0) == text.size();
}

// The client area that holds every cell of the text with the margins.
double FittedClientWidth(double columns, const Cell& cell) {
    return kMargin * cell.CharW + (columns - 1) * kColumnPitch * cell.CharW + cell.CharH +
           kMargin * cell.CharW;
}
double FittedClientHeight(double cells, const Cell& cell) {
    return cell.CharH + cells * cell.CharW + kMargin * cell.CharW;
}

// An outer size for a client size: whole pixels, rounded up so that the
// platform's rounding cannot cut the margin; within the room the work area
// leaves, but never smaller than one cell.
float OuterSize(double client, double smallestClient, float frame, float room, float pixel) {
    const auto outer = [&](double inside) {
        return Finite(std::ceil(Divide(inside, pixel)) * pixel + frame);
    };
    return ToSingle(std::min(outer(client), std::max<double>(room, outer(smallestClient))));
}

}  // namespace

Cell MeasureCell(platform::Window& window) {
    // A font that measures nothing still moves a pixel from cell to cell,
    // so that the drawing leaves the window after what fits.
    const float pixel = window.TwipsPerPixelX();
    return {std::max(window.TextWidth(kMeasuringCharacter), pixel),
            std::max(window.TextHeight(kMeasuringCharacter), pixel)};
}

std::u16string_view DisplayText(const frmMain& form) {
    return form.DispText ? std::u16string_view(*form.DispText) : std::u16string_view();
}

void CountLines(frmMain& form) {
    if (form.DispText && IsOneCharacter(*form.DispText)) {
        *form.DispText += kIdeographicSpace;
    }
    const std::u16string_view text = DisplayText(form);
    form.LineStarts.clear();
    if (!text.empty()) {
        form.LineStarts.push_back(0);
    }
    // Whole counts in locals, stored once: the text can be megabytes long.
    std::size_t run = 0;
    std::size_t longest = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsLineBreak(text[at])) {
            at += CharacterLength(text, at);
            ++run;
            continue;
        }
        // CR LF is one line break; a lone CR or LF is one each.
        at += text.substr(at, 2) == u"\r\n" ? 2 : 1;
        longest = std::max(longest, run);
        run = 0;
        if (at < text.size()) {
            form.LineStarts.push_back(at);
        }
    }
    form.BreakCount = static_cast<double>(form.LineStarts.size());
    form.LongestRun = static_cast<double>(std::max(longest, run));
}

double ColumnX(float clientWidth, const Cell& cell, std::size_t column) {
    return clientWidth - kMargin * cell.CharW -
           static_cast<double>(column) * kColumnPitch * cell.CharW;
}

double CellY(const Cell& cell, std::size_t row) {
    return cell.CharH + static_cast<double>(row) * cell.CharW;
}

double ColumnsThatFit(float clientWidth, const Cell& cell) {
    return std::floor((clientWidth - FittedClientWidth(1, cell)) / (kColumnPitch * cell.CharW)) + 1;
}

double CellsThatFit(float clientHeight, const Cell& cell) {
    return std::floor((clientHeight - FittedClientHeight(0, cell)) / cell.CharW);
}

void FitFrame(frmMain& form, const Cell& cell) {
    platform::Window& window = form.window;
    if (form.FrameMode == 0.0F) {
        window.SetWidth(ToSingle(form.FrameWidth));
        window.SetHeight(ToSingle(form.FrameHeight));
        return;
    }
    const float pixel = window.TwipsPerPixelX();
    window.SetWidth(OuterSize(FittedClientWidth(form.BreakCount, cell), FittedClientWidth(1, cell),
                              window.Width() - window.ScaleWidth(), window.AvailableWidth(),
                              pixel));
    // Measured only now: a narrower window can wrap its menu bar.
    window.SetHeight(OuterSize(FittedClientHeight(form.LongestRun, cell),
                               FittedClientHeight(1, cell), window.Height() - window.ScaleHeight(),
                               window.AvailableHeight(), pixel));
}

}  // namespace ruvo
