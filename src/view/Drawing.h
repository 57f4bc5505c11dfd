#pragma once

#include "app/frmMain.h"

namespace ruvo {

// Clears the client area and draws the display text in columns, top to
// bottom and right to left, with the vertical font selected.
void DrawVertical(frmMain& form, float CharW, float CharH);

}  // namespace ruvo
