#pragma once

#include "forms/Dialogs.h"

#include <functional>

namespace forms {

// Runs what an event of the system asked of a window: a failure never unwinds through the
// system's callback, a message box modal to the owner tells it, and the window goes on. True
// when the handler ran to its end.
bool guarded(Dialogs& dialogs, View* owner, const std::function<void()>& handler) noexcept;

} // namespace forms
