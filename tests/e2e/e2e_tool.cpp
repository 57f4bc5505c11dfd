// A helper of the end-to-end scenarios, run under Wine beside ruvo.exe:
//   e2e_tool clip TEXT   puts TEXT on the clipboard unchanged
//                        (X's clipboard would turn every LF into CR LF)
//   e2e_tool dib FILE    writes the clipboard's CF_DIB as a BMP file; fails
//                        when the clipboard holds text too
// and, for Ruvo running in Wine's desktop of the name DESKTOP:
//   e2e_tool client DESKTOP   prints where its client area lies on the screen
//                        as "left top right bottom", then 1 or 0 for a
//                        horizontal and a vertical scroll bar
//   e2e_tool repaint DESKTOP  has Ruvo paint its client area anew, as
//                        Windows asks a window to once another one that
//                        covered it has gone (Wine keeps the pixels itself)
//   e2e_tool resize DESKTOP W H  gives Ruvo an outer size of W x H pixels, as
//                        a user's drag of its frame ends
//   e2e_tool drop DESKTOP FILE...  drops the files on Ruvo, as the shell does
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc >= 3 ? argv[1] : L"";
    if (command == L"clip") {
        const SIZE_T bytes = (std::wcslen(argv[2]) + 1) * sizeof(wchar_t);
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(::GlobalLock(memory), argv[2], bytes);
        ::GlobalUnlock(memory);
        const bool put = ::OpenClipboard(nullptr) && ::EmptyClipboard() &&
                         ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        ::CloseClipboard();
        return put ? 0 : 1;
    }
    if (command == L"dib") {
        const bool text = !::OpenClipboard(nullptr) || ::IsClipboardFormatAvailable(CF_UNICODETEXT);
        HGLOBAL memory = text ? nullptr : ::GetClipboardData(CF_DIB);
        const auto* dib = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(memory));
        FILE* file = dib != nullptr ? _wfopen(argv[2], L"wb") : nullptr;
        if (file == nullptr) return 1;
        // The file's header says where the pixels start: after the DIB's header and colours.
        const auto size = static_cast<DWORD>(::GlobalSize(memory));
        const BITMAPFILEHEADER header{0x4D42, 14 + size, 0, 0,
                                      14 + dib->biSize + dib->biClrUsed * 4};
        std::fwrite(&header, 14, 1, file);
        std::fwrite(dib, size, 1, file);
        return std::fclose(file);
    }
    // Windows are found only on the desktop the looking thread belongs to.
    ::SetThreadDesktop(::OpenDesktopW(argv[2], 0, FALSE, GENERIC_ALL));
    HWND window = ::FindWindowW(L"RuvoMainWindow", nullptr);
    RECT client{};
    if (!::GetClientRect(window, &client)) {
        return 1;
    }
    if (command == L"repaint") {
        return ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW) ? 0 : 1;
    }
    if (command == L"resize" && argc == 5) {
        const int width = std::wcstol(argv[3], nullptr, 10);
        const int height = std::wcstol(argv[4], nullptr, 10);
        return ::SetWindowPos(window, nullptr, 0, 0, width, height,
                              SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    }
    if (command == L"drop" && argc >= 4) {
        // The shell's DROPFILES block, made in Ruvo's own memory, where a
        // handle of this process would mean nothing.
        std::wstring block(sizeof(DROPFILES) / sizeof(wchar_t), L'\0');
        for (int i = 3; i < argc; ++i) {
            block += std::wstring(argv[i]) + L'\0';
        }
        block += L'\0';
        reinterpret_cast<DROPFILES*>(block.data())->pFiles = sizeof(DROPFILES);
        reinterpret_cast<DROPFILES*>(block.data())->fWide = TRUE;
        DWORD id = 0;
        ::GetWindowThreadProcessId(window, &id);
        HANDLE ruvo = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, id);
        const SIZE_T bytes = block.size() * sizeof(wchar_t);
        void* drop = ::VirtualAllocEx(ruvo, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
        const bool put = drop != nullptr &&
                         ::WriteProcessMemory(ruvo, drop, block.data(), bytes, nullptr) &&
                         ::PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        ::CloseHandle(ruvo);
        return put ? 0 : 1;
    }
    if (command != L"client") {
        return 2;
    }
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    std::printf("%ld %ld %ld %ld %d %d\n", client.left, client.top, client.right, client.bottom,
                (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0);
    return 0;
}
