#pragma once

#include <string>

namespace ruvo::platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;

    // The clipboard's plain text; the empty string when it holds no text.
    virtual std::u16string GetText() = 0;
};

}  // namespace ruvo::platform
