#pragma once

#include <gtest/gtest.h>

#include "doubles/TestForm.h"

namespace ruvo::test {

// A running window: face MS Mincho at 12 points, variable mode, the settings
// file as the last write left it, the window since resized by the user.
class DialogFixture : public ::testing::Test, protected TestForm {
  protected:
    DialogFixture() {
        AsLoaded();
        window.width = 1500;
        window.height = 9000;
    }
};

}  // namespace ruvo::test
