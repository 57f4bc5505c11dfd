#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "platform/Error.h"

namespace ruvo::win32 {

// The core's UTF-16 strings meet the wide API here and only here.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide API takes UTF-16");

inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

// A length as the wide API takes it.
inline int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<int>(size);
}

}  // namespace ruvo::win32
