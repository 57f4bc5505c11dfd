#pragma once

#include <string>

#include "platform/Clipboard.h"

namespace ruvo::test {

class FakeClipboard : public platform::Clipboard {
  public:
    std::u16string text;  // empty: the clipboard holds no text
    bool busy = false;    // another program holds it: GetText fails
    int reads = 0;

    std::u16string GetText() override;
};

}  // namespace ruvo::test
