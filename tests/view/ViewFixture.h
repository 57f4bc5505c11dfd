#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/TestForm.h"

namespace ruvo::test {

// A running window: face MS Mincho at 10 points, variable mode, "あ"
// measuring 195 × 195 twips, 15 twips a pixel.
class ViewFixture : public ::testing::Test, protected TestForm {
  protected:
    ViewFixture() { AsLoaded(10); }

    // Draws `text` as a click that shows the clipboard does.
    void Show(const std::u16string& text) {
        clipboard.text = text;
        form.ClipShown = 0;
        form.Form_Click();
    }

    // What was drawn, as "text@x,y text@x,y ...".
    std::string Drawn() const {
        std::string drawn;
        for (const FakeWindow::Output& output : window.outputs) {
            drawn += (drawn.empty() ? "" : " ") + Utf8(output.text) + "@" + Num(output.x) + "," +
                     Num(output.y);
        }
        return drawn;
    }

    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> matching;
        for (const std::string& call : window.calls) {
            if (call.rfind(prefix, 0) == 0) {
                matching.push_back(call);
            }
        }
        return matching;
    }
};

}  // namespace ruvo::test
