#include <exception>

#include "app/frmMain.h"

namespace ruvo {

namespace {

constexpr std::u16string_view kHelpFileName = u"ruvo.hlp";

}  // namespace

void frmMain::Hhelp_Click() {
    CommonDialog1.SetCancelError(true);
    try {
        CommonDialog1.SetHelpCommand(platform::kHelpForceFile);
        CommonDialog1.SetHelpFile(AppDir + std::u16string(kHelpFileName));
        CommonDialog1.ShowHelp();
    } catch (const std::exception&) {
        // A missing help file or viewer is the viewer's affair; no message.
    }
}

}  // namespace ruvo
