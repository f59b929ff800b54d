#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's text of a name the system gives as bytes. A name whose bytes are not valid
// UTF-8 has no exact text: a text with U+FFFD in their place names another file, so such a name
// is never passed on.
namespace platform::SystemText {

// The exact text of the bytes, or nothing when they are not valid UTF-8.
std::optional<std::u16string> read(std::string_view bytes);

// The bytes as Qt shows them, U+FFFD for each that is not valid UTF-8: for messages only.
std::u16string shown(std::string_view bytes);

} // namespace platform::SystemText
