#pragma once

#include "app/frmMain.h"
#include "view/Fonts.h"
#include "view/Layout.h"

namespace ruvo {

// Clears the client area and draws what of the text on display fits it:
// columns from the right, cells from the top, each unit in its font. The
// vertical font is selected when it returns.
void DrawVertical(frmMain& form, const Cell& cell, ViewFonts& fonts);

}  // namespace ruvo
