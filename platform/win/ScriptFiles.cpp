#include "platform/ScriptFiles.h"

#include "text/WideText.h"

#include <windows.h>

namespace platform::ScriptFiles {

const job::ScriptDialect Dialect = job::ScriptDialect::Windows;

namespace {

std::error_code lastError()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}

std::error_code errorOf(DWORD code)
{
    return {static_cast<int>(code), std::system_category()};
}

// Reads and writes in pieces a DWORD can count.
constexpr DWORD Piece = 1 << 20;

} // namespace

std::error_code read(const Path& file, std::string& bytes)
{
    // Opening the reparse point itself shows a link for what it is instead of following it.
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
    std::error_code error;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        error = lastError();
    else if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY) ||
             GetFileType(handle) != FILE_TYPE_DISK)
        error = errorOf(ERROR_CANT_ACCESS_FILE);
    bytes.clear();
    std::string buffer(Piece, '\0');
    while (!error) {
        DWORD got = 0;
        if (!ReadFile(handle, buffer.data(), Piece, &got, nullptr))
            error = lastError();
        else if (got == 0)
            break;
        else
            bytes.append(buffer, 0, got);
    }
    CloseHandle(handle);
    return error;
}

std::error_code create(const Path& file, std::string_view bytes)
{
    // CREATE_NEW fails on any existing name, a link's included, so nothing is written through.
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
    std::error_code error;
    while (!error && !bytes.empty()) {
        const DWORD size = bytes.size() < Piece ? static_cast<DWORD>(bytes.size()) : Piece;
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), size, &written, nullptr))
            error = lastError();
        else if (written == 0)
            error = errorOf(ERROR_DISK_FULL);
        else
            bytes.remove_prefix(written);
    }
    if (!error && !FlushFileBuffers(handle))
        error = lastError();
    if (!CloseHandle(handle) && !error)
        error = lastError();
    if (error)
        DeleteFileW(file.c_str());
    return error;
}

std::error_code rename(const Path& from, const Path& to)
{
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? std::error_code()
               : lastError();
}

std::error_code remove(const Path& file)
{
    return DeleteFileW(file.c_str()) ? std::error_code() : lastError();
}

std::error_code removeFolder(const Path& folder)
{
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    // Removing a junction or a folder link would take away what the user put there.
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return errorOf(ERROR_DIRECTORY);
    return RemoveDirectoryW(folder.c_str()) ? std::error_code() : lastError();
}

// The system's own listing: the standard library's directory iterator would bring its streams
// and locales into the program, a fifth of its size.
std::u16string text(const Path& path)
{
    return WideText::fromWide(path);
}

std::u16string describe(std::error_code error)
{
    if (error.category() == std::system_category())
        return WideText::systemMessage(static_cast<DWORD>(error.value()));
    std::u16string message;
    for (const char c : error.message())
        message += static_cast<char16_t>(static_cast<unsigned char>(c));
    return message;
}

std::vector<std::wstring> names(const Path& folder, std::error_code& error)
{
    std::vector<std::wstring> list;
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        FindFirstFileExW(modPath::Join(folder, L"*", Dialect).c_str(), FindExInfoBasic, &found,
                         FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        error = lastError();
        return list;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            list.push_back(name);
    } while (FindNextFileW(search, &found));
    if (GetLastError() != ERROR_NO_MORE_FILES)
        error = lastError();
    FindClose(search);
    return list;
}

} // namespace platform::ScriptFiles
