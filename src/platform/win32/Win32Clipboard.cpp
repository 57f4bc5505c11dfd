#include "platform/win32/Win32Clipboard.h"

#include <string_view>

#include "platform/Error.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {

namespace {

// Other programs hold the clipboard open for moments; wait that long.
constexpr ULONGLONG kOpenPatienceMs = 250;
constexpr DWORD kRetryPauseMs = 10;

class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner = nullptr) {
        const ULONGLONG deadline = ::GetTickCount64() + kOpenPatienceMs;
        while (!::OpenClipboard(owner)) {
            if (::GetTickCount64() >= deadline) {
                throw RuntimeError(ErrorNumber::ClipboardBusy);
            }
            ::Sleep(kRetryPauseMs);
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() { ::CloseClipboard(); }
};

class LockedMemory {
  public:
    explicit LockedMemory(HGLOBAL memory) noexcept : memory_(memory), data_(::GlobalLock(memory)) {}
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    ~LockedMemory() {
        if (data_ != nullptr) {
            ::GlobalUnlock(memory_);
        }
    }

    const void* data() const noexcept { return data_; }

  private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

void PutOnClipboard(HWND owner, UINT format, UniqueGlobal memory) {
    OpenedClipboard opened(owner);
    if (!::EmptyClipboard() || ::SetClipboardData(format, memory.get()) == nullptr) {
        throw RuntimeError(ErrorNumber::ClipboardBusy);
    }
    memory.release();  // the clipboard's from now on
}

std::u16string Win32Clipboard::GetText() {
    OpenedClipboard opened;
    HANDLE memory = ::GetClipboardData(CF_UNICODETEXT);
    if (memory == nullptr) {
        return {};
    }
    LockedMemory locked(memory);
    if (locked.data() == nullptr) {
        return {};
    }
    // The text ends at its NUL or, if another program left that out, at the
    // end of the block.
    const std::wstring_view block(static_cast<const wchar_t*>(locked.data()),
                                  ::GlobalSize(memory) / sizeof(wchar_t));
    return FromWide(block.substr(0, block.find(L'\0')));
}

}  // namespace ruvo::win32
