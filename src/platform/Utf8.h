#pragma once

#include <string>
#include <string_view>

namespace ruvo {

// UTF-8 of a UTF-16 string; a lone surrogate is encoded as it stands.
std::string ToUtf8(std::u16string_view text);

}  // namespace ruvo
