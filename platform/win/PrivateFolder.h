#pragma once

#include "job/Error.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// A work folder that no one but the user may change (the system and the administrators aside,
// as in the user's own profile), so no one else can alter a script between its write and its run.
namespace platform::PrivateFolder {

using job::Error;

// One entry of a folder's access list.
struct Entry {
    bool allows;      // false for an entry that only takes rights away
    std::wstring sid; // whom it lets in, as an SID text; empty when the entry's kind hides it
    ACCESS_MASK rights;
};

// What the system tells of an existing folder.
struct Security {
    DWORD attributes = 0;
    std::wstring owner;
    std::optional<std::vector<Entry>> entries; // none: no access list, which lets everyone in
};

// Why the folder is not a private folder of the user's, or nothing when it is one.
Error judge(const std::wstring& folder, const Security& security, const std::wstring& user);

// The user the program runs as, as an SID text, or the empty text with the system's last
// error saying why it is not known.
std::wstring currentUser();

// The owner, the access list and the attributes of an existing folder, or nothing with the
// error set.
std::optional<Security> read(const std::wstring& folder, DWORD& error);

// Why the folder may not be used, or nothing when it is private to the user or missing.
Error check(const std::wstring& folder);

// Creates the folder, owned by the user, with an access list of its own that lets in only the
// user, the system and the administrators, and checks the folder that is there then.
Error make(const std::wstring& folder);

} // namespace platform::PrivateFolder
