#pragma once

#include "app/frmMain.h"
#include "view/Layout.h"

namespace ruvo {

// Clears the client area and draws what of the text on display fits it,
// with the vertical font selected: columns from the right, one cell per
// character from the top.
void DrawVertical(frmMain& form, const Cell& cell);

}  // namespace ruvo
