#include "platform/Files.h"

namespace ruvo::platform {

void WriteReplacing(Files& files, const std::u16string& path, const std::u16string& temporary,
                    std::string_view bytes) {
    try {
        files.WriteAll(temporary, bytes);
        files.Replace(temporary, path);
    } catch (...) {
        files.Remove(temporary);
        throw;
    }
}

}  // namespace ruvo::platform
