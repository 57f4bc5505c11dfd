#pragma once

#include <string>

#include "platform/CommonDialog.h"
#include "platform/Files.h"
#include "platform/Window.h"

namespace ruvo {

// The help beside the program, in a folder whose path ends in "\": the
// WinHelp file "ruvo.hlp" where it is there and a viewer shows it, else the
// page "ruvo.html" in the browser; when neither opens, a message names both.
void ShowHelp(platform::CommonDialog& dialogs, platform::Files& files, platform::Window& window,
              const std::u16string& folder);

}  // namespace ruvo
