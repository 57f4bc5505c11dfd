#pragma once

#include <gtest/gtest.h>

#include "app/frmMain.h"
#include "doubles/FakeClipboard.h"
#include "doubles/FakeCommonDialog.h"
#include "doubles/FakeFiles.h"
#include "doubles/FakeWindow.h"

namespace ruvo::test {

// A running window after start-up: face MS Mincho at 12 points, variable
// mode, the settings file as the last write left it.
class DialogFixture : public ::testing::Test {
  protected:
    static constexpr char kSavedLine[] = "\"MS Mincho\",12,1350,8550,1\r\n";
    static inline const std::u16string kSettingsPath = u"C:\\Tools\\Ruvo.ini";

    DialogFixture() {
        form.AppDir = u"C:\\Tools\\";
        form.CurFontName = u"MS Mincho";
        form.CurFontSize = 12;
        form.FrameWidth = 1350;
        form.FrameHeight = 8550;
        form.FrameMode = 1.0F;
        files.files[kSettingsPath] = kSavedLine;
        window.width = 1500;
        window.height = 9000;
    }

    FakeWindow window;
    FakeClipboard clipboard;
    FakeCommonDialog dialog;
    FakeFiles files;
    frmMain form{window, clipboard, dialog, files};
};

}  // namespace ruvo::test
