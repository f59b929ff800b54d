#pragma once

#include <optional>
#include <string>

namespace job {

// What a failed operation tells the user; empty when it succeeded.
using Error = std::optional<std::u16string>;

} // namespace job
