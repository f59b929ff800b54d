#pragma once

#include <exception>
#include <string>

namespace forms {

// The text of a failure that stopped a command: what a standard exception says, else nothing.
std::string failureDetail(std::exception_ptr failure);

// What the user is told when a command stopped on a failure: the window goes on, and the command
// may be tried again. The detail is the failure's own text, empty when it has none.
std::u16string failureMessage(const std::u16string& detail);

} // namespace forms
