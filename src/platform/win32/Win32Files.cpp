#include "platform/win32/Win32Files.h"

#include <algorithm>

#include "platform/Error.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32.h"

namespace ruvo::win32 {

namespace {

// Writes and reads go in pieces a DWORD can count.
constexpr DWORD kChunk = 1U << 20;
constexpr UINT kShiftJis = 932;

[[noreturn]] void ThrowFileError(DWORD code, const std::u16string& path) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            throw RuntimeError(ErrorNumber::FileNotFound, path);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            throw RuntimeError(ErrorNumber::PermissionDenied, path);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            throw RuntimeError(ErrorNumber::DiskFull, path);
        default:
            throw RuntimeError(ErrorNumber::PathFileAccess, path);
    }
}

[[noreturn]] void ThrowLastFileError(const std::u16string& path) {
    ThrowFileError(::GetLastError(), path);
}

platform::ReadProblem ReadProblemOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
            return platform::ReadProblem::NotFound;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return platform::ReadProblem::InUse;
        case ERROR_ACCESS_DENIED:
            return platform::ReadProblem::Denied;
        default:
            return platform::ReadProblem::Failed;
    }
}

// Bytes in a code page as UTF-16; nothing where the flags refuse them.
std::optional<std::u16string> Decode(UINT codePage, DWORD flags, std::string_view bytes) {
    if (bytes.empty()) {
        return std::u16string();
    }
    const int length = Length(bytes.size());
    const int size = ::MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    // Straight into the text: a large file is not held twice more.
    std::u16string text(static_cast<std::size_t>(size), u'\0');
    ::MultiByteToWideChar(codePage, flags, bytes.data(), length,
                          reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

}  // namespace

std::u16string Win32Files::ExecutableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            throw RuntimeError(ErrorNumber::PathFileAccess);
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // truncated: a long path
    }
    const std::size_t separator = path.find_last_of(L'\\');
    if (separator == std::wstring::npos) {
        throw RuntimeError(ErrorNumber::PathFileAccess, FromWide(path));
    }
    // A drive's root keeps its backslash: C:\ and not C:.
    const bool driveRoot = separator > 0 && path[separator - 1] == L':';
    path.resize(driveRoot ? separator + 1 : separator);
    return FromWide(path);
}

std::string Win32Files::ReadAll(const std::u16string& path) {
    const std::wstring name = ToWide(path);
    UniqueFile file(::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ThrowLastFileError(path);
    }
    std::string bytes;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
            ThrowLastFileError(path);
        }
        if (read == 0) {
            return bytes;
        }
        bytes.append(buffer, read);
    }
}

platform::FileBytes Win32Files::ReadUpTo(const std::u16string& path, std::size_t limit) {
    const std::wstring name = ToWide(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {{}, platform::ReadProblem::Folder};
    }
    // Shared for writing too: a file that an editor keeps open can be read.
    UniqueFile file(::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size)) {
        return {{}, ReadProblemOf(::GetLastError())};
    }
    if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        return {{}, platform::ReadProblem::TooLarge};
    }
    platform::FileBytes read;
    read.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < read.bytes.size()) {
        DWORD piece = 0;
        if (!::ReadFile(file.get(), read.bytes.data() + done,
                        static_cast<DWORD>(std::min<std::size_t>(read.bytes.size() - done, kChunk)),
                        &piece, nullptr)) {
            return {{}, ReadProblemOf(::GetLastError())};
        }
        if (piece == 0) {
            break;  // it has become shorter
        }
        done += piece;
    }
    read.bytes.resize(done);
    return read;
}

void Win32Files::WriteAll(const std::u16string& path, std::string_view bytes) {
    const std::wstring name = ToWide(path);
    UniqueFile file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ThrowLastFileError(path);
    }
    while (!bytes.empty()) {
        const DWORD piece = bytes.size() < kChunk ? static_cast<DWORD>(bytes.size()) : kChunk;
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data(), piece, &written, nullptr)) {
            ThrowLastFileError(path);
        }
        if (written == 0) {
            ThrowFileError(ERROR_DISK_FULL, path);
        }
        bytes.remove_prefix(written);
    }
    if (!::FlushFileBuffers(file.get())) {
        ThrowLastFileError(path);
    }
}

void Win32Files::Replace(const std::u16string& from, const std::u16string& to) {
    const std::wstring source = ToWide(from);
    const std::wstring target = ToWide(to);
    if (!::MoveFileExW(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ThrowLastFileError(to);
    }
}

bool Win32Files::Exists(const std::u16string& path) noexcept {
    try {
        const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    } catch (...) {
        return false;  // no memory for the name: nothing can be told
    }
}

void Win32Files::Remove(const std::u16string& path) noexcept {
    try {
        ::DeleteFileW(ToWide(path).c_str());
    } catch (...) {
        // Nothing to remove without memory for the name; removal never fails.
    }
}

std::string Win32Files::ToAnsi(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const std::wstring wide = ToWide(text);
    const int length = Length(wide.size());
    const int size =
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::u16string Win32Files::FromAnsi(std::string_view bytes) {
    return Decode(CP_ACP, 0, bytes).value_or(std::u16string());
}

std::optional<std::u16string> Win32Files::FromShiftJis(std::string_view bytes) {
    return Decode(kShiftJis, MB_ERR_INVALID_CHARS, bytes);
}

}  // namespace ruvo::win32
