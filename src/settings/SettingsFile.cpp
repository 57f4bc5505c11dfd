#include "settings/SettingsFile.h"

namespace ruvo {

namespace {

constexpr std::u16string_view kSettingsFile = u"Ruvo.ini";
constexpr std::u16string_view kTemporaryFile = u"Ruvo.ini.tmp";

}  // namespace

std::u16string SettingsPath(const std::u16string& folder) {
    return folder + std::u16string(kSettingsFile);
}

SettingsRecord ReadSettingsFile(platform::Files& files, const std::u16string& folder) {
    const std::u16string path = SettingsPath(folder);
    return ParseSettings(files.FromAnsi(files.ReadAll(path)), path);
}

void WriteSettingsFile(platform::Files& files, const std::u16string& folder,
                       const SettingsRecord& record) {
    const std::string line = files.ToAnsi(FormatSettingsLine(record));
    platform::WriteReplacing(files, SettingsPath(folder), folder + std::u16string(kTemporaryFile),
                             line);
}

}  // namespace ruvo
