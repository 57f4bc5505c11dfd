// A helper of the end-to-end scenarios, run under Wine beside ruvo.exe:
//   e2e_tool clip FILE   puts FILE's UTF-8 text on the clipboard unchanged
//                        (X's clipboard would turn every LF into CR LF)
//   e2e_tool client DESKTOP   prints where the client area of Ruvo, running
//                        in Wine's desktop of that name, lies on the screen
//   e2e_tool repaint DESKTOP  has Ruvo paint its client area anew, as
//                        Windows asks a window to once another one that
//                        covered it has gone (Wine keeps the pixels itself)
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
    const int size = static_cast<int>(utf8.size());
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    // Zeroed, so the text ends with a NUL.
    HGLOBAL memory = ::GlobalAlloc(GHND, (static_cast<SIZE_T>(units) + 1) * sizeof(wchar_t));
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size,
                          static_cast<wchar_t*>(::GlobalLock(memory)), units);
    ::GlobalUnlock(memory);
    const bool put = ::OpenClipboard(nullptr) && ::EmptyClipboard() &&
                     ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    ::CloseClipboard();
    return put ? 0 : 1;
}

// Prints the client area on the screen in pixels as "left top right bottom",
// then 1 or 0 for a horizontal and a vertical scroll bar.
int PrintClientArea(HWND window) {
    RECT client{};
    if (!::GetClientRect(window, &client)) {
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
    const std::string command = argc == 3 ? argv[1] : "";
    if (command == "clip") {
        return PutOnClipboard(argv[2]);
    }
    // Windows are found only on the desktop the looking thread belongs to.
    const std::wstring desktop(argv[argc - 1], argv[argc - 1] + std::strlen(argv[argc - 1]));
    ::SetThreadDesktop(::OpenDesktopW(desktop.c_str(), 0, FALSE, GENERIC_ALL));
    HWND window = ::FindWindowW(L"RuvoMainWindow", nullptr);
    if (command == "repaint") {
        return ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW) ? 0 : 1;
    }
    return command == "client" ? PrintClientArea(window) : 2;
}
