#pragma once

#include <string>

#include "platform/Files.h"
#include "settings/SettingsLine.h"

namespace ruvo {

// "Ruvo.ini" in a folder whose path ends in "\": read once at start-up and
// rewritten whole, in the desktop's ANSI code page. A write goes to a
// temporary file first and takes the old one's place in one step, so that
// a failed write leaves the file as it was and no temporary file behind.
std::u16string SettingsPath(const std::u16string& folder);
SettingsRecord ReadSettingsFile(platform::Files& files, const std::u16string& folder);
void WriteSettingsFile(platform::Files& files, const std::u16string& folder,
                       const SettingsRecord& record);

}  // namespace ruvo
