#include "doubles/FakeClipboard.h"

#include "platform/Error.h"

namespace ruvo::test {

std::u16string FakeClipboard::GetText() {
    ++reads;
    if (busy) {
        throw RuntimeError(ErrorNumber::ClipboardBusy);
    }
    return text;
}

}  // namespace ruvo::test
