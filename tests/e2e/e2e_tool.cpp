// A helper of the end-to-end scenarios, run under Wine beside ruvo.exe:
//   e2e_tool clip FILE   puts FILE's UTF-8 text on the clipboard unchanged
//                        (X's clipboard would turn every LF into CR LF)
//   e2e_tool client DESKTOP   prints the client area of Ruvo, running in
//                        Wine's desktop of that name, on the screen in pixels
//                        as "left top right bottom", then 1 or 0 for a
//                        horizontal and a vertical scroll bar
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

int PutOnClipboard(const char* path) {
    std::ifstream file(path, std::ios::binary);
    const std::string utf8{std::istreambuf_iterator<char>(file), {}};
    const int units =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (static_cast<SIZE_T>(units) + 1) * 2);
    auto* text = static_cast<wchar_t*>(::GlobalLock(memory));
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text, units);
    text[units] = L'\0';
    ::GlobalUnlock(memory);
    if (!::OpenClipboard(nullptr)) {
        return 1;
    }
    ::EmptyClipboard();
    const bool put = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    ::CloseClipboard();
    return put ? 0 : 1;
}

int PrintClientArea(const char* desktop) {
    // Windows are found only on the desktop the looking thread belongs to.
    const std::wstring name(desktop, desktop + std::strlen(desktop));
    if (!::SetThreadDesktop(::OpenDesktopW(name.c_str(), 0, FALSE, GENERIC_ALL))) {
        return 1;
    }
    HWND window = ::FindWindowW(L"RuvoMainWindow", nullptr);
    RECT client{};
    if (window == nullptr || !::GetClientRect(window, &client)) {
        return 1;
    }
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    std::printf("%ld %ld %ld %ld %d %d\n", client.left, client.top, client.right, client.bottom,
                (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "clip") == 0) {
        return PutOnClipboard(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "client") == 0) {
        return PrintClientArea(argv[2]);
    }
    std::fputs("usage: e2e_tool clip FILE | client DESKTOP\n", stderr);
    return 2;
}
