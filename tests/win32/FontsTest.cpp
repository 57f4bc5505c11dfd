#include <gtest/gtest.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {
namespace {

// Wine draws the caption's minimise, maximise and close buttons with Marlett;
// a prefix without it shows them as the letters "0 1 r" (tools/wine-prefix).
TEST(FontsTest, ThePrefixHasMarlettForTheCaptionButtons) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpyW(query.lfFaceName, L"Marlett");
    bool found = false;
    const auto seen = [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM flag) -> int {
        if (::lstrcmpW(font->lfFaceName, L"Marlett") == 0) {
            *reinterpret_cast<bool*>(flag) = true;
        }
        return 1;
    };
    ::EnumFontFamiliesExW(WindowDc(nullptr).get(), &query, seen, reinterpret_cast<LPARAM>(&found),
                          0);
    EXPECT_TRUE(found) << "Marlett is not among the prefix's fonts";
}

}  // namespace
}  // namespace ruvo::win32
