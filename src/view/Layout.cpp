#include "view/Layout.h"

#include <algorithm>

#include "app/Convert.h"
#include "view/Characters.h"

namespace ruvo {

namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';
// Room for the caption, the menu bar and the frame around the columns.
constexpr double kFrameExtraHeight = 500;

}  // namespace

std::u16string_view DisplayText(const frmMain& form) {
    return form.DispText ? std::u16string_view(*form.DispText) : std::u16string_view();
}

TextShape CountLines(frmMain& form) {
    const std::u16string_view text = DisplayText(form);
    TextShape shape;
    // Whole counts in locals, stored once: the text can be megabytes long.
    std::size_t breaks = 0;
    std::size_t run = 0;
    std::size_t longest = 0;
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) {
        ++shape.characters;
        ++run;
        const bool isBreak = IsLineBreak(text[at]);
        if (isBreak) {
            ++breaks;
            longest = std::max(longest, run);
            run = 0;
        }
        shape.secondToLastIsBreak = shape.lastIsBreak;
        shape.lastIsBreak = isBreak;
    }
    form.BreakCount = static_cast<double>(breaks);
    form.RunLength = static_cast<double>(run);
    form.LongestRun = static_cast<double>(std::max(longest, run));
    form.CharIndex = static_cast<double>(shape.characters) + 1;
    return shape;
}

void CountColumns(frmMain& form, const TextShape& shape) {
    bool secondToLastIsBreak = shape.secondToLastIsBreak;
    if (shape.characters == 1) {
        *form.DispText += kIdeographicSpace;
        secondToLastIsBreak = shape.lastIsBreak;
    }
    // A break just before the last character starts no column of its own.
    if (secondToLastIsBreak) {
        form.BreakCount -= 2;
    }
    form.BreakCount = form.BreakCount / 2 + 1;
}

void FitFrame(frmMain& form, float CharW) {
    if (form.FrameMode != 0.0F) {
        form.window.SetWidth(ToSingle(form.BreakCount * (1.5 * CharW) + 3.0 * CharW / 4.0));
        form.window.SetHeight(ToSingle(CharW * (form.LongestRun + 1) + kFrameExtraHeight));
    } else {
        form.window.SetWidth(ToSingle(form.FrameWidth));
        form.window.SetHeight(ToSingle(form.FrameHeight));
    }
}

}  // namespace ruvo
