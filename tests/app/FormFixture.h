#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/frmMain.h"
#include "doubles/FakeClipboard.h"
#include "doubles/FakeCommonDialog.h"
#include "doubles/FakeFiles.h"
#include "doubles/FakeWindow.h"

namespace ruvo::test {

// A window with every platform service doubled, before start-up, with the
// executable in C:\Tools and the worked example as its settings file.
class FormFixture : public ::testing::Test {
  protected:
    static constexpr char kExampleLine[] = "\"MS Mincho\",12,1350,8550,1\r\n";
    static inline const std::u16string kSettingsPath = u"C:\\Tools\\Ruvo.ini";
    static inline const std::u16string kTemporaryPath = u"C:\\Tools\\Ruvo.ini.tmp";

    FormFixture() { files.files[kSettingsPath] = kExampleLine; }

    std::string SavedFile() const { return files.files.at(kSettingsPath); }

    FakeWindow window;
    FakeClipboard clipboard;
    FakeCommonDialog dialog;
    FakeFiles files;
    frmMain form{window, clipboard, dialog, files};
};

}  // namespace ruvo::test
