#include "PrivateFolder.h"

#include "text/WideText.h"

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <array>

namespace platform::PrivateFolder {
namespace {

using WideText::fromWide;

// The system, the administrators, and the owner of a new file, who is whoever could create
// it: the user, as long as no one else may write in the folder.
constexpr std::array<const wchar_t*, 4> Trusted = {L"S-1-5-18", L"S-1-5-32-544", L"S-1-3-0",
                                                   L"S-1-3-4"};

// Rights that change what the folder holds, or who may.
constexpr ACCESS_MASK WriteRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD |
                                    DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

std::wstring sidText(PSID sid)
{
    wchar_t* text = nullptr;
    if (!sid || !ConvertSidToStringSidW(sid, &text))
        return {};
    std::wstring result(text);
    LocalFree(text);
    return result;
}

Entry entryOf(const void* ace)
{
    const auto& header = *static_cast<const ACE_HEADER*>(ace);
    // Every kind of entry keeps its rights right after its header; the simple kinds keep the
    // SID after them.
    const auto& simple = *static_cast<const ACCESS_ALLOWED_ACE*>(ace);
    switch (header.AceType) {
    case ACCESS_ALLOWED_ACE_TYPE:
    case ACCESS_ALLOWED_CALLBACK_ACE_TYPE:
        return {true, sidText(const_cast<DWORD*>(&simple.SidStart)), simple.Mask};
    case ACCESS_DENIED_ACE_TYPE:
    case ACCESS_DENIED_CALLBACK_ACE_TYPE:
    case ACCESS_DENIED_OBJECT_ACE_TYPE:
    case ACCESS_DENIED_CALLBACK_OBJECT_ACE_TYPE:
        return {false, {}, simple.Mask};
    default:
        return {true, {}, simple.Mask};
    }
}

std::u16string named(const std::wstring& folder)
{
    return u"The work folder " + fromWide(folder);
}

// Why the user's identity, which the folder's checks need, is not known: the system's last error.
std::u16string accountUnread()
{
    return u"the user's account could not be read: " + WideText::systemMessage(GetLastError()) +
           u".";
}

} // namespace

Error judge(const std::wstring& folder, const Security& security, const std::wstring& user)
{
    if (!(security.attributes & FILE_ATTRIBUTE_DIRECTORY))
        return named(folder) + u" is not a folder.";
    // A junction or a link would lead the scripts into a folder the program does not own.
    if (security.attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return named(folder) +
               u" is a link to another folder. Remove it, and let the program make its own.";
    // The owner may always change the access list.
    if (user.empty() || security.owner != user)
        return named(folder) + u" belongs to another user.";
    const auto othersWrite = [&user](const Entry& entry) {
        return entry.allows && (entry.rights & WriteRights) && entry.sid != user &&
               std::find(Trusted.begin(), Trusted.end(), entry.sid) == Trusted.end();
    };
    // Entries that only pass on to the files in the folder count too: the scripts get them.
    if (!security.entries ||
        std::any_of(security.entries->begin(), security.entries->end(), othersWrite))
        return named(folder) + u" lets other users change its files.";
    return {};
}

std::wstring currentUser()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::wstring user;
    if (GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        user = sidText(reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid);
    const DWORD error = GetLastError();
    CloseHandle(token);
    SetLastError(error);
    return user;
}

std::optional<Security> read(const std::wstring& folder, DWORD& error)
{
    // The reparse point itself, not where it leads; all that is known comes from this handle.
    HANDLE handle =
        CreateFileW(folder.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    PSID owner = nullptr;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    error = GetFileInformationByHandle(handle, &info)
                ? GetSecurityInfo(handle, SE_FILE_OBJECT,
                                  OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                                  nullptr, &list, nullptr, &descriptor)
                : GetLastError();
    CloseHandle(handle);
    std::optional<Security> security;
    if (!error) {
        security.emplace();
        security->attributes = info.dwFileAttributes;
        security->owner = sidText(owner);
        if (list) {
            security->entries.emplace();
            void* ace = nullptr;
            for (DWORD i = 0; i < list->AceCount && GetAce(list, i, &ace); ++i)
                security->entries->push_back(entryOf(ace));
        }
    }
    LocalFree(descriptor);
    return security;
}

Error check(const std::wstring& folder)
{
    DWORD error = 0;
    const auto security = read(folder, error);
    if (security) {
        const auto user = currentUser();
        if (user.empty())
            return named(folder) + u" could not be examined: " + accountUnread();
        return judge(folder, *security, user);
    }
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return {};
    return named(folder) + u" could not be examined: " + WideText::systemMessage(error) + u".";
}

Error make(const std::wstring& folder)
{
    const std::wstring user = currentUser();
    if (user.empty())
        return named(folder) + u" could not be created: " + accountUnread();
    // Protected, so the parent's rights (at the root of C:, every user's) pass on to nothing.
    const std::wstring rules =
        L"O:" + user + L"D:P(A;OICI;FA;;;" + user + L")(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(rules.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        return named(folder) + u" could not be created: its access rules could not be made: " +
               WideText::systemMessage(GetLastError()) + u".";
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    const DWORD error = CreateDirectoryW(folder.c_str(), &attributes) ? 0 : GetLastError();
    LocalFree(descriptor);
    if (error && error != ERROR_ALREADY_EXISTS)
        return named(folder) + u" could not be created: " + WideText::systemMessage(error) + u".";
    return check(folder);
}

} // namespace platform::PrivateFolder
