#pragma once

#include "Dialogs.h"

#include <functional>

class QWidget;

// Runs what an event of the toolkit asked of a window. A failure never unwinds through the
// toolkit: the message box owned by the window tells it, and the window goes on.
void guarded(Dialogs& dialogs, QWidget* owner, const std::function<void()>& command) noexcept;
